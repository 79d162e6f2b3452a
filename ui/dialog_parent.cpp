#include "ui/dialog_parent.h"

#include "ui/main_window_host.h"

#include <QApplication>
#include <QWidget>

namespace ui {

namespace {

// The control a modal box or dialog last gave the keyboard back to. Right after one modal window
// closes and before the window system has activated the next, no window is active; a box raised
// then still belongs to the window the user was working in.
QPointer<QWidget>& keyboardHolder() {
    static QPointer<QWidget> holder;
    return holder;
}

QWidget* focusedControl() {
    if (QWidget* focus = QApplication::focusWidget())
        return focus;
    QWidget* held = keyboardHolder();
    return held && held->isVisible() ? held : nullptr;
}

} // namespace

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (QWidget* focus = focusedControl())
        return focus->window();
    return mainWindow();
}

FocusReturn::FocusReturn() : focus_(focusedControl()) {}

FocusReturn::~FocusReturn() {
    if (!focus_ || !focus_->isVisible())
        return;
    keyboardHolder() = focus_;
    focus_->activateWindow();
    focus_->setFocus(Qt::OtherFocusReason);
}

} // namespace ui
