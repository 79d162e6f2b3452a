#pragma once

// Which examination commands have a window open. A command stays grayed (and its button
// disabled) while a window it started is open, so that it opens at most one window at a time,
// even when an answer elsewhere would enable it.
void noteExamOpened(int commandId);
void noteExamClosed(int commandId);
bool examIsOpen(int commandId);

// Enables the command on the main window (and its button, when buttonId is not 0), unless a
// window of that command is open. Does nothing without a main window.
void enableExamCommand(int commandId, int buttonId = 0);

// Forgets every open window (for tests).
void resetOpenExams();
