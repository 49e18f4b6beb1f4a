#pragma once
#include "model/Control.h"

// The read-only question text box Toi. Its text is the caption; the selection is in byte offsets.
class Memo : public Control {
public:
    using Control::Control;

    int selStart() const { return m_selStart; }
    int selLength() const { return m_selLength; }

    // A start outside the text removes the selection and leaves the caret where it was.
    void setSelStart(int start);
    // Cut to the end of the text.
    void setSelLength(int length);
    void select(int start, int length);
    std::string selectedText() const;
    // Replaces the selection; the caret then stands after the new text, nothing selected.
    void replaceSelection(const std::string& text);
    void setText(std::string text);

private:
    int m_selStart = 0;
    int m_selLength = 0;
};
