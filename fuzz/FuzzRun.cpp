// A whole run from the input bytes: two random drills, then random clicks, key presses, toolbar commands,
// opens and waits, some of them arriving while the program waits or shows a message box. The run state is
// checked after every event; QM7_FUZZ_TRACE=1 prints the events of an input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <optional>
#include <set>
#include <string>

#include "DrillGenerator.h"
#include "RunChecks.h"
#include "app/Events.h"
#include "fake/FakePlatform.h"
#include "model/Program.h"
#include "text/Cp932.h"

namespace {

constexpr int MaxEvents = 200;
const std::string LogPath = "/opt/qm7w/QM7Kekka.DAT";

// The random draws come from the input too, so that an input always replays the same run.
class FuzzPlatform : public FakePlatform {
public:
    explicit FuzzPlatform(FuzzedDataProvider& input) : m_input(input) {}

    std::int32_t randomBelow(std::int32_t range) override {
        if (range < 1)
            Violation("a random draw from " + std::to_string(range) + " numbers");
        return m_input.ConsumeIntegralInRange<std::int32_t>(0, range - 1);
    }

private:
    FuzzedDataProvider& m_input;
};

struct Event {
    std::string name;
    std::function<void()> run;
};

class WholeRun {
public:
    explicit WholeRun(FuzzedDataProvider& input);
    void play();

private:
    void playEvent();
    Event nextEvent();
    Event handler(std::string name, std::function<void()> handler);
    void open(const std::optional<std::string>& name, bool mustStart);
    void runNested(const Event& event);
    void afterEvent();
    void checkBoxes();
    void checkLog();

