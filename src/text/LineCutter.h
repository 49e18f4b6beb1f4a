#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class Files;

// Cuts a text that arrives in pieces into lines by the line list's rule: CR LF, a lone CR or a lone LF
// ends a line, a NUL ends the text, and a line end at the very end adds no empty line. Each line is
// handed on as soon as it ends, so a text of any length costs no more than its longest kept line.
class LineCutter {
public:
    using Take = std::function<void(std::string_view line)>;

    // Lines longer than `keep` bytes are handed on cut to their first `keep` bytes.
    LineCutter(Take take, std::size_t keep = std::string::npos) : m_take(std::move(take)), m_keep(keep) {}

    void add(std::string_view piece);
    // Hands on the last line when the text did not end with a line end.
    void finish();

private:
    void endLine(std::string_view rest);

    Take m_take;
    std::size_t m_keep;
    std::string m_line;         // the start of a line that a piece boundary cut
    bool m_lineStarted = false; // bytes of the current line have arrived, maybe cut away by `keep`
    bool m_afterCr = false;     // an LF right here belongs to the CR before it
    bool m_ended = false;       // a NUL was met
};

// Reads a file line by line, a piece at a time, each line cut to `keep` bytes: a file of any length
// costs little memory. Throws as reading the file does.
void readFileLines(Files& files, const std::string& name, std::size_t keep, const LineCutter::Take& take);
