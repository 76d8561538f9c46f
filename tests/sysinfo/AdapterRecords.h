// Adapter records for the tests, as the system would fill them.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace testsupport {

template <std::size_t N>
void Put(std::array<char, N>& field, std::string_view text) {
    std::copy_n(text.begin(), std::min(text.size(), N - 1), field.begin());
}

inline platform::AdapterRecord Adapter(std::string_view description,
                                       std::vector<std::uint8_t> mac,
                                       std::string_view ip = "0.0.0.0",
                                       std::string_view mask = "0.0.0.0",
                                       std::string_view gateway = "0.0.0.0") {
    platform::AdapterRecord r;
    Put(r.description, description);
    r.addressLength = static_cast<std::uint32_t>(mac.size());
    std::copy(mac.begin(), mac.end(), r.address.begin());
    Put(r.ipAddress, ip);
    Put(r.ipMask, mask);
    Put(r.gateway, gateway);
    return r;
}

inline platform::AdapterQuery Listed(std::vector<platform::AdapterRecord> adapters) {
    return {platform::kAdapterBufferOverflow, true, std::move(adapters)};
}

}  // namespace testsupport
