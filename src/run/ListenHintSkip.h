#pragma once

struct Program;

void SpdBtn3Click(Program& program); // skip
void SpdBtn6Click(Program& program); // listen
void SpdBtn7Click(Program& program); // hint
