#pragma once

class QWidget;

namespace ui {

// The window a modal box or common dialog belongs to: the modal dialog on top, else the main
// window, else whatever window is active (none in some tests).
QWidget* dialogParent();

} // namespace ui
