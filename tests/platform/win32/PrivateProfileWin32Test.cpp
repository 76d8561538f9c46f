// The Win32 side of the settings file: the system's profile functions behind platform::profile,
// with the file in the ANSI code page and paths the ANSI functions could not spell.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/PrivateProfile.h"
#include "platform/win32/TextConversion.h"
#include "support/TempDir.h"

namespace {

namespace profile = platform::profile;
namespace fs = std::filesystem;
using platform::win32::Utf8FromWide;

// A fresh folder under the temporary directory, removed with its files afterwards.
class ProfileFolder : public ::testing::Test {
protected:
    std::string Path(const std::wstring& name) const { return Utf8FromWide((folder / name).wstring()); }

    const testsupport::TempDir temp;
    const fs::path& folder = temp.path;
};

TEST_F(ProfileFolder, TheFileIsInTheAnsiCodePageAndADoubledSeparatorReachesIt) {
    const std::string path = Path(L"Vigilon.ini");
    ASSERT_TRUE(profile::WriteString(path, "Setting", "CalendarHoliday1", "1/1,休日"));
    ASSERT_TRUE(profile::WriteString(path, "Setting", "Drive", "C,D"));
    std::ifstream file(folder / L"Vigilon.ini", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (::GetACP() == 932) {
        EXPECT_NE(bytes.find("CalendarHoliday1=1/1,\x8b\x78\x93\xfa"), std::string::npos);
        EXPECT_EQ(profile::ReadString(path, "Setting", "CalendarHoliday1", "", 1024), "1/1,休日");
    } else {
        // Any other code page lacks the kanji: they are written as the code page's default character.
        EXPECT_NE(bytes.find("CalendarHoliday1=1/1,??"), std::string::npos);
    }
    const std::string doubled = Utf8FromWide(folder.wstring()) + "\\\\Vigilon.ini";  // as at a drive root
    EXPECT_EQ(profile::ReadString(doubled, "Setting", "Drive", "", 1024), "C,D");
    EXPECT_FALSE(profile::WriteString(Path(L"no-such-folder\\Vigilon.ini"), "Setting", "Trans", "1"));
}

// A save writes a complete new file beside the old one and puts it in its place, so a process killed
// halfway leaves the old file or the new one (the profile write rewrote the file in place: killed, it
// left the first few hundred bytes). Untouched lines keep every byte; what killed saves left beside the
// file is gone after the next start's first read.
TEST_F(ProfileFolder, ASaveReplacesTheFileWithACompleteCopy) {
    const std::string path = Path(L"Vigilon.ini");
    const std::string big(1 << 20, 'x');
    const std::string before = "; mine\r\n[Setting]\r\nCalendarHoliday1=" + big + "\r\n[DriveMap]\r\nD=E\r\n";
    std::ofstream(folder / L"Vigilon.ini", std::ios::binary) << before;
    const auto fileIndex = [&] {
        const HANDLE h =
            ::CreateFileW((folder / L"Vigilon.ini").c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        ::GetFileInformationByHandle(h, &info);
        ::CloseHandle(h);
        return (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    };
    const unsigned long long old = fileIndex();
    ASSERT_TRUE(profile::WriteStrings(path, "Setting", {{"Drive", "C,D"}, {"Trans", "200"}}));
    EXPECT_NE(fileIndex(), old) << "rewritten in place";
    std::ifstream file(folder / L"Vigilon.ini", std::ios::binary);
    const std::string after{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(after,
              "; mine\r\n[Setting]\r\nCalendarHoliday1=" + big + "\r\nDrive=C,D\r\nTrans=200\r\n[DriveMap]\r\nD=E\r\n");
    file.close();

    std::ofstream(folder / L"Vigilon.ini.0123abcd.new") << "half";
    std::ofstream(folder / L"Vigilon.ini.bak") << "kept";
    EXPECT_EQ(profile::ReadString(path, "Setting", "Trans", "", 64), "200");
    EXPECT_FALSE(fs::exists(folder / L"Vigilon.ini.0123abcd.new"));
    EXPECT_TRUE(fs::exists(folder / L"Vigilon.ini.bak"));
    fs::remove(folder / L"Vigilon.ini.bak");
    // Nothing else is left beside it; a refused save says why.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    std::string reason;
    EXPECT_FALSE(profile::WriteStrings(Path(L"Vigilon.ini\\x.ini"), "Setting", {{"Trans", "1"}}, &reason));
    EXPECT_FALSE(reason.empty());
}

TEST_F(ProfileFolder, AFolderTheAnsiCodePageCannotSpell) {
    // Devanagari is in neither 1252 nor 932: the ANSI path goes through the folder's short name.
    // (Wine maps names through the Unix locale, which may not spell them either.)
    const fs::path odd = folder / L"\u0939\u093F\u0928\u094D\u0926\u0940";
    std::error_code error;
    if (!fs::create_directory(odd, error) || ::GetShortPathNameW(odd.c_str(), nullptr, 0) == 0)
        GTEST_SKIP() << "the file system cannot hold this name here, or has no short names";
    const std::string path = Utf8FromWide((odd / L"Vigilon.ini").wstring());
    ASSERT_TRUE(profile::WriteString(path, "Setting", "Trans", "200"));
    EXPECT_TRUE(fs::exists(odd / L"Vigilon.ini"));
    EXPECT_EQ(profile::ReadInt(path, "Setting", "Trans", 0), 200);
}

}  // namespace
