// Loaded-form bookkeeping: ends the message loop when the last form goes, and frees unloaded
// forms only after the handler that unloaded them has returned.
#include <algorithm>
#include <vector>

#include "forms/FormInstance.h"

namespace forms::registry {

namespace {
std::vector<void (*)()> g_loaded;  // the Unload of each loaded form type, in load order
std::vector<std::unique_ptr<Form>> g_unloaded;
bool g_freePosted = false;
}  // namespace

void Loaded(void (*unload)()) {
    g_loaded.push_back(unload);
}

void Unloaded(void (*unload)(), std::unique_ptr<Form> form) {
    g_loaded.erase(std::remove(g_loaded.begin(), g_loaded.end(), unload), g_loaded.end());
    g_unloaded.push_back(std::move(form));
    if (!g_freePosted) {
        g_freePosted = true;
        platform::Loop().Post([] { FreeUnloaded(); });
    }
    if (g_loaded.empty())
        platform::Loop().QuitLoop();
}

int LoadedCount() {
    return static_cast<int>(g_loaded.size());
}

void FreeUnloaded() {
    g_freePosted = false;
    std::vector<std::unique_ptr<Form>> dead;
    dead.swap(g_unloaded);
}

void UnloadAll() {
    while (!g_loaded.empty())
        g_loaded.back()();
}

}  // namespace forms::registry
