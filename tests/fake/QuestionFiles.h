#pragma once
#include <string>
#include <vector>

// Builders for the question files of the core tests (UTF-8 lines, as Drill::writeFile takes them).

// A whole file: a title, the base line, then the body.
inline std::vector<std::string> questionFile(const std::string& base, const std::vector<std::string>& body) {
    std::vector<std::string> lines{"Title", base};
    lines.insert(lines.end(), body.begin(), body.end());
    return lines;
}

// `count` questions of one text line, the choices "#a#b" and the answer "1".
inline std::vector<std::string> questionBlocks(int count) {
    std::vector<std::string> body;
    for (int q = 1; q <= count; ++q) {
        body.push_back("Q" + std::to_string(q) + " ___");
        body.push_back("#a#b");
        body.push_back("1");
    }
    return body;
}
