#include "text/LineList.h"

#include <utility>

#include "platform/AppError.h"
#include "platform/Files.h"
#include "text/Cp932.h"
#include "text/LineCutter.h"

void LineList::checkIndex(int index, int limit) const {
    if (index < 0 || index >= limit)
        throw AppError(sjis("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています"));
}

const std::string& LineList::get(int index) const {
    checkIndex(index, count());
    return m_lines[static_cast<std::size_t>(index)];
}

void LineList::put(int index, std::string line) {
    checkIndex(index, count());
    m_lines[static_cast<std::size_t>(index)] = std::move(line);
}

void LineList::add(std::string line) {
    m_lines.push_back(std::move(line));
}

void LineList::insert(int index, std::string line) {
    checkIndex(index, count() + 1);
    m_lines.insert(m_lines.begin() + index, std::move(line));
}

void LineList::remove(int index) {
    checkIndex(index, count());
    m_lines.erase(m_lines.begin() + index);
}

void LineList::removeMarked(const std::vector<bool>& marked) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (i < marked.size() && marked[i])
            continue;
        if (kept != i)
            m_lines[kept] = std::move(m_lines[i]);
        ++kept;
    }
    m_lines.resize(kept);
}

void LineList::exchange(int first, int second) {
    checkIndex(first, count());
    checkIndex(second, count());
    std::swap(m_lines[static_cast<std::size_t>(first)], m_lines[static_cast<std::size_t>(second)]);
}

void LineList::setText(std::string_view bytes) {
    m_lines.clear();
    LineCutter cutter([this](std::string_view line) { m_lines.emplace_back(line); });
    cutter.add(bytes);
    cutter.finish();
}

std::string LineList::text() const {
    std::string bytes;
    for (const std::string& line : m_lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

void LineList::loadFromFile(Files& files, const std::string& name) {
    setText(files.readFile(name, std::string::npos));
}

void LineList::saveToFile(Files& files, const std::string& name) const {
    files.replaceFile(name, text());
}
