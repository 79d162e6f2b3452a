#pragma once

class QBoxLayout;
class QPushButton;
class QString;
class QWidget;

namespace ui {

// The control ids of a dialog's OK and Cancel buttons, where the dialog has no names of its own.
constexpr int kOkButton = 1;
constexpr int kCancelButton = 2;

// A push button of a dialog window, named by its control id. Every dialog button is
// auto-default: Enter presses the button that has the keyboard, else the window's default
// button. One rule for every window.
QPushButton* dialogButton(const QString& text, int id, QWidget* parent = nullptr);
// The same for a button named otherwise than by a number.
QPushButton* dialogButton(const QString& text, const QString& name, QWidget* parent = nullptr);
// A dialog button added to the end of a row.
QPushButton* addDialogButton(QBoxLayout* row, const QString& text, int id);

} // namespace ui
