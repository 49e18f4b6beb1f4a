#include "app/ProgramFolder.h"

std::string ProgramFolder(const std::string& path) {
    return path.substr(0, path.rfind('/') + 1);
}
