#pragma once

#include "ui/modeless_window.h"

#include <vector>

// A modeless card window: one of its kind at a time, reachable through its instance slot while
// it is open.
class CardWindow : public ui::ModelessWindow {
    Q_OBJECT
public:
    // commands: grayed while the window is open. instanceSlot: the program-wide reference to the
    // one window of its kind, cleared at teardown.
    CardWindow(std::vector<ui::HeldCommand> commands, CardWindow** instanceSlot);
};
