#include "platform/win32/EditPosition.h"

#include "text/Cp932.h"

int editPosition(std::string_view sjis, int byteOffset) {
    int position = 0;
    for (std::size_t index = 0; index < sjis.size() && static_cast<int>(index) < byteOffset; ++position) {
        bool pair = index + 1 < sjis.size() && isLeadByte(static_cast<unsigned char>(sjis[index])) &&
                    static_cast<unsigned char>(sjis[index + 1]) >= 0x40;
        index += pair ? 2 : 1;
    }
    return position;
}
