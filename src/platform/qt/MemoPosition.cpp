#include "platform/qt/MemoPosition.h"

#include "text/Cp932.h"

namespace {

// Bytes making up the character at `index` as the text widget counts them: one line break of CR LF.
std::size_t memoCharacterLength(std::string_view text, std::size_t index) {
    if (index + 1 < text.size() && text[index] == '\r' && text[index + 1] == '\n')
        return 2;
    return characterLength(text, index);
}

} // namespace

int memoCharPosition(std::string_view sjis, int byteOffset) {
    int position = 0;
    for (std::size_t index = 0; index < sjis.size() && static_cast<int>(index) < byteOffset; ++position)
        index += memoCharacterLength(sjis, index);
    return position;
}