    FuzzedDataProvider& m_input;
    FuzzPlatform m_platform;
    Program m_program{m_platform};
    std::set<std::string> m_expectedErrors;
    GeneratedDrill m_drills[2];
    std::deque<Event> m_duringMessages;
    int m_opens = 0;   // Open attempts, each with a time stamp of its own
    int m_started = 0; // Opens that started a run
    std::size_t m_errorsSeen = 0;
    std::size_t m_messagesSeen = 0;
    int m_depth = 0;
    bool m_tracing = std::getenv("QM7_FUZZ_TRACE") != nullptr;
};

WholeRun::WholeRun(FuzzedDataProvider& input) : m_input(input), m_platform(input) {
    FormCreate(m_program);
    m_platform.tick = m_input.ConsumeIntegral<std::uint32_t>();
    m_platform.player.soundMilliseconds = m_input.ConsumeIntegralInRange(0, 3000);
    auto effects = m_input.ConsumeIntegral<std::uint8_t>();
    for (const char* sound : {"pinpon.wav", "buzz.wav"}) {
        std::string path = m_program.Run.ProgramDir + sound;
        if (effects & 1)
            m_platform.files[path] = "RIFF";
        if (effects & 2) {
            m_platform.player.unplayable.insert(path);
            m_expectedErrors.insert("cannot open " + path + ".");
        }
        effects >>= 2;
    }
    m_expectedErrors.insert(sjis("ﾌｧｲﾙ gone.m7 は開けません."));
    m_drills[0] = GenerateDrill(m_input, m_platform, 'a', false, m_expectedErrors);
    m_drills[1] = GenerateDrill(m_input, m_platform, 'b', true, m_expectedErrors);
    if (m_tracing)
        for (const GeneratedDrill& drill : m_drills)
            std::fprintf(stderr, "%s%s:\n%s\n", drill.name.c_str(), drill.mustStart ? "" : " (may be refused)",
                         decodeCp932(m_platform.files[drill.name]).c_str());
    m_platform.onMessage = [this](const std::string&) {
        if (m_duringMessages.empty())
            return;
        Event event = std::move(m_duringMessages.front());
        m_duringMessages.pop_front();
        runNested(event);
    };
}

Event WholeRun::handler(std::string name, std::function<void()> handler) {
    return Event{std::move(name), std::move(handler)};
}

Event WholeRun::nextEvent() {
    Program& p = m_program;
    switch (m_input.ConsumeIntegralInRange(0, 19)) {
    case 0:
    case 1: {
        int k = m_input.ConsumeIntegralInRange(1, ChoiceButtonCount);
        return handler("click Sel" + std::to_string(k), [&p, k] { RunHandler(p, Sel1Click, p.Mn1.Sel(k)); });
    }
    case 2:
    case 3: {
        auto key = m_input.ConsumeIntegral<std::uint16_t>();
        return handler("key " + std::to_string(key), [&p, key] {
            std::uint16_t pressed = key;
            RunHandler(p, SentakuBango, pressed);
        });
    }
    case 4:
    case 5:
    case 6:
        return handler("right key", [&p] {
            std::uint16_t key = p.Run.AnswerKey.empty() ? vk::Space : p.Run.AnswerKey[0];
            RunHandler(p, SentakuBango, key);
        });
    case 7:
        return handler("click right choice", [&p] {
            int k = p.Run.AnswerKey.empty() ? 1 : std::clamp(choiceNumber(p.Run.AnswerKey[0]), 1, ChoiceButtonCount);
            RunHandler(p, Sel1Click, p.Mn1.Sel(k));
        });
    case 8:
        return handler("skip", [&p] { RunHandler(p, SpdBtn3Click); });
    case 9:
        return handler("hint", [&p] { RunHandler(p, SpdBtn7Click); });
    case 10:
        return handler("listen", [&p] { RunHandler(p, SpdBtn6Click); });
    case 11:
        return handler("enter", [&p] { RunHandler(p, BtnNextClick); });
    case 12:
        return handler("sound switch", [&p] { RunHandler(p, SpdBtn5Click); });
    case 13:
        return handler("typeface switch", [&p] { RunHandler(p, SpdBtn4Click); });
    case 14: {
        int which = m_input.ConsumeIntegralInRange(0, 3);
        if (which == 3)
            return Event{"open, cancelled", [this] { open(std::nullopt, false); }};
        if (which == 2)
            return Event{"open gone.m7", [this] { open("gone.m7", false); }};
        const GeneratedDrill& drill = m_drills[which];
        return Event{"open " + drill.name, [this, drill] { open(drill.name, drill.mustStart); }};
    }
    default: {
        // Time passing between two events, now and then far enough for the tick count to wrap.
        std::uint32_t ms = m_input.ConsumeBool() ? m_input.ConsumeIntegral<std::uint32_t>()
                                                 : m_input.ConsumeIntegralInRange<std::uint32_t>(0, 70000);
        return Event{"wait " + std::to_string(ms), [this, ms] { m_platform.tick += ms; }};
    }
    }
}

void WholeRun::open(const std::optional<std::string>& name, bool mustStart) {
    ++m_opens;
    // A time stamp of its own for every attempt: RunTag then tells whether this Open started the run.
    m_platform.now = LocalTime{2026, 12, 6, m_opens / 3600 % 24, m_opens / 60 % 60, m_opens % 60};
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "261206 %02d%02d%02d#", m_platform.now.hour, m_platform.now.minute,
                  m_platform.now.second);
    bool ignored = m_program.WaitDepth > 0;
    m_platform.dialogAnswers.push_back(name);
    RunHandler(m_program, SpdBtn1Click);
    // An Open ignored while waiting leaves its answer unread; no later dialog may get it.
    m_platform.dialogAnswers.clear();

    bool started =
        !m_program.Closing && m_program.Phase == RunPhase::Asking && m_program.Run.RunTag.rfind(stamp, 0) == 0;
    if (started)
        ++m_started;
    if (mustStart && !ignored && !started && !m_program.Closing) {
        std::string why = m_platform.messages.empty() ? "no message" : decodeCp932(m_platform.messages.back());
        Violation("a drill that keeps to the format did not start (" + why + ")");
    }
}

