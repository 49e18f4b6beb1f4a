#pragma once
#include <string>

struct Program;

// The program's own file `name` (effect sound, help): beside the program, as in a build or a copied
// folder, else in the installed data folder ../share/qm7w/. The name beside the program when neither
// holds it.
std::string CompanionFile(const Program& program, const std::string& name);

// Whether the program runs installed: its own files lie in ../share/qm7w/, not beside it.
bool InstalledProgram(const Program& program);
