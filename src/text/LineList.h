#pragma once
#include <string>
#include <string_view>
#include <vector>

class Files;

// An ordered list of byte-string lines, indexed from 0, duplicates allowed.
class LineList {
public:
    const std::string& get(int index) const;
    void put(int index, std::string line);
    void add(std::string line);
    void insert(int index, std::string line);
    void remove(int index);
    // Removes the lines marked true, in one sweep however many there are.
    void removeMarked(const std::vector<bool>& marked);
    void exchange(int first, int second);
    int count() const { return static_cast<int>(m_lines.size()); }
    void clear() { m_lines.clear(); }

    // Cuts at CR LF, lone CR or lone LF; a NUL ends the text; a final line end adds no empty line.
    void setText(std::string_view bytes);
    // Every line followed by CR LF, the last one too.
    std::string text() const;

    void loadFromFile(Files& files, const std::string& name);
    void saveToFile(Files& files, const std::string& name) const;

    const std::vector<std::string>& lines() const { return m_lines; }

private:
    void checkIndex(int index, int limit) const;

    std::vector<std::string> m_lines;
};
