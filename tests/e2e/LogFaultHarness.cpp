// Writes a results log through the program's own file code, on Linux or on Windows, for log_fault.py to kill
// or starve:
//   write <log> <a|b>        replaces the log once with that version
//   loop <log>               says "ready", then replaces it with b, a, b, a, ... until killed
//   record <folder> <base>   appends a finished run's record as the program does at the end of a run
// Exit status: 0 done, 1 the write failed (its message on standard error), 2 wrong arguments.

#include <cstdio>
#include <iostream>
#include <string>

#include "model/Program.h"
#include "platform/AppError.h"
#include "results/ResultsWriter.h"
#include "text/LineList.h"
#ifdef _WIN32
#include "platform/win32/Win32Platform.h"
using MachinePlatform = Win32Platform;
#else
#include "platform/qt/QtPlatform.h"
using MachinePlatform = QtPlatform;
#endif

namespace {

// A full log of 201 records; the two versions differ on every line, so a mix of them is always visible.
LineList fullLog(char version) {
    LineList log;
    for (int i = 0; i < 201; ++i) {
        char record[64];
        std::snprintf(record, sizeof record, "261206 0050%02d-0101%02d,%03d020%03d003020drill-%c-%03d", i % 60,
                      (i + 7) % 60, version == 'a' ? i : 999 - i, (i * 7) % 1000, version, i);
        log.add(record);
    }
    return log;
}

} // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 1 ? argv[1] : "";
    if (argc != (mode == "loop" ? 3 : 4) || (mode != "write" && mode != "loop" && mode != "record")) {
        std::cerr << "usage: qm7_log_fault_harness write <log> <a|b> | loop <log> | record <folder> <base>\n";
        return 2;
    }
    MachinePlatform machine;
    Platform platform = machine;
    try {
        if (mode == "record") {
            Program program(platform);
            program.Run.ProgramDir = argv[2] + std::string("/");
            program.Run.RunTag = "261206 005058#" + std::string(argv[3]);
            program.Run.RunStartTick = platform.clock.tickCount();
            WriteResultsRecord(program);
        } else if (mode == "write") {
            fullLog(argv[3][0]).saveToFile(platform.files, argv[2]);
        } else {
            const LineList versions[] = {fullLog('b'), fullLog('a')};
            std::cout << "ready" << std::endl;
            for (int next = 0;; next ^= 1)
                versions[next].saveToFile(platform.files, argv[2]);
        }
        return 0;
    } catch (const AppError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
