#include "ui/dialog_parent.h"

#include "ui/main_window_host.h"

#include <QApplication>
#include <QWidget>

namespace ui {

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    if (MainWindowHost* host = mainWindowHost())
        return host->window();
    return nullptr;
}

FocusReturn::FocusReturn() : focus_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
    if (!focus_ || !focus_->isVisible())
        return;
    focus_->activateWindow();
    focus_->setFocus(Qt::OtherFocusReason);
}

} // namespace ui
