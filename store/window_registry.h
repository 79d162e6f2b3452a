#pragma once

// A modeless window that Close List destroys. The window layer implements destroyWindow; the
// window's own destruction then calls unregisterWindow.
class RegisteredWindow {
public:
    virtual ~RegisteredWindow() = default;
    virtual void destroyWindow() = 0;
};

void registerWindow(RegisteredWindow* window);
// Ends the program (text 161, status 8) when the window was never registered, except while
// closeAllWindows runs.
void unregisterWindow(RegisteredWindow* window);
bool isWindowOpen(const RegisteredWindow* window);
// Destroys every registered window in the order they registered, then empties the registry.
void closeAllWindows();
int registeredWindowCount();

extern int closingAll;
