#include "app/Events.h"
#include "app/Program.h"
#include "platform/AppError.h"

void RunHandler(Program& program, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const AppError& error) {
        program.platform.errorBox(std::string(error.what()) + ".");
    } catch (const std::exception& error) {
        // Not one of ours: still never a crash, and the window stays open.
        program.platform.errorBox(std::string(error.what()) + ".");
    }
}
