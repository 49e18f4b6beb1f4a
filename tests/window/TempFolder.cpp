#include "TempFolder.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

TempFolder::TempFolder() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qm7w-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
    std::filesystem::current_path(m_path);
}

TempFolder::~TempFolder() {
    std::filesystem::current_path(m_previous);
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(m_path / name, std::ios::binary);
    file << bytes;
}
