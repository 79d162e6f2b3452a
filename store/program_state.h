#pragma once

#include <cstdint>
#include <string>

// The open list's file name ("UNTITLED" until it is saved or opened from a file).
extern std::string currentFileName;
// The clock value (milliseconds since start-up) when the list was opened or begun.
extern int32_t listStartTime;

void resetProgramState();
