#pragma once

#include <QPointer>
#include <QWidget>

namespace ui {

// The window a modal box or common dialog belongs to: the window that raised it, that is the
// modal dialog on top, else the active window, else the main window (none in some tests). Its
// box then stands over it and gives the keyboard back to it when it closes.
QWidget* dialogParent();

// Remembers the control that has the keyboard and gives the keyboard back to it (and activates
// its window) when it goes out of scope, unless the control has gone or is hidden by then. Held
// around a modal box or dialog, so that the user can type on where he was.
class FocusReturn {
public:
    FocusReturn();
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> focus_;
};

} // namespace ui
