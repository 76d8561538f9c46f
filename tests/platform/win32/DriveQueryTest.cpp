// A drive that does not answer (a disconnected network drive), played by a stalled test double.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/SystemReadings.h"

namespace {

using namespace platform;
using namespace platform::win32;

HANDLE g_release = nullptr;
volatile LONG g_asked = 0;

DriveSpace DisconnectedDrive(wchar_t) {
    ::InterlockedIncrement(&g_asked);
    ::WaitForSingleObject(g_release, INFINITE);
    return DriveSpace{true, 4, 8, {}};
}

TEST(DriveSpace, ADriveThatDoesNotAnswerFailsAsATimeoutAndIsNotAskedAgainUntilItReturns) {
    g_release = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    for (int tick = 0; tick < 3; ++tick) {
        const DriveSpace d = QueryDriveWithin(L'Q', 20, DisconnectedDrive);
        EXPECT_FALSE(d.ok);
        EXPECT_EQ(d.error, SystemErrorText(ERROR_TIMEOUT));
    }
    EXPECT_EQ(g_asked, 1) << "one hung thread, not one per tick";

    ::SetEvent(g_release);
    DriveSpace d;
    while (!(d = QueryDriveWithin(L'Q', 20, DisconnectedDrive)).ok)
        ::Sleep(1);
    EXPECT_EQ(d.total, 8u);
    EXPECT_EQ(g_asked, 2);
    ::CloseHandle(g_release);
}

}  // namespace
