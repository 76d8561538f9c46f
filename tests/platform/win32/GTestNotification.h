// GoogleTest 1.12 builds its Notification on std::mutex, which the win32 thread model of Debian's
// mingw-w64 gcc 12 does not have; this one waits on a Win32 event instead. Forced into GoogleTest
// and the test binary by tests/CMakeLists.txt for Windows builds only.
#pragma once

#include <windows.h>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
public:
    Notification() : event_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { ::CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { ::SetEvent(event_); }
    void WaitForNotification() { ::WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace testing::internal
