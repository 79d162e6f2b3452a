#include "tests/support/qt_fake_main_window_host.h"

FakeMainWindowHost::FakeMainWindowHost() : previous_(ui::mainWindowHost()) {
    ui::setMainWindowHost(this);
}

FakeMainWindowHost::~FakeMainWindowHost() {
    ui::setMainWindowHost(previous_);
}

void FakeMainWindowHost::setCommandEnabled(int commandId, bool enabled) {
    commands[commandId] = enabled;
}

bool FakeMainWindowHost::isCommandEnabled(int commandId) const {
    auto it = commands.find(commandId);
    return it == commands.end() || it->second;
}

void FakeMainWindowHost::setButtonEnabled(int controlId, bool enabled) {
    buttons[controlId] = enabled;
}

bool FakeMainWindowHost::isButtonEnabled(int controlId) const {
    auto it = buttons.find(controlId);
    return it == buttons.end() || it->second;
}
