// Greedy line breaking by measured width, one UTF-8 character at a time.
#include "platform/linux/draw/TextWrap.h"

namespace platform::x11 {

namespace {

std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t n = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    while (n > 1 && at + n > text.size())
        --n;
    return n;
}

void WrapParagraph(std::string_view paragraph,
                   int maxWidth,
                   const std::function<int(std::string_view)>& widthOf,
                   std::string& out) {
    std::string line;
    std::size_t i = 0;
    while (i < paragraph.size()) {
        const std::size_t n = CharacterLength(paragraph, i);
        const std::string candidate = line + std::string(paragraph.substr(i, n));
        if (line.empty() || widthOf(candidate) <= maxWidth) {
            line = candidate;
            i += n;
            continue;
        }
        const std::size_t blank = line.rfind(' ');
        if (blank != std::string::npos && blank > 0) {
            out.append(line, 0, blank).append("\n");
            line.erase(0, blank + 1);
        } else {
            out.append(line).append("\n");
            line.clear();
        }
    }
    out.append(line);
}

}  // namespace

std::string WrapToWidth(std::string_view text, int maxWidth, const std::function<int(std::string_view)>& widthOf) {
    std::string out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        WrapParagraph(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start),
                      maxWidth, widthOf, out);
        if (end == std::string_view::npos)
            break;
        out.push_back('\n');
        start = end + 1;
    }
    return out;
}

}  // namespace platform::x11
