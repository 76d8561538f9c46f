// The Win32 side of the settings file: the system's profile functions behind platform::profile,
// with the file in the ANSI code page and paths the ANSI functions could not spell.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/PrivateProfile.h"
#include "platform/win32/TextConversion.h"

namespace {

namespace profile = platform::profile;
using platform::win32::Utf8FromWide;
using platform::win32::WideFromUtf8;

// A fresh folder under the temporary directory, removed with its files afterwards.
class ProfileFolder : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + L"vigilon-profile-" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(folder.c_str(), nullptr);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(folder), ec);
    }
    std::string Path(const std::wstring& name) const { return Utf8FromWide(folder + L"\\" + name); }
    std::string RawBytes(const std::string& path) const {
        HANDLE h = ::CreateFileW(WideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return {};
        char buffer[4096];
        DWORD n = 0;
        ::ReadFile(h, buffer, sizeof buffer, &n, nullptr);
        ::CloseHandle(h);
        return std::string(buffer, n);
    }

    std::wstring folder;
};

TEST_F(ProfileFolder, DoubledSeparatorReachesTheSameFile) {
    const std::string path = Path(L"Vigilon.ini");
    ASSERT_TRUE(profile::WriteString(path, "Setting", "Drive", "C,D"));
    const std::string doubled = Utf8FromWide(folder) + "\\\\Vigilon.ini";
    EXPECT_EQ(profile::ReadString(doubled, "Setting", "Drive", "", 1024), "C,D");
    EXPECT_EQ(profile::ReadInt(doubled, "setting", "DRIVE", 7), 0);  // not a number
    EXPECT_EQ(profile::ReadInt(doubled, "Setting", "Missing", 7), 7);
}

TEST_F(ProfileFolder, TheFileIsInTheAnsiCodePage) {
    const std::string path = Path(L"Vigilon.ini");
    ASSERT_TRUE(profile::WriteString(path, "Setting", "CalendarHoliday1", "1/1,休日"));
    const std::string bytes = RawBytes(path);
    EXPECT_NE(bytes.find("[Setting]"), std::string::npos);
    if (::GetACP() == 932) {
        EXPECT_NE(bytes.find("CalendarHoliday1=1/1,\x8b\x78\x93\xfa"), std::string::npos);
        EXPECT_EQ(profile::ReadString(path, "Setting", "CalendarHoliday1", "", 1024), "1/1,休日");
    } else {
        // Any other code page lacks the kanji: they are written as the code page's default character.
        EXPECT_NE(bytes.find("CalendarHoliday1=1/1,??"), std::string::npos);
    }
}

TEST_F(ProfileFolder, AFolderTheAnsiCodePageCannotSpell) {
    // Devanagari is in neither 1252 nor 932: the ANSI path goes through the folder's short name.
    const std::wstring odd = folder + L"\\\u0939\u093F\u0928\u094D\u0926\u0940";
    // (Wine maps names through the Unix locale, which may not spell them either.)
    if (!::CreateDirectoryW(odd.c_str(), nullptr))
        GTEST_SKIP() << "the file system cannot hold this name here";
    const std::string path = Utf8FromWide(odd + L"\\Vigilon.ini");
    if (::GetShortPathNameW(odd.c_str(), nullptr, 0) == 0)
        GTEST_SKIP() << "no short names on this volume";
    ASSERT_TRUE(profile::WriteString(path, "Setting", "Trans", "200"));
    EXPECT_NE(::GetFileAttributesW((odd + L"\\Vigilon.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(profile::ReadInt(path, "Setting", "Trans", 0), 200);
}

TEST_F(ProfileFolder, AMissingFolderFailsTheWrite) {
    EXPECT_FALSE(profile::WriteString(Path(L"no-such-folder\\Vigilon.ini"), "Setting", "Trans", "1"));
}

}  // namespace
