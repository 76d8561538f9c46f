// Splits one fuzzer input into the pieces a target needs: fields separated by NUL bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace fuzz {

class Fields {
public:
    Fields(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}
    // The next field; empty once the input is used up.
    std::string_view Next() {
        const std::size_t nul = rest_.find('\0');
        const std::string_view field = rest_.substr(0, nul);
        rest_.remove_prefix(nul == std::string_view::npos ? rest_.size() : nul + 1);
        return field;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

}  // namespace fuzz
