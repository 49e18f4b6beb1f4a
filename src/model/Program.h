#pragma once
#include <string>
#include <vector>

#include "model/RunState.h"
#include "model/TMn1.h"
#include "platform/Platform.h"
#include "run/Review.h"

// The running program: the application object's values, the main window, the run state beside it,
// and the platform every handler reaches the machine through.
struct Program {
    explicit Program(Platform platform) : platform(platform) {}

    Platform platform;
    std::string Title = "QM7W";
    std::string HelpFile; // set by the help button; empty until then
    TMn1 Mn1;
    RunState Run;
    RunReview Review;

    RunPhase Phase = RunPhase::NoFile;
    // Handlers running, the outer one and those run inside its waits and boxes.
    int HandlerDepth = 0;
    // Above 0 while a handler waits with window messages processed or plays a sound synchronously.
    int WaitDepth = 0;
    // The window has been asked to close; it closes once no handler runs.
    bool Closing = false;
    // File line numbers of the answer lines that the last Open read half-width (full-width digits typed).
    std::vector<int> HalfWidthAnswerLines;
    // buzz.wav could not be played: reported once, misses beep from then on.
    bool BuzzBroken = false;
    // The missing sound device has been reported; later sounds pass over it in silence.
    bool SoundDeviceReported = false;
};

// Thrown by a wait once the window is to close: the running handler stops where it is.
struct WindowClosing {};

// The window asks to close: true when it may close now, else it closes once the running handler
// has returned.
bool RequestClose(Program& program);

// Counts `depth` up for as long as it lives.
class DepthScope {
public:
    explicit DepthScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthScope() { --m_depth; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

private:
    int& m_depth;
};

// One wait of the running handler.
struct WaitScope : DepthScope {
    explicit WaitScope(Program& program) : DepthScope(program.WaitDepth) {}
};
// One running handler.
struct HandlerScope : DepthScope {
    explicit HandlerScope(Program& program) : DepthScope(program.HandlerDepth) {}
};
