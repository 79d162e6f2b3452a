#pragma once

#include "ui/main_window_host.h"

#include <map>

// Records what the card windows do to the main window.
class FakeHost : public ui::MainWindowHost {
public:
    FakeHost() { ui::setMainWindowHost(this); }
    ~FakeHost() override { ui::setMainWindowHost(nullptr); }

    QWidget* window() override { return nullptr; }
    void setCommandEnabled(int commandId, bool enabled) override {
        commands[commandId] = enabled;
        ++changes;
    }
    bool isCommandEnabled(int commandId) const override {
        auto it = commands.find(commandId);
        return it != commands.end() && it->second;
    }
    void setButtonEnabled(int controlId, bool enabled) override {
        buttons[controlId] = enabled;
        ++changes;
    }
    bool isButtonEnabled(int controlId) const {
        auto it = buttons.find(controlId);
        return it != buttons.end() && it->second;
    }
    void updateCounters() override { ++counterUpdates; }

    std::map<int, bool> commands;
    std::map<int, bool> buttons;
    int changes = 0;
    int counterUpdates = 0;
};
