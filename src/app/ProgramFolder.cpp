#include "app/ProgramFolder.h"

#include "text/Cp932.h"

std::string ProgramFolder(const std::string& path) {
    // Walked a character at a time, so a separator is never found inside a double-byte character.
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); i += characterLength(path, i))
        if (path[i] == '/')
            end = i + 1;
    return path.substr(0, end);
}
