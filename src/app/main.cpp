// Linux entry point: the X11 platform, then the bar.
#include "app/AppWiring.h"
#include "platform/Platform.h"

int main() {
    const auto platform = platform::CreatePlatform();
    platform::Install(platform.get());
    return app::Main();
}
