#include "app/Events.h"
#include "model/Program.h"
#include "results/ResultsHistory.h"

// Only reads the log, so it may run at any time, also inside a wait of another handler.
void SpdBtn8Click(Program& program) {
    program.platform.dialogs.showResultsHistory(ReadResultsHistory(program));
}
