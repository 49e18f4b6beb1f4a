#pragma once
#include <string>

struct Program;

void SpdBtn1Click(Program& program); // open
// The Open command once `name` is chosen, its folder already the current folder; a refused or failed
// Open goes back to `previousFolder`.
void OpenQuestionFile(Program& program, const std::string& name, const std::string& previousFolder);
