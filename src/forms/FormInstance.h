// The process-wide reference of a form: the first use creates the form hidden and runs its
// Form_Load; IsLoaded tests without creating; Unload destroys it and the next use creates it again.
// A form's public flags are static members of its class, so they outlive re-creation.
#pragma once

#include <memory>

#include "forms/Form.h"

namespace forms {

namespace registry {
// Bookkeeping shared by all form types: the count of loaded forms (the message loop ends
// when it drops to zero) and unloaded forms waiting to be freed once the current handler returns.
void Loaded(void (*unload)());
void Unloaded(void (*unload)(), std::unique_ptr<Form> form);
int LoadedCount();
// Unloads every loaded form, last loaded first.
void UnloadAll();
// Frees the unloaded forms now (the platform's posted task normally does it).
void FreeUnloaded();
}  // namespace registry

template <class T>
class FormInstance {
public:
    static T& Get() {
        if (!instance_) {
            instance_ = new T();
            T* form = instance_;
            registry::Loaded(&FormInstance::Unload);
            form->Load(&FormInstance::Unload);
            return *form;  // Form_Load may have unloaded it again; the object lives until freed
        }
        return *instance_;
    }

    static bool IsLoaded() { return instance_ != nullptr; }

    static void Unload() {
        if (!instance_)
            return;
        std::unique_ptr<Form> form(instance_);
        instance_ = nullptr;
        form->Destroy();
        registry::Unloaded(&FormInstance::Unload, std::move(form));
    }

private:
    // A plain pointer: a form still loaded when the process ends is not destroyed by the static
    // destructors, which would run after the platform and its windows are gone.
    static inline T* instance_ = nullptr;
};

}  // namespace forms
