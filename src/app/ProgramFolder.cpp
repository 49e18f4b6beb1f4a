#include "app/ProgramFolder.h"

#include "platform/Cp932.h"

std::string ProgramFolder(const std::string& path) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i + 1 < path.size() && isLeadByte(static_cast<unsigned char>(path[i])) &&
            isTrailByte(static_cast<unsigned char>(path[i + 1]))) {
            ++i;
            continue;
        }
        if (path[i] == '/')
            end = i + 1;
    }
    return path.substr(0, end);
}
