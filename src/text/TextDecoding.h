#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

class LineList;
class Files;

// Question and translation files come as Shift-JIS, UTF-8 or UTF-16; everything after the reading
// works on Shift-JIS bytes.
enum class TextEncoding { ShiftJis, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom };

// A BOM decides; without one, all-valid UTF-8 with at least one character of three or more bytes is
// UTF-8, and anything else is Shift-JIS.
TextEncoding detectEncoding(std::string_view bytes);

// The other encoding that the BOM-less `bytes` read as, with another meaning, besides the detected one;
// nothing when they read one way only, or the same both ways (ASCII).
std::optional<TextEncoding> otherReading(std::string_view bytes);

// "Shift-JIS", "UTF-8", "UTF-8 (BOM)", "UTF-16LE (BOM)", "UTF-16BE (BOM)".
std::string_view encodingName(TextEncoding encoding);

// A text that cannot become Shift-JIS, or holds a line longer than LineLimit. `line` is counted the way the line list
// cuts the text.
class TextRefused : public std::runtime_error {
public:
    TextRefused(int line, std::string reason);

    int line() const { return m_line; }
    // "<file> " when set, then "<n>行目: <reason>", as Shift-JIS.
    std::string text() const;
    // Names the file in the text; the question file itself goes unnamed.
    void setFileName(const std::string& name) { m_fileName = name; }

private:
    int m_line;
    std::string m_reason;
    std::string m_fileName;
};

// The Shift-JIS bytes of a text read in `encoding`; throws TextRefused. A NUL ends the text, as it
// does for the line list; a Shift-JIS text is returned unchanged.
std::string toShiftJis(std::string_view bytes, TextEncoding encoding);

// Reads a question or translation file into `lines` as Shift-JIS; returns the encoding it was in. A
// file larger than DrillFileLimit throws AppError.
TextEncoding loadDrillFile(LineList& lines, Files& files, const std::string& name);
