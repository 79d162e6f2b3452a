#include "ui/main_window_host.h"

namespace ui {
namespace {
MainWindowHost* currentHost = nullptr;
}

MainWindowHost* mainWindowHost() {
    return currentHost;
}

void setMainWindowHost(MainWindowHost* host) {
    currentHost = host;
}

QWidget* mainWindow() {
    return currentHost ? currentHost->window() : nullptr;
}

} // namespace ui
