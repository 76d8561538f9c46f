// Adapter list rebuilding and the adapter field texts.
#include "sysinfo/basAdpterInfo.h"

#include <algorithm>
#include <string_view>

namespace basAdpterInfo {

std::vector<AdapterInfo> AdapterList;

namespace {

struct QueryMessage {
    std::uint32_t code;
    const char* text;
};

constexpr QueryMessage kQueryMessages[] = {
    {50, "このバージョンのOSでこの機能はサポートされていません"},
    {87, "出力バッファへのアクセスが許可されていないか、パラメータが不正です"},
    {232, "このコンピュータにはアダプタ情報が存在しません"},
};

}  // namespace

void LoadAdapterInfo() {
    AdapterList.assign(1, AdapterInfo{});
    platform::AdapterQuery query = platform::System().QueryAdapters();
    if (query.sizeQueryCode == platform::kAdapterBufferOverflow) {
        // A failing read of the list itself is not reported: the zero record stays.
        if (query.listed && !query.adapters.empty())
            AdapterList = std::move(query.adapters);
        return;
    }
    for (const QueryMessage& m : kQueryMessages) {
        if (m.code == query.sizeQueryCode) {
            platform::Windows().ShowMessageBox(m.text, "Vigilon", platform::MessageIcon::Critical);
            return;
        }
    }
}

std::string FormatMacAddress(std::span<const std::uint8_t> address, std::uint32_t length) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t count = std::min<std::size_t>(length, address.size());
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += '-';
        text += kHex[address[i] >> 4];
        text += kHex[address[i] & 0x0F];
    }
    return text;
}

std::string FixedBytesToText(std::span<const char> field) {
    const std::string_view bytes(field.data(), field.size());
    return platform::System().Utf8FromSystemCodePage(bytes.substr(0, bytes.find('\0')));
}

}  // namespace basAdpterInfo
