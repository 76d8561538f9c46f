// The machine's network adapters as the system lists them, and the texts their fields show as.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace basAdpterInfo {

// One adapter: a copy of the system's record. Nothing in it points anywhere.
using AdapterInfo = platform::AdapterRecord;

// The adapters of the latest snapshot in the system's order; after LoadAdapterInfo it holds at least
// one element (a zero record when the query failed). Empty before the first snapshot.
extern std::vector<AdapterInfo> AdapterList;

// Rebuilds AdapterList. When the system has no adapters to list, or none for this program, says why
// in a message box.
void LoadAdapterInfo();

// "00-0C-29-AB-01-FF": two upper-case hex digits per byte, dash-separated. A length above the
// eight bytes of the field shows the eight.
std::string FormatMacAddress(std::span<const std::uint8_t> address, std::uint32_t length);

// The text of a fixed field in the system code page, up to its first NUL (the whole field when it
// has none).
std::string FixedBytesToText(std::span<const char> field);

}  // namespace basAdpterInfo
