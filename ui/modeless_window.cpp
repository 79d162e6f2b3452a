#include "ui/modeless_window.h"

#include "ui/main_window_host.h"

#include <QCloseEvent>

#include <utility>

namespace ui {
namespace {

void setCommand(int commandId, int buttonId, bool enabled) {
    MainWindowHost* host = mainWindowHost();
    if (!host)
        return;
    host->setCommandEnabled(commandId, enabled);
    if (buttonId)
        host->setButtonEnabled(buttonId, enabled);
}

void enableCommand(int commandId, int buttonId) {
    setCommand(commandId, buttonId, true);
}

} // namespace

ModelessWindow::ModelessWindow(std::vector<HeldCommand> commands,
                               void (*giveBack)(int commandId, int buttonId),
                               std::function<void()> released)
    : QDialog(mainWindow()), commands_(std::move(commands)),
      giveBack_(giveBack ? giveBack : enableCommand), released_(std::move(released)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    for (const HeldCommand& held : commands_)
        setCommand(held.commandId, held.buttonId, false);
    registerWindow(this);
}

// Destroyed with the main window: there is nothing left to give the commands back to.
ModelessWindow::~ModelessWindow() {
    teardown(false);
}

void ModelessWindow::teardown(bool giveCommandsBack) {
    if (tornDown_)
        return;
    tornDown_ = true;
    if (released_)
        released_();
    // While Close List closes every window it puts the menu into its state without a list.
    if (giveCommandsBack && !closingAll)
        for (const HeldCommand& held : commands_)
            giveBack_(held.commandId, held.buttonId);
    unregisterWindow(this);
}

void ModelessWindow::destroyWindow() {
    teardown(true);
    delete this;
}

void ModelessWindow::reject() {
    close();
}

void ModelessWindow::closeEvent(QCloseEvent* event) {
    teardown(true);
    event->accept();
}

} // namespace ui
