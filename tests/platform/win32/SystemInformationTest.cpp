// The Win32 system-information calls against the real API: adapter records as GetAdaptersInfo lists
// them, registry values in the 32-bit view, the version record and names; and the popup's window
// calls (size, rounded region, no activation).
#include "platform/win32/SystemInformation.h"

#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "Win32TestSupport.h"
#include "platform/win32/TextConversion.h"

namespace {

using namespace platform::win32;

TEST(Win32Adapters, TheRecordsGetAdaptersInfoLists) {
    const platform::AdapterQuery q = QueryAdapters();
    ULONG size = 0;
    const DWORD code = ::GetAdaptersInfo(nullptr, &size);
    EXPECT_EQ(q.sizeQueryCode, code);
    if (code != ERROR_BUFFER_OVERFLOW)
        GTEST_SKIP() << "no adapters to list here (" << code << ")";
    ASSERT_TRUE(q.listed);
    std::vector<IP_ADAPTER_INFO> buffer(size / sizeof(IP_ADAPTER_INFO) + 1);
    ASSERT_EQ(::GetAdaptersInfo(buffer.data(), &size), static_cast<DWORD>(NO_ERROR));
    std::size_t k = 0;
    for (const IP_ADAPTER_INFO* a = buffer.data(); a; a = a->Next, ++k) {
        ASSERT_LT(k, q.adapters.size());
        const platform::AdapterRecord& r = q.adapters[k];
        EXPECT_STREQ(r.description.data(), a->Description);
        EXPECT_EQ(r.addressLength, a->AddressLength);
        EXPECT_EQ(std::memcmp(r.address.data(), a->Address, 8), 0);
        EXPECT_STREQ(r.ipAddress.data(), a->IpAddressList.IpAddress.String);
        EXPECT_STREQ(r.ipMask.data(), a->IpAddressList.IpMask.String);
        EXPECT_STREQ(r.gateway.data(), a->GatewayList.IpAddress.String);
    }
    EXPECT_EQ(k, q.adapters.size());
}

// A key of this test in the registry's 32-bit view, removed afterwards. A 64-bit process writes that
// view's storage under Wow6432Node, so reading it back by the plain path proves the view.
class Win32Registry : public ::testing::Test {
protected:
    const std::string name = "SOFTWARE\\VigilonTest-" + std::to_string(::GetCurrentProcessId());
#if defined(_WIN64)
    const std::string stored = "SOFTWARE\\Wow6432Node\\VigilonTest-" + std::to_string(::GetCurrentProcessId());
#else
    const std::string stored = name;
#endif
    HKEY key = nullptr;

    void SetUp() override {
        if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, stored.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr) != ERROR_SUCCESS)
            GTEST_SKIP() << "HKEY_LOCAL_MACHINE is not writable here";
    }
    void TearDown() override {
        if (key) {
            ::RegCloseKey(key);
            ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, stored.c_str());
        }
    }
    void Set(const char* value, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(::RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
};

TEST_F(Win32Registry, ValuesOfThe32BitView) {
    const char engine[] = "4.4.00\0junk";
    Set("szEngineVer", REG_SZ, engine, sizeof engine);
    const std::string longText(1000, 'v');                                               // longer than any fixed buffer
    Set("szDatVersion", REG_SZ, longText.c_str(), static_cast<DWORD>(longText.size()));  // no NUL stored
    const DWORD number = 0x12345678;
    Set("Number", REG_DWORD, &number, sizeof number);
    Set("Binary", REG_BINARY, "\x01\x02", 2);

    EXPECT_EQ(ReadRegistryString(name, "szEngineVer"), "4.4.00");
    EXPECT_EQ(ReadRegistryString(name, "szDatVersion"), longText);
    EXPECT_EQ(ReadRegistryDword(name, "Number"), number);
    EXPECT_EQ(ReadRegistryString(name, "Number"), std::nullopt);
    EXPECT_EQ(ReadRegistryString(name, "Binary"), std::nullopt);
    EXPECT_EQ(ReadRegistryDword(name, "szEngineVer"), std::nullopt);
    EXPECT_EQ(ReadRegistryString(name, "missing"), std::nullopt);
    EXPECT_EQ(ReadRegistryString(name + "\\missing", "szEngineVer"), std::nullopt);
}

TEST(Win32Identity, NamesAndVersionRecordAsTheSystemGivesThem) {
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    ASSERT_TRUE(::GetComputerNameA(computer, &size));
    EXPECT_EQ(QueryComputerName(), computer);
    EXPECT_FALSE(QueryUserName().empty());

    const platform::VersionRecord v = QueryVersionRecord();
    OSVERSIONINFOEXA direct{};
    direct.dwOSVersionInfoSize = sizeof direct;
    ASSERT_TRUE(::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&direct)));
    EXPECT_EQ(std::tie(v.ok, v.extended, v.platformId), std::tuple(true, true, direct.dwPlatformId));
    if (direct.dwMajorVersion < 6) {
        EXPECT_EQ(std::tie(v.major, v.build, v.servicePack, v.productType, v.suiteMask),
                  std::tuple(direct.dwMajorVersion, direct.dwBuildNumber, std::string(direct.szCSDVersion),
                             direct.wProductType, direct.wSuiteMask));
        return;
    }
    // Vista and later: the true version, which a program without a manifest is not told otherwise.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOEXW truth{};
    truth.dwOSVersionInfoSize = sizeof truth;
    ASSERT_EQ(rtlGetVersion(&truth), 0);
    EXPECT_EQ(std::tie(v.major, v.minor, v.build, v.productType, v.servicePack),
              std::tuple(truth.dwMajorVersion, truth.dwMinorVersion, truth.dwBuildNumber, truth.wProductType,
                         Utf8FromWide(truth.szCSDVersion)));
}

using PopupWindowTest = vigilon_test::Win32WindowTest;

TEST_F(PopupWindowTest, SizedRoundedAndNeverActivated) {
    const platform::WindowHandle w = Open(platform::WindowFrame::None, 344, 410, listener);
    HWND hwnd = Hwnd(w);
    platform->Windows().ResizeWindow(w, 344, 230);
    platform->Windows().SetRoundedRegion(w, {0, 0, 344, 230}, 15, 15);
    platform->Windows().SetNoActivate(w);
    platform->Windows().SetTopMost(w);
    platform->Windows().SetVisible(w, true);
    vigilon_test::PumpUntil([] { return false; }, 100);

    RECT outer{};
    ::GetWindowRect(hwnd, &outer);
    EXPECT_EQ(std::pair(outer.right - outer.left, outer.bottom - outer.top), std::pair(344L, 230L));
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(hwnd, region), COMPLEXREGION);
    // The corners are cut, the edge beside one is not.
    const auto in = [&](int x, int y) { return ::PtInRegion(region, x, y) != 0; };
    EXPECT_EQ(std::tuple(in(0, 0), in(7, 0), in(172, 115), in(343, 229)), std::tuple(false, true, true, false));
    ::DeleteObject(region);

    EXPECT_NE(::GetActiveWindow(), hwnd);
    EXPECT_TRUE(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(
        ::SendMessageW(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
        MA_NOACTIVATE);
}

}  // namespace
