// Who and what this machine is, from Linux sources: the host name, the user the program runs as,
// the distribution (os-release) with the kernel release, and UTF-8 checking of system bytes.
#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// gethostname up to its first dot; empty when it fails.
std::string QueryComputerName();
// The login name of the effective user (getpwuid), else $USER, else empty.
std::string QueryUserName();
// PRETTY_NAME of /etc/os-release (else /usr/lib/os-release, else "Linux") and the kernel release.
std::string QuerySystemDescription();

// The host name's first label: "build-7.example.org" -> "build-7".
std::string ComputerNameFromHost(std::string_view host);
// PRETTY_NAME of os-release text, its quotes and backslash escapes undone; "Linux" when absent.
std::string PrettyNameFromOsRelease(std::string_view text);

// Valid UTF-8 as it is; every byte that does not belong to a valid sequence becomes U+FFFD.
std::string ValidUtf8(std::string_view bytes);

}  // namespace platform::posix
