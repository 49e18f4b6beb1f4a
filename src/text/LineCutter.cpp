#include "text/LineCutter.h"

#include <algorithm>

#include "platform/Files.h"

void LineCutter::endLine(std::string_view rest) {
    // A line wholly inside one piece goes on without a copy.
    if (m_line.empty()) {
        m_take(rest.substr(0, m_keep));
    } else {
        m_line.append(rest.substr(0, m_keep - std::min(m_keep, m_line.size())));
        m_take(m_line);
        m_line.clear();
    }
    m_lineStarted = false;
}

void LineCutter::add(std::string_view piece) {
    if (m_ended)
        return;
    std::size_t nul = piece.find('\0');
    if (nul != std::string_view::npos) {
        piece = piece.substr(0, nul);
        m_ended = true;
    }
    if (m_afterCr && !piece.empty() && piece.front() == '\n')
        piece.remove_prefix(1);
    if (!piece.empty())
        m_afterCr = false;
    // Not find_first_of("\r\n"): it searches the two-byte set once for every byte of the text.
    auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    while (!piece.empty()) {
        std::size_t end = static_cast<std::size_t>(std::find_if(piece.begin(), piece.end(), isLineEnd) - piece.begin());
        if (end == piece.size()) {
            m_line.append(piece.substr(0, m_keep - std::min(m_keep, m_line.size())));
            m_lineStarted = true;
            return;
        }
        endLine(piece.substr(0, end));
        std::size_t next = end + 1;
        if (piece[end] == '\r') {
            if (next == piece.size())
                m_afterCr = true;
            else if (piece[next] == '\n')
                ++next;
        }
        piece.remove_prefix(next);
    }
}

void LineCutter::finish() {
    if (m_lineStarted)
        endLine({});
    m_ended = true;
}

void readFileLines(Files& files, const std::string& name, std::size_t keep, const LineCutter::Take& take) {
    LineCutter cutter(take, keep);
    files.readFileInPieces(name, [&](std::string_view piece) { cutter.add(piece); });
    cutter.finish();
}
