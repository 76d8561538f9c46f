// Other programs on Linux: finding one on PATH, starting it detached from Vigilon, and where the
// README is kept beside an installed or built executable.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::posix {

// The first of names found as an executable file in the folders of pathVariable (a $PATH value),
// names taking turns in the order given (every folder for the first name, then the second).
// Empty and relative entries are skipped: the current folder is no place to find a tool. So are folders
// and files that another user owns or that group or others may write: a program planted there is
// never run.
std::optional<std::string> FindOnPath(std::string_view pathVariable, std::initializer_list<std::string_view> names);

// Starts argv[0] with these arguments in a new session, so it outlives Vigilon and leaves no zombie.
// False when the program could not be executed.
bool StartDetached(const std::vector<std::string>& argv);

// The README of the program whose executable is in exeFolder: the installed one
// (<prefix>/share/doc/vigilon/README.md), else one beside the executable, else the source tree's
// (the executable two folders down in build/<preset>/). Empty when none exists.
std::string ReadmeFor(const std::string& exeFolder);

}  // namespace platform::posix
