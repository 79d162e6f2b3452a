#pragma once

#include <functional>

namespace ui {
class MainWindowHost;
}

// Whether a command has a window open now (its command must then stay grayed).
using WindowOpenQuery = std::function<bool(int commandId)>;

// Brings the main window up to date after a card was entered: the file commands, the card
// commands and buttons, the examinations the main list has enough cards for, the choosers and
// the counters. An examination is available from 1 (in order), 4 (random) and 11 (systematic)
// cards on; no command whose window is open is enabled.
void updateMainWindowAfterEntry(ui::MainWindowHost& host, int mainCount,
                                const WindowOpenQuery& windowOpen);
