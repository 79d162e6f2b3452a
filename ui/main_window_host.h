#pragma once

class QWidget;

namespace ui {

// What the windows of the other layers may do to the main window: gray or enable its commands
// and buttons, refresh its counters. The main window installs itself; tests install a fake.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual QWidget* window() = 0;
    virtual void setCommandEnabled(int commandId, bool enabled) = 0;
    virtual bool isCommandEnabled(int commandId) const = 0;
    // Enables or disables a button of the main window (control id) and redraws the window.
    virtual void setButtonEnabled(int controlId, bool enabled) = 0;
    virtual void updateCounters() = 0;
};

MainWindowHost* mainWindowHost();
void setMainWindowHost(MainWindowHost* host);
// The main window, the parent of the other windows; nullptr where there is none (some tests).
QWidget* mainWindow();

} // namespace ui
