#include "questions/DbcsPos.h"

#include "platform/Cp932.h"

namespace {

// 1-based position of a plain byte search, 0 when absent.
std::size_t plainPos(std::string_view pattern, std::string_view text) {
    std::size_t found = text.find(pattern);
    return found == std::string_view::npos ? 0 : found + 1;
}

unsigned char byteAt(std::string_view text, std::size_t position) { // 1-based
    return static_cast<unsigned char>(text[position - 1]);
}

} // namespace

std::int32_t DbcsPos(std::string_view pattern, std::string_view text) {
    std::size_t p = plainPos(pattern, text);
    if (p <= 1)
        return static_cast<std::int32_t>(p);
    // The first test takes every byte from 0x81 up as a lead byte.
    if ((p >= 3 && isLeadByte(byteAt(text, p - 2))) || byteAt(text, p - 1) < 0x81)
        return static_cast<std::int32_t>(p);

    std::size_t total = p;
    std::string_view rest = text.substr(p);
    for (;;) {
        std::size_t q = plainPos(pattern, rest);
        if (q == 0)
            return 0;
        bool accepted = q == 1 || (q >= 3 && isLeadByte(byteAt(rest, q - 2))) || !isLeadByte(byteAt(rest, q - 1));
        total += q;
        if (accepted)
            return static_cast<std::int32_t>(total);
        rest.remove_prefix(q);
    }
}
