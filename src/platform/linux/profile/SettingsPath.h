// Where the settings file lives on Linux: beside the executable when that works, else the XDG folder.
#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// What the folder rule looks at, gathered from the process and its environment.
struct SettingsPlace {
    std::string exeFolder;  // empty when /proc/self/exe cannot be read
    bool exeFolderWritable = false;
    bool exeFolderShared = false;  // others may write there too (a world-writable folder such as /tmp)
    bool fileInExeFolder = false;  // the settings file already exists beside the executable
    std::string xdgConfigHome;     // $XDG_CONFIG_HOME, possibly empty
    std::string home;              // $HOME or the password database's home folder
    // The executable was installed (cmake --install, the package): <prefix>/bin beside
    // <prefix>/share/doc/vigilon. Its folder is shared with other programs, even when writable.
    bool installed = false;
};

// The executable's folder when it is writable or already holds the file, unless others may write
// there or the program is an installed one; otherwise $XDG_CONFIG_HOME/vigilon/ (only an absolute
// $XDG_CONFIG_HOME counts), else ~/.config/vigilon/ (only an absolute home counts). Empty when there
// is no private place: the program then runs on its defaults and cannot save, rather than read a file
// anyone could have put there.
std::string ChooseSettingsPath(std::string_view fileName, const SettingsPlace& place);

// The rule applied to this process.
std::string SettingsPathForProcess(std::string_view fileName);

}  // namespace platform::posix
