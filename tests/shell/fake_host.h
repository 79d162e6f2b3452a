#pragma once

#include "ui/main_window_host.h"

#include <map>

// A main window that only remembers which commands and buttons are enabled.
class FakeHost : public ui::MainWindowHost {
public:
    QWidget* window() override { return nullptr; }
    void setCommandEnabled(int commandId, bool enabled) override { commands[commandId] = enabled; }
    bool isCommandEnabled(int commandId) const override {
        auto it = commands.find(commandId);
        return it != commands.end() && it->second;
    }
    void setButtonEnabled(int controlId, bool enabled) override { buttons[controlId] = enabled; }
    bool isButtonEnabled(int controlId) const {
        auto it = buttons.find(controlId);
        return it != buttons.end() && it->second;
    }
    void updateCounters() override { ++counterUpdates; }

    std::map<int, bool> commands;
    std::map<int, bool> buttons;
    int counterUpdates = 0;
};
