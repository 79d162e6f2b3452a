#include "cards/card_window.h"

#include "ui/main_window_host.h"

#include <QCloseEvent>

namespace {

void setCommands(const std::vector<std::pair<int, int>>& commands, bool enabled) {
    ui::MainWindowHost* host = ui::mainWindowHost();
    if (!host)
        return;
    for (auto [command, button] : commands) {
        host->setCommandEnabled(command, enabled);
        if (button)
            host->setButtonEnabled(button, enabled);
    }
}

} // namespace

QWidget* cardWindowParent() {
    ui::MainWindowHost* host = ui::mainWindowHost();
    return host ? host->window() : nullptr;
}

CardWindow::CardWindow(std::vector<std::pair<int, int>> commands, CardWindow** instanceSlot)
    : QDialog(cardWindowParent()), commands_(std::move(commands)), instanceSlot_(instanceSlot) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    registerWindow(this);
    if (instanceSlot_)
        *instanceSlot_ = this;
    setCommands(commands_, false);
}

// Destroyed with its parent (the main window going away): leave the main window alone.
CardWindow::~CardWindow() {
    teardown(false);
}

void CardWindow::teardown(bool giveCommandsBack) {
    if (tornDown_)
        return;
    tornDown_ = true;
    // While Close List closes every window, it puts the commands into their "no list" state
    // itself.
    if (giveCommandsBack && !closingAll)
        setCommands(commands_, true);
    unregisterWindow(this);
    if (instanceSlot_ && *instanceSlot_ == this)
        *instanceSlot_ = nullptr;
}

void CardWindow::destroyWindow() {
    teardown(true);
    delete this;
}

void CardWindow::reject() {
    close();
}

void CardWindow::closeEvent(QCloseEvent* event) {
    teardown(true);
    event->accept();
}
