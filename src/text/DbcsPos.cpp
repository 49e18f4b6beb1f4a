#include "text/DbcsPos.h"

#include "text/Cp932.h"

std::int32_t DbcsPos(std::string_view pattern, std::string_view text) {
    std::size_t boundary = 0; // where a character starts
    for (;;) {
        std::size_t found = text.find(pattern, boundary);
        if (found == std::string_view::npos)
            return 0;
        while (boundary < found)
            boundary += characterLength(text, boundary);
        if (boundary == found)
            return static_cast<std::int32_t>(found + 1);
    }
}
