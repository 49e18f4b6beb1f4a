#pragma once
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>

class FakePlatform;

// A drill the whole-run fuzzer wrote into the fake platform's files.
struct GeneratedDrill {
    std::string name;
    // Kept to the format with every companion file readable: opening it must start a run.
    bool mustStart = true;
};

// Writes a random drill named after `tag` (1 to 6 questions, 2 to 17 choices, 1 to 3 blanks, directives
// anywhere in the body, pictures, sounds and a translation file or not) into the platform's files.
// With `mayBreak`, some drills are broken on purpose. Failure boxes the drill may cause on purpose (a sound
// that cannot be opened, a translation file that cannot be read) are added to `expectedErrors`.
GeneratedDrill GenerateDrill(FuzzedDataProvider& input, FakePlatform& platform, char tag, bool mayBreak,
                             std::set<std::string>& expectedErrors);
