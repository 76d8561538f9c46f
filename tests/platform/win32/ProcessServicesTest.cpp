// The executable folder, the version record, the single-instance mutex and the message box of the
// Win32 backend, against the real API.
#include "platform/win32/ProcessServices.h"

#include <gtest/gtest.h>

#include "Win32TestSupport.h"
#include "platform/win32/TextConversion.h"

namespace {

using namespace platform::win32;

TEST(SettingsFilePath, IsTheFileBesideTheExecutable) {
    EXPECT_EQ(FilePathBeside(L"C:\\Program Files\\Vigilon\\Vigilon.exe", "Vigilon.ini"),
              "C:\\Program Files\\Vigilon\\Vigilon.ini");
    EXPECT_EQ(FilePathBeside(L"D:\\ツール\\Vigilon.exe", "Vigilon.ini"), "D:\\ツール\\Vigilon.ini");
    // At a drive root the separator is doubled; the profile functions take such a path.
    EXPECT_EQ(FilePathBeside(L"C:\\Vigilon.exe", "Vigilon.ini"), "C:\\\\Vigilon.ini");
    EXPECT_EQ(FilePathBeside(L"\\\\server\\share\\Vigilon.exe", "Vigilon.ini"), "\\\\server\\share\\Vigilon.ini");
}

TEST(SettingsFilePath, OfThisProcess) {
    const auto p = platform::CreatePlatform();
    const std::string path = p->SettingsFilePath("Vigilon.ini");
    const std::string exe = Utf8FromWide(ExecutablePath());
    const std::size_t slash = exe.find_last_of('\\');
    ASSERT_NE(slash, std::string::npos);
    EXPECT_EQ(path, exe.substr(0, slash) + "\\Vigilon.ini");
    EXPECT_EQ(path.find('/'), std::string::npos);
}

TEST(OsVersion, ReportsTheNtFamily) {
    const auto p = platform::CreatePlatform();
    const platform::OsVersion v = p->GetOsVersion();
    // Wine answers as an NT system (for example 2, 6, 1); a failed query would be all zero.
    EXPECT_EQ(v.platformId, static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT));
    EXPECT_GE(v.major, 5u);
    OSVERSIONINFOA direct{};
    direct.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(::GetVersionExA(&direct));
    EXPECT_EQ(v.major, direct.dwMajorVersion);
    EXPECT_EQ(v.minor, direct.dwMinorVersion);
}

TEST(SingleInstance, ANameHeldElsewhereIsRefused) {
    const std::wstring name = L"VigilonTest-" + std::to_wstring(::GetCurrentProcessId()) + L"-インスタンス";
    // Another holder of the name: created behind the platform's back, as another process would.
    HANDLE other = ::CreateMutexW(nullptr, FALSE, name.c_str());
    ASSERT_NE(other, nullptr);
    const auto p = platform::CreatePlatform();
    EXPECT_FALSE(p->AcquireSingleInstance(Utf8FromWide(name)));
    ::CloseHandle(other);
    // Once the other holder is gone the name is free again.
    EXPECT_TRUE(p->AcquireSingleInstance(Utf8FromWide(name)));
}

TEST(SingleInstance, ThisProcessMayAskAgainAndKeepsTheName) {
    const std::string name = "VigilonTest-" + std::to_string(::GetCurrentProcessId()) + "-again";
    {
        const auto p = platform::CreatePlatform();
        EXPECT_TRUE(p->AcquireSingleInstance(name));
        EXPECT_TRUE(p->AcquireSingleInstance(name));  // the bar's re-creation asks again
    }
    // The name outlives the platform object: it is held as long as the process.
    const auto again = platform::CreatePlatform();
    EXPECT_TRUE(again->AcquireSingleInstance(name));
    HANDLE opened = ::OpenMutexW(SYNCHRONIZE, FALSE, WideFromUtf8(name).c_str());
    EXPECT_NE(opened, nullptr);
    if (opened)
        ::CloseHandle(opened);
}

struct Watch {
    HANDLE stop;
    std::wstring title;
};

DWORD WINAPI CloseBoxAfterTenSeconds(LPVOID param) {
    const auto* w = static_cast<const Watch*>(param);
    if (::WaitForSingleObject(w->stop, 10000) == WAIT_TIMEOUT) {
        if (HWND box = ::FindWindowW(L"#32770", w->title.c_str()))
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return 0;
}

using OkMessageBox = vigilon_test::Win32WindowTest;

TEST_F(OkMessageBox, TimersKeepTickingWhileItIsOpen) {
    platform::Platform* p = platform.get();
    const std::wstring caption = L"VigilonTest " + std::to_wstring(::GetCurrentProcessId());
    int ticks = 0;
    bool sawBox = false;
    const platform::TimerId id = p->StartTimer(20, [&] {
        ++ticks;
        if (ticks < 3)
            return;
        // Ticking inside the box's own loop: dismiss it as the OK button would.
        if (HWND box = ::FindWindowW(L"#32770", caption.c_str())) {
            sawBox = true;
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    ASSERT_NE(id, 0u);
    // Safety net: if the box never ticks, a second thread closes it after 10 s and the test fails.
    Watch watch{::CreateEventW(nullptr, TRUE, FALSE, nullptr), caption};
    HANDLE watchdog = ::CreateThread(nullptr, 0, &CloseBoxAfterTenSeconds, &watch, 0, nullptr);
    p->ShowMessageBox("タイマーは止まりません", Utf8FromWide(caption), platform::MessageIcon::Information);
    p->StopTimer(id);
    ::SetEvent(watch.stop);
    ::WaitForSingleObject(watchdog, INFINITE);
    ::CloseHandle(watchdog);
    ::CloseHandle(watch.stop);
    EXPECT_TRUE(sawBox);
    EXPECT_GE(ticks, 3);
}

}  // namespace
