#include "results/ResultsWriter.h"

#include <algorithm>

#include "app/ProgramFolder.h"
#include "model/Program.h"
#include "results/Figures.h"
#include "results/ResultsLog.h"
#include "results/TimeStamp.h"
#include "text/DbcsPos.h"

namespace {

// A number that does not fit three digits would shift every later column of the record.
std::string field(std::int64_t value) {
    return PadLeft(std::to_string(std::clamp<std::int64_t>(value, 0, 999)), 3, '0');
}

class LogLock {
public:
    LogLock(Files& files, const std::string& name) : m_files(files), m_name(name), m_held(files.lockFile(name)) {}
    ~LogLock() {
        if (m_held)
            m_files.unlockFile(m_name);
    }
    LogLock(const LogLock&) = delete;
    LogLock& operator=(const LogLock&) = delete;

private:
    Files& m_files;
    std::string m_name;
    bool m_held;
};

} // namespace

void WriteResultsRecord(Program& program) {
    RunState& run = program.Run;
    Platform& platform = program.platform;

    std::int64_t elapsedMs = static_cast<std::int32_t>(platform.clock.tickCount() - run.RunStartTick);
    run.ElapsedSeconds = static_cast<std::int32_t>((elapsedMs - run.TimeOverrun) / 1000);

    std::size_t p = static_cast<std::size_t>(DbcsPos("#", run.RunTag));
    std::string stamp = run.RunTag.substr(0, p == 0 ? 0 : p - 1);
    run.RunTag.erase(0, p);

    std::string questions = field(PractisedQuestions(program));
    std::string record = stamp + "-" + TimeStamp(platform.clock.localTime(), false) + "," + field(run.ElapsedSeconds) +
                         questions + field(run.CorrectCount) + field(run.MissCount) + questions + run.RunTag;

    std::optional<std::string> path = ResultsLogPath(program);
    if (!path)
        return;
    platform.files.makeFolders(ProgramFolder(*path));
    // Another program finishing at the same moment must not replace the log between our read and write.
    LogLock lock(platform.files, *path);
    LineList log;
    if (platform.files.fileExists(*path))
        log.loadFromFile(platform.files, *path);
    if (log.count() > ResultsLogKeep)
        log.remove(0);
    log.add(record);
    log.saveToFile(platform.files, *path);
}
