#include "ui/dialog_parent.h"

#include "ui/main_window_host.h"

#include <QApplication>
#include <QWidget>

namespace ui {

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (MainWindowHost* host = mainWindowHost())
        return host->window();
    return QApplication::activeWindow();
}

} // namespace ui
