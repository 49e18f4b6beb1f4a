#include "DrillGenerator.h"

#include <algorithm>
#include <vector>

#include "fake/FakePlatform.h"
#include "model/TMn1.h"
#include "run/Presentation.h"
#include "text/Cp932.h"

namespace {

using Lines = std::vector<std::string>;

// Pieces of question text. None begins a line as a directive or a choices line would.
const std::vector<std::string>& textPieces() {
    static const std::vector<std::string> pieces = {
        "I",
        "am",
        "to school",
        "(two answers)",
        "/",
        "/x",
        "-",
        sjis("日本語"),
        sjis("ダ"),     // 0x83 0x5F: the second byte is "_"
        sjis("ソ"),     // 0x83 0x5C: the second byte is a backslash
        "\xB1\xB2\xB3", // half-width katakana
    };
    return pieces;
}

const std::vector<std::string>& choicePieces() {
    static const std::vector<std::string> pieces = {
        "", "am", "is", "are", "go_on", "a b", "0", sjis("です"), sjis("学校"), "\xB1\xB2", sjis("ダ"),
    };
    return pieces;
}

class DrillWriter {
public:
    DrillWriter(FuzzedDataProvider& input, FakePlatform& platform, char tag, std::set<std::string>& expectedErrors)
        : m_input(input), m_platform(platform), m_tag(tag), m_expectedErrors(expectedErrors) {}

    GeneratedDrill write(bool mayBreak);

private:
    int between(int low, int high) { return m_input.ConsumeIntegralInRange(low, high); }
    // Rare things stay off once the input is used up.
    bool oneIn(int n) { return m_input.ConsumeIntegralInRange(0, n - 1) == n - 1; }
    const std::string& pick(const std::vector<std::string>& from) {
        return from[m_input.ConsumeIntegralInRange<std::size_t>(0, from.size() - 1)];
    }
    std::string named(const std::string& stem) const { return std::string(1, m_tag) + stem; }

    Lines question();
    std::string choicesLine(int count);
    std::string answerLine(int choices, int blanks);
    std::string directive();
    void writeMedia(int questions);
    void writeTranslation(const std::string& name, int questions, bool mayFail);
    void breakLines(Lines& lines);
    std::string joinLines(const Lines& lines);

    FuzzedDataProvider& m_input;
    FakePlatform& m_platform;
    char m_tag;
    std::set<std::string>& m_expectedErrors;
    std::vector<std::string> m_bases; // every prefix of pictures and sounds the drill may use
    bool m_mustStart = true;
};

Lines DrillWriter::question() {
    int choices = between(2, 17);
    int blanks = between(1, 3);
    Lines text(static_cast<std::size_t>(between(1, 3)));
    for (int b = 0; b < blanks; ++b) {
        std::string& line = text[static_cast<std::size_t>(between(0, static_cast<int>(text.size()) - 1))];
        line += pick(textPieces()) + " ";
        // Mostly short blanks; a blank over 50 bytes is asked in two parts.
        int length = oneIn(8) ? between(50, 60) : between(1, 4);
        line += std::string(static_cast<std::size_t>(length), '_') + " ";
    }
    for (std::string& line : text)
        line += pick(textPieces());
    text.push_back(choicesLine(choices));
    text.push_back(answerLine(choices, blanks));
    return text;
}

std::string DrillWriter::choicesLine(int count) {
    std::string line;
    for (int k = 1; k <= count; ++k) {
        std::string choice = pick(choicePieces());
        // A separator right after a byte from 0x81 up may be passed over; an ASCII end keeps the count.
        if (k < count && !choice.empty() && static_cast<unsigned char>(choice.back()) >= 0x80)
            choice += "x";
        if (k == count && oneIn(16))
            choice = std::string(static_cast<std::size_t>(between(250, 300)), 'z');
        line += "#" + choice;
    }
    return line;
}

std::string DrillWriter::answerLine(int choices, int blanks) {
    std::string line;
    for (int b = 0; b < blanks; ++b) {
        if (b > 0) {
            // Any byte separates two labels but these: a line end or a NUL would cut the line, and a
            // lead byte would make the label the second byte of a character.
            int separator = oneIn(4) ? between(1, 255) : ' ';
            bool cuts = separator == '\r' || separator == '\n' || isLeadByte(static_cast<unsigned char>(separator));
            line += cuts ? ' ' : static_cast<char>(separator);
        }
        line += choiceLabel(between(1, choices));
    }
    return line + std::string(static_cast<std::size_t>(between(0, 2)), ' ');
}

std::string DrillWriter::directive() {
    switch (between(0, 7)) {
    case 0:
        return "//comment";
    case 1:
        return "/N";
    case 2:
        return "/R";
    case 3:
        return "/S" + pick({"", "a", "abc", sjis("時間")});
    case 4:
        return "/T" + (oneIn(8) ? std::string(300, 't') : sjis("空所に入る語を選べ"));
    case 5: {
        std::string base = oneIn(4) ? named(" g") : named("g");
        m_bases.push_back(base);
        return "/G" + base;
    }
    case 6: {
        std::string base = named("v");
        m_bases.push_back(base);
        return "/V" + base;
    }
    default: {
        bool present = !oneIn(3);
        std::string name = named(present ? "y.txt" : "missing.txt");
        if (present)
            writeTranslation(name, 6, false);
        return "/Y" + name;
    }
    }
}

void DrillWriter::writeMedia(int questions) {
    for (const std::string& base : m_bases) {
        for (int q = 1; q <= questions; ++q) {
            auto media = m_input.ConsumeIntegral<std::uint8_t>();
            std::string stem = base + TwoDigitNumber(q);
            if (media & 1) {
                m_platform.files[stem + ".bmp"] = "BM";
                // A file of that name that does not read as a picture is shown as no picture.
                if (media & 2)
                    m_platform.pictures[stem + ".bmp"] = PictureSize{between(1, 400), between(1, 300)};
            }
            if (media & 4) {
                m_platform.files[stem + ".wav"] = "RIFF";
                if (media & 8) {
                    m_platform.player.unplayable.insert(stem + ".wav");
                    m_expectedErrors.insert("cannot open " + stem + ".wav.");
                }
            }
        }
    }
}

void DrillWriter::writeTranslation(const std::string& name, int questions, bool mayFail) {
    Lines lines;
    // Short files are accepted: a question without its line shows an empty one.
    for (int i = between(0, questions + 2); i > 0; --i)
        lines.push_back(sjis("訳") + std::to_string(i));
    m_platform.files[name] = joinLines(lines);
    if (mayFail && oneIn(8)) {
        m_platform.unreadable.insert(name);
        m_expectedErrors.insert(sjis("ﾌｧｲﾙ ") + name + sjis(" は開けません."));
        m_mustStart = false;
    }
}

// Departures from the format: each either gets a clear message or is run as the core chooses.
void DrillWriter::breakLines(Lines& lines) {
    auto at = [&] { return static_cast<std::size_t>(between(0, static_cast<int>(lines.size()))); };
    switch (between(0, 11)) {
    case 0:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), "");
        break;
    case 1:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), "/#a#b");
        break;
    case 2:
        if (!lines.empty())
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at() % lines.size()));
        break;
    case 3:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), pick({"Z", "0", "H", "1 9", " ", "#"}));
        break;
    case 4:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), "#a#b#c#d#e#f#g#h#i#j#k#l#m#n#o#p#q#r");
        break;
    case 5:
        lines.resize(std::min<std::size_t>(lines.size(), static_cast<std::size_t>(between(0, 2))));
        break;
    case 6:
        for (std::string& line : lines)
            if (!line.empty() && line[0] == '#')
                line[0] = '+';
        break;
    case 7:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), "#\xB1#b#\xB2#");
        break;
    case 8:
        for (int q = 0; q < 130; ++q)
            lines.insert(lines.end(), {"q _", "#a#b", "1"});
        break;
    case 9:
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at()), m_input.ConsumeBytesAsString(between(0, 40)));
        break;
    case 10:
        if (!lines.empty())
            lines[at() % lines.size()].insert(0, "#");
        break;
    default:
        if (!lines.empty())
            lines[at() % lines.size()] += pick({"\r", "\n\r", std::string(1, '\0')});
        break;
    }
}

