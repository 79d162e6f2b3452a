#pragma once

#include "cards/entry_update.h"

// Whether a command of the main window has a window open now: the card windows know their
// own; the examinations are asked through the query the program installs.
bool commandWindowOpen(int commandId);
