#include "platform/qt/MemoPosition.h"

#include "platform/Cp932.h"

namespace {

// Bytes making up the character at `index`, as the CP932 decoder takes them: a lead byte joins a
// following byte of 0x40 or more; the text widget makes one line break of CR LF.
std::size_t characterLength(std::string_view text, std::size_t index) {
    if (index + 1 >= text.size())
        return 1;
    auto byte = static_cast<unsigned char>(text[index]);
    auto next = static_cast<unsigned char>(text[index + 1]);
    if (isLeadByte(byte) && next >= 0x40)
        return 2;
    if (byte == '\r' && next == '\n')
        return 2;
    return 1;
}

} // namespace

int memoCharPosition(std::string_view sjis, int byteOffset) {
    int position = 0;
    for (std::size_t index = 0; index < sjis.size() && static_cast<int>(index) < byteOffset; ++position)
        index += characterLength(sjis, index);
    return position;
}
