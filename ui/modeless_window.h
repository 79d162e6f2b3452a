#pragma once

#include "store/window_registry.h"

#include <QDialog>

#include <functional>
#include <vector>

namespace ui {

// A main-window command and its button (0 for none), grayed while a window it opened is open.
struct HeldCommand {
    int commandId;
    int buttonId;
};

// A modeless window over the main window. It enters the window registry, so Close List destroys
// it before any card is deleted, and grays its commands while it is open. Escape, the close box,
// close() and destroyWindow all end in one teardown, which gives the commands back and makes the
// window unreachable; the object is deleted afterwards.
class ModelessWindow : public QDialog, public RegisteredWindow {
    Q_OBJECT
public:
    ~ModelessWindow() override;

    void destroyWindow() override;
    void reject() override;

protected:
    // giveBack enables one command again; by default it simply enables the command and its
    // button. released runs once at teardown, also when the main window destroys the window.
    explicit ModelessWindow(std::vector<HeldCommand> commands,
                            void (*giveBack)(int commandId, int buttonId) = nullptr,
                            std::function<void()> released = {});

    bool isTornDown() const { return tornDown_; }
    void closeEvent(QCloseEvent* event) override;

private:
    void teardown(bool giveCommandsBack);

    std::vector<HeldCommand> commands_;
    void (*giveBack_)(int, int);
    std::function<void()> released_;
    bool tornDown_ = false;
};

} // namespace ui
