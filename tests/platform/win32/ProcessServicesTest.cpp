// The settings file path, the version record, the single-instance mutex and the message box of the
// Win32 backend, against the real API.
#include "platform/win32/ProcessServices.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "Win32TestSupport.h"
#include "platform/win32/TextConversion.h"

namespace {

using namespace platform::win32;

TEST(SettingsFilePath, IsTheFileBesideTheExecutable) {
    EXPECT_EQ(FilePathBeside(L"D:\\ツール\\Vigilon.exe", "Vigilon.ini"), "D:\\ツール\\Vigilon.ini");
    // At a drive root the separator is doubled; the profile functions take such a path.
    EXPECT_EQ(FilePathBeside(L"C:\\Vigilon.exe", "Vigilon.ini"), "C:\\\\Vigilon.ini");
    EXPECT_EQ(FilePathBeside(L"\\\\server\\share\\Vigilon.exe", "Vigilon.ini"), "\\\\server\\share\\Vigilon.ini");
    // This process's own path: wine_smoke.sh reads what the program saved from the file beside it.
}

TEST(OsVersion, IsTheNtFamilysRecord) {
    const platform::OsVersion v = platform::CreatePlatform()->System().GetOsVersion();
    OSVERSIONINFOA direct{};
    direct.dwOSVersionInfoSize = sizeof direct;
    ASSERT_TRUE(::GetVersionExA(&direct));
    // Wine answers as an NT system (for example 2, 6, 1); a failed query would be all zero.
    EXPECT_EQ(v.platformId, static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(v.major, 5u);
    EXPECT_EQ(v.major, direct.dwMajorVersion);
    EXPECT_EQ(v.minor, direct.dwMinorVersion);
}

TEST(SingleInstance, RefusedWhileHeldElsewhereThenHeldForTheProcess) {
    const std::string name = "VigilonTest-" + std::to_string(::GetCurrentProcessId()) + "-インスタンス";
    // Another holder of the name: created behind the platform's back, as another process would.
    HANDLE other = ::CreateMutexW(nullptr, FALSE, WideFromUtf8(name).c_str());
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(platform::CreatePlatform()->System().AcquireSingleInstance(name));
    ::CloseHandle(other);
    EXPECT_TRUE(platform::CreatePlatform()->System().AcquireSingleInstance(name));  // free again
    // The bar's re-creation asks again; the name outlives the platform object, held as long as the process.
    EXPECT_TRUE(platform::CreatePlatform()->System().AcquireSingleInstance(name));
    HANDLE opened = ::OpenMutexW(SYNCHRONIZE, FALSE, WideFromUtf8(name).c_str());
    EXPECT_NE(opened, nullptr);
    ::CloseHandle(opened);
}

std::wstring BoxCaption() {
    return L"VigilonTest " + std::to_wstring(::GetCurrentProcessId());
}

// Safety net: should no tick close the box, this closes it after 10 s and the test fails.
DWORD WINAPI CloseBoxUnlessStopped(LPVOID stop) {
    if (::WaitForSingleObject(stop, 10000) == WAIT_TIMEOUT)
        ::PostMessageW(::FindWindowW(L"#32770", BoxCaption().c_str()), WM_COMMAND, IDOK, 0);
    return 0;
}

using OkMessageBox = vigilon_test::Win32WindowTest;

// The bar's timers show error boxes: inside the box's own loop the other timers tick on, and the
// tick that opened it is not entered again.
TEST_F(OkMessageBox, OpenedFromATickTheOtherTimersKeepTicking) {
    int depth = 0, maxDepth = 0, openerTicks = 0, closerTicks = 0;
    bool closedByTick = false;
    const platform::TimerId opener = platform->Loop().StartTimer(10, [&] {
        maxDepth = std::max(maxDepth, ++depth);
        if (++openerTicks == 1)
            platform->Windows().ShowMessageBox("タイマーは止まりません", Utf8FromWide(BoxCaption()),
                                               platform::MessageIcon::Information);
        --depth;
    });
    const platform::TimerId closer = platform->Loop().StartTimer(20, [&] {
        // Dismiss the box as the OK button would.
        HWND box = ::FindWindowW(L"#32770", BoxCaption().c_str());
        if (++closerTicks >= 3 && box && !closedByTick)
            closedByTick = ::PostMessageW(box, WM_COMMAND, IDOK, 0) != FALSE;
    });
    HANDLE stop = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE watchdog = ::CreateThread(nullptr, 0, &CloseBoxUnlessStopped, stop, 0, nullptr);
    EXPECT_TRUE(vigilon_test::PumpUntil([&] { return openerTicks >= 2; }));  // after the box
    platform->Loop().StopTimer(opener);
    platform->Loop().StopTimer(closer);
    ::SetEvent(stop);
    ::WaitForSingleObject(watchdog, INFINITE);
    ::CloseHandle(watchdog);
    ::CloseHandle(stop);
    EXPECT_TRUE(closedByTick);
    EXPECT_EQ(maxDepth, 1);
}

}  // namespace
