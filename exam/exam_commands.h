#pragma once

// Installs what every examination command of the main window does: the five examinations of the
// whole list, the known-words examination, the lesson and level choosers and their examinations.
// The main window runs them from its menu, its buttons, the start button and after opening a list.
void installExamCommands();
