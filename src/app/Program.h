#pragma once
#include <string>

#include "app/TMn1.h"
#include "platform/Platform.h"
#include "run/RunState.h"

// The running program: the application object's values, the main window, the run state beside it,
// and the platform every handler reaches the machine through.
struct Program {
    explicit Program(Platform& platform) : platform(platform) {}

    Platform& platform;
    std::string Title = "QM7W";
    std::string HelpFile; // set by the help button; empty until then
    TMn1 Mn1;
    RunState Run;

    RunPhase Phase = RunPhase::NoFile;
    // Above 0 while a handler waits with window messages processed or plays a sound synchronously:
    // input that would move the run is then ignored.
    int WaitDepth = 0;
    bool RecordWritten = false;
    bool Closing = false; // the main window has been asked to close

    // The window closes once the running handler has returned; the program then ends.
    void closeMainWindow() {
        Closing = true;
        platform.closeMainWindow();
    }
};

// Counts one wait of the running handler for as long as it lives.
class WaitScope {
public:
    explicit WaitScope(Program& program) : m_program(program) { ++m_program.WaitDepth; }
    ~WaitScope() { --m_program.WaitDepth; }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    Program& m_program;
};
