#pragma once

#include "store/window_registry.h"

#include <QDialog>

#include <utility>
#include <vector>

// A modeless card window. It enters the window registry, so Close List destroys it before any
// card is deleted. Escape, its Close or OK button, the close box and destroyWindow all end in
// one teardown, which gives the main window its commands and buttons back and makes the window
// unreachable; the object is deleted afterwards.
class CardWindow : public QDialog, public RegisteredWindow {
    Q_OBJECT
public:
    // commands: (command id, button id or 0) grayed while the window is open. instanceSlot: the
    // program-wide reference to the one window of its kind, cleared at teardown.
    CardWindow(std::vector<std::pair<int, int>> commands, CardWindow** instanceSlot);
    ~CardWindow() override;

    void destroyWindow() override;
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void teardown(bool giveCommandsBack);

    std::vector<std::pair<int, int>> commands_;
    CardWindow** instanceSlot_;
    bool tornDown_ = false;
};

// The parent of a card window: the main window where there is one.
QWidget* cardWindowParent();
