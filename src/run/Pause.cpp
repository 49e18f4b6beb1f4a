#include "run/Pause.h"

#include "model/Program.h"

void Pause(Program& program, std::int32_t ms) {
    Platform& platform = program.platform;
    std::uint32_t end = platform.clock.tickCount() + static_cast<std::uint32_t>(ms);
    // Compared as a difference, so that the wait also ends when the tick count wraps round.
    do {
        platform.events.processMessagesUntil(end);
        if (program.Closing)
            throw WindowClosing{};
    } while (static_cast<std::int32_t>(platform.clock.tickCount() - end) < 0);
}
