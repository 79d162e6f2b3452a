#include "exam/exam_commands.h"

void installExamCommands() {}
