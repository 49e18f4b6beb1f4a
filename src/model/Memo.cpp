#include "model/Memo.h"

#include <algorithm>

void Memo::setText(std::string text) {
    m_selStart = 0;
    m_selLength = 0;
    setCaption(std::move(text));
    notify();
}

void Memo::setSelStart(int start) {
    if (start >= 0)
        m_selStart = std::min(start, static_cast<int>(caption().size()));
    m_selLength = 0;
    notify();
}

void Memo::setSelLength(int length) {
    int available = static_cast<int>(caption().size()) - m_selStart;
    m_selLength = std::clamp(length, 0, std::max(available, 0));
    notify();
}

void Memo::select(int start, int length) {
    m_selStart = std::clamp(start, 0, static_cast<int>(caption().size()));
    setSelLength(length);
}

std::string Memo::selectedText() const {
    return caption().substr(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength));
}

void Memo::replaceSelection(const std::string& text) {
    std::string whole = caption();
    whole.replace(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength), text);
    int caret = m_selStart + static_cast<int>(text.size());
    setCaption(std::move(whole));
    m_selStart = caret;
    m_selLength = 0;
    notify();
}
