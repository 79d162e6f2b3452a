#include "store/program_state.h"

std::string currentFileName = "UNTITLED";
int32_t listStartTime = 0;

void resetProgramState() {
    currentFileName = "UNTITLED";
    listStartTime = 0;
}