void WholeRun::runNested(const Event& event) {
    ++m_depth;
    if (m_tracing)
        std::fprintf(stderr, "%*s%s\n", 2 * m_depth, "", event.name.c_str());
    event.run();
    --m_depth;
}

void WholeRun::play() {
    for (int n = 0; n < MaxEvents && m_input.remaining_bytes() > 0 && !m_program.Closing; ++n)
        playEvent();
    if (m_tracing)
        std::fprintf(stderr, "end: %d of %d opens started a run, %s\n", m_started, m_opens,
                     m_program.Phase == RunPhase::Finished ? "the last run finished" : "no run finished last");
}

// One event of the input: run now and checked, or queued for a later wait or message box.
void WholeRun::playEvent() {
    int route = m_input.ConsumeIntegralInRange(0, 7);
    Event event = nextEvent();
    if (route == 6) {
        if (m_tracing)
            std::fprintf(stderr, "queued for a wait: %s\n", event.name.c_str());
        m_platform.duringWaits.push_back([this, event] { runNested(event); });
        return;
    }
    if (route == 7) {
        if (m_tracing)
            std::fprintf(stderr, "queued for a message box: %s\n", event.name.c_str());
        m_duringMessages.push_back(event);
        return;
    }
    if (m_tracing)
        std::fprintf(stderr, "%s\n", event.name.c_str());
    int started = m_started;
    RunPhase phase = m_program.Phase;
    std::int32_t correct = m_program.Run.CorrectCount;
    std::int32_t missed = m_program.Run.MissCount;
    event.run();
    if (m_program.Closing)
        return; // the window closes: nothing of the run is left to check
    afterEvent();
    bool sameRun = started == m_started && phase == RunPhase::Asking && m_program.Phase == RunPhase::Asking;
    if (sameRun && (m_program.Run.CorrectCount < correct || m_program.Run.MissCount < missed))
        Violation("the counters went back from " + std::to_string(correct) + "/" + std::to_string(missed) + " to " +
                  std::to_string(m_program.Run.CorrectCount) + "/" + std::to_string(m_program.Run.MissCount));
}

void WholeRun::afterEvent() {
    checkBoxes();
    CheckQuestionTable(m_program);
    if (m_program.Phase == RunPhase::Asking)
        CheckAsking(m_program);
    checkLog();
}

void WholeRun::checkBoxes() {
    for (; m_errorsSeen < m_platform.errors.size(); ++m_errorsSeen) {
        const std::string& text = m_platform.errors[m_errorsSeen];
        if (!m_expectedErrors.count(text))
            Violation("failure box: " + decodeCp932(text));
    }
    if (!m_platform.internalErrors.empty())
        Violation("internal error: " + decodeCp932(m_platform.internalErrors.front()));
    static const std::string damagedLog = sjis("QM7Kekka.DAT ｴﾗｰ! このﾌｧｲﾙをｺﾞﾐ箱に捨てて下さい!");
    for (; m_messagesSeen < m_platform.messages.size(); ++m_messagesSeen)
        if (m_platform.messages[m_messagesSeen] == damagedLog)
            Violation("the results log the program wrote reads back as damaged");
}

void WholeRun::checkLog() {
    auto found = m_platform.files.find(LogPath);
    if (found == m_platform.files.end())
        return;
    const std::string& log = found->second;
    int records = 0;
    for (std::size_t start = 0; start < log.size(); ++records) {
        std::size_t end = log.find("\r\n", start);
        if (end == std::string::npos)
            Violation("the results log does not end with CR LF");
        std::string record = log.substr(start, end - start);
        // "yymmdd hhnnss-hhnnss," then five numbers of three digits each.
        bool fixed = record.size() >= 36 && record[13] == '-' && record[20] == ',' &&
                     record.find_first_not_of("0123456789", 21) >= 36;
        if (!fixed)
            Violation("a results record out of its columns: " + record);
        start = end + 2;
    }
    if (records > m_started)
        Violation(std::to_string(records) + " results records after " + std::to_string(m_started) + " runs started");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    WholeRun run(input);
    run.play();
    return 0;
}
