// Replaces a results log through the program's own file code, so that log_fault.py can kill it or starve
// it at any point of the write and then look at what is left on disk.
//   write <log> <a|b>  replaces the log once with that version; exit status 1 and the message on failure
//   loop <log>         replaces it with b, a, b, a, ... until killed; says "ready" before the first
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/AppError.h"
#include "platform/LineList.h"
#include "platform/qt/QtPlatform.h"

namespace {

// A full log of 201 records; the two versions differ on every line, so a mix of them is always visible.
LineList fullLog(char version) {
    LineList log;
    for (int i = 0; i < 201; ++i) {
        int seconds = version == 'a' ? i : 999 - i;
        char record[64];
        std::snprintf(record, sizeof record, "261206 0050%02d-0101%02d,%03d020%03d003020drill-%c-%03d", i % 60,
                      (i + 7) % 60, seconds, (i * 7) % 1000, version, i);
        log.add(record);
    }
    return log;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    QtPlatform platform;
    try {
        if (std::string(argv[1]) == "write" && argc == 4) {
            fullLog(argv[3][0]).saveToFile(platform, argv[2]);
            return 0;
        }
        const LineList versions[] = {fullLog('b'), fullLog('a')};
        std::cout << "ready" << std::endl;
        for (int next = 0;; next ^= 1)
            versions[next].saveToFile(platform, argv[2]);
    } catch (const AppError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
