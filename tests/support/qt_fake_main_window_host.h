#pragma once

#include "ui/main_window_host.h"

#include <QWidget>

#include <map>

// Stands in for the main window for its lifetime: records the state of every command and
// button it is told, and how often the counters were refreshed. A command or button never set
// counts as enabled, as a fresh menu item does.
class FakeMainWindowHost : public ui::MainWindowHost {
public:
    FakeMainWindowHost();
    ~FakeMainWindowHost() override;
    FakeMainWindowHost(const FakeMainWindowHost&) = delete;
    FakeMainWindowHost& operator=(const FakeMainWindowHost&) = delete;

    QWidget* window() override { return &window_; }
    void setCommandEnabled(int commandId, bool enabled) override;
    bool isCommandEnabled(int commandId) const override;
    void setButtonEnabled(int controlId, bool enabled) override;
    void updateCounters() override { ++counterUpdates; }

    bool isButtonEnabled(int controlId) const;

    std::map<int, bool> commands;
    std::map<int, bool> buttons;
    int counterUpdates = 0;

private:
    QWidget window_;
    ui::MainWindowHost* previous_;
};