std::string DrillWriter::joinLines(const Lines& lines) {
    // Mostly CR LF; a lone LF or CR ends a line just as well.
    bool mixed = oneIn(4);
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bytes += lines[i];
        if (i + 1 < lines.size() || !oneIn(4)) {
            std::string end = mixed ? pick({"\r\n", "\n", "\r"}) : "\r\n";
            // A lone CR before an empty line would join the two line ends into one.
            bool emptyNext = i + 1 < lines.size() && lines[i + 1].empty();
            bytes += end == "\r" && emptyNext ? "\r\n" : end;
        }
    }
    return bytes;
}

GeneratedDrill DrillWriter::write(bool mayBreak) {
    std::string base =
        pick({m_tag == 'a' ? std::string() : named("0"), named("1"), named("#") + m_tag, sjis("単語") + m_tag});
    m_bases.push_back(base);
    Lines body;
    int questions = between(1, 6);
    for (int q = 0; q < questions; ++q) {
        Lines lines = question();
        body.insert(body.end(), lines.begin(), lines.end());
    }
    for (int d = between(0, 4); d > 0; --d) {
        auto place = static_cast<std::ptrdiff_t>(between(0, static_cast<int>(body.size())));
        body.insert(body.begin() + place, directive());
    }
    body.resize(body.size() + static_cast<std::size_t>(oneIn(4) ? between(1, 2) : 0));

    Lines lines{pick({"Verbs 1", sjis("動詞"), "", "#title", "/Ttitle"}), base};
    lines.insert(lines.end(), body.begin(), body.end());
    bool broken = mayBreak && oneIn(3);
    if (broken)
        for (int m = between(1, 2); m > 0; --m)
            breakLines(lines);

    writeMedia(questions);
    if (!oneIn(3))
        writeTranslation(base + "jp.txt", questions, m_tag != 'a');
    GeneratedDrill drill{m_tag == 'a' ? "a.m7" : "b.txt", !broken && m_mustStart};
    m_platform.files[drill.name] = joinLines(lines);
    return drill;
}

} // namespace

GeneratedDrill GenerateDrill(FuzzedDataProvider& input, FakePlatform& platform, char tag, bool mayBreak,
                             std::set<std::string>& expectedErrors) {
    return DrillWriter(input, platform, tag, expectedErrors).write(mayBreak);
}
