// The system-information tool's registry look-ups against the real registry: the keys are written
// under a test key of HKEY_CURRENT_USER that stands in for HKEY_LOCAL_MACHINE, and removed after.
#include "platform/win32/SysInfoTool.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::win32::FindSysInfoTool;
using platform::win32::GetKeyValue;

const std::wstring kFirst = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::wstring kSecond = L"SOFTWARE\\Microsoft\\Shared Tools Location";

// RegDeleteTree is newer than XP, the oldest Windows the program builds for.
void DeleteTree(HKEY parent, const std::wstring& name) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(parent, name.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    wchar_t child[256];
    for (DWORD size = 256; ::RegEnumKeyExW(key, 0, child, &size, nullptr, nullptr, nullptr, nullptr) == 0; size = 256)
        DeleteTree(key, child);
    ::RegCloseKey(key);
    ::RegDeleteKeyW(parent, name.c_str());
}

class SysInfoToolTest : public ::testing::Test {
protected:
    SysInfoToolTest() {
        base = L"Software\\VigilonTests\\" + std::to_wstring(::GetCurrentProcessId());
        ::RegCreateKeyExW(HKEY_CURRENT_USER, base.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr);
    }
    ~SysInfoToolTest() override {
        ::RegCloseKey(root);
        DeleteTree(HKEY_CURRENT_USER, base);
    }
    // Writes a value of this type with exactly these bytes.
    void Put(const std::wstring& key, const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
        HKEY k = nullptr;
        ASSERT_EQ(::RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
        ASSERT_EQ(::RegSetValueExW(k, name, 0, type, static_cast<const BYTE*>(data), bytes), 0);
        ::RegCloseKey(k);
    }
    void PutText(const std::wstring& key, const wchar_t* name, const std::wstring& text, bool withNul = true) {
        Put(key, name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + (withNul ? 1 : 0)) * sizeof(wchar_t)));
    }
    // A folder holding MSINFO32.EXE, or not.
    std::wstring Folder(bool withTool) {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        std::wstring folder = std::wstring(temp) + L"vigilon-msinfo-" + std::to_wstring(::GetCurrentProcessId()) +
                              (withTool ? L"-with" : L"-without");
        ::CreateDirectoryW(folder.c_str(), nullptr);
        if (withTool) {
            HANDLE f = ::CreateFileW((folder + L"\\MSINFO32.EXE").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0,
                                     nullptr);
            ::CloseHandle(f);
        }
        return folder;
    }

    std::wstring base;
    HKEY root = nullptr;
};

TEST_F(SysInfoToolTest, KeyValuesAsTextWithAndWithoutTheirNulDwordsInHexOtherTypesUntouched) {
    PutText(L"k", L"withNul", L"C:\\Tools\\msinfo32.exe");
    PutText(L"k", L"withoutNul", L"abc", false);
    const DWORD number = 0x1A2B;
    Put(L"k", L"dword", REG_DWORD, &number, sizeof number);
    Put(L"k", L"binary", REG_BINARY, "xy", 2);
    PutText(L"k", L"empty", L"");
    PutText(L"k", L"long", std::wstring(1024, L'x'));  // 1025 characters with its NUL
    const struct {
        const wchar_t* key;
        const wchar_t* value;
        bool found;
        std::wstring text;
    } cases[] = {
        // clang-format off
        {L"k", L"withNul", true, L"C:\\Tools\\msinfo32.exe"}, {L"k", L"withoutNul", true, L"abc"},
        {L"k", L"dword", true, L"&h1A2B"}, {L"k", L"binary", true, L"as passed"}, {L"k", L"empty", true, L""},
        {L"k", L"long", false, L""}, {L"k", L"missing", false, L""}, {L"no such key", L"withNul", false, L""},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::wstring text = L"as passed";
        EXPECT_EQ(GetKeyValue(root, c.key, c.value, text), c.found) << c.value;
        EXPECT_EQ(text, c.text) << c.value;
    }
}

TEST_F(SysInfoToolTest, PathUnderTheFirstKeyElseTheToolInTheSecondKeysFolder) {
    EXPECT_EQ(FindSysInfoTool(root), std::nullopt);  // both keys missing

    const std::wstring without = Folder(false);
    PutText(kSecond, L"MSINFO", without);
    EXPECT_EQ(FindSysInfoTool(root), std::nullopt);  // the folder lacks the tool

    const std::wstring with = Folder(true);
    PutText(kSecond, L"MSINFO", with);
    EXPECT_EQ(FindSysInfoTool(root), with + L"\\MSINFO32.EXE");

    // The first key wins without the second being looked at, and its path is taken as it is.
    PutText(kFirst, L"PATH", L"\"C:\\Program Files\\Tools\\msinfo32.exe\"");
    EXPECT_EQ(FindSysInfoTool(root), L"C:\\Program Files\\Tools\\msinfo32.exe");

    ::DeleteFileW((with + L"\\MSINFO32.EXE").c_str());
    ::RemoveDirectoryW(with.c_str());
    ::RemoveDirectoryW(without.c_str());
}

TEST(StartProgram, StartsARealProgramAndFailsForAMissingOne) {
    wchar_t system[MAX_PATH];
    ::GetSystemDirectoryW(system, MAX_PATH);
    // A console program that ends at once on its own.
    EXPECT_TRUE(platform::win32::RunCommandLine(nullptr, std::wstring(system) + L"\\cmd.exe /c exit 0", SW_HIDE));
    EXPECT_FALSE(platform::win32::StartProgramAt(L"C:\\no\\such\\tool.exe", SW_SHOWNORMAL));
    EXPECT_FALSE(platform::win32::StartProgramAt(L"", SW_SHOWNORMAL));
}

}  // namespace
