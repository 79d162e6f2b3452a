#pragma once

#include <functional>

class QDialog;

namespace ui {

// The results of our own modal dialogs: accept() gives 1 (OK), reject(), Escape and the close
// box give 2 (Cancel); a dialog may end with done(n) for any other n of its own.
constexpr int kResultOk = 1;
constexpr int kResultCancel = 2;

// Runs the dialog modally (exec()) and returns its result as above.
int runModal(QDialog& dialog);

// Tests answer modal dialogs: runModal shows the dialog without a loop, calls the handler, which
// may fill fields (findChild by object name) and press buttons, and returns what the handler
// returns. The dialog is hidden afterwards. nullptr runs dialogs normally.
using ModalHandler = std::function<int(QDialog& dialog)>;
ModalHandler setModalHandler(ModalHandler handler);

// Clicks the button whose object name is the control id (1 = OK, 2 = Cancel). Returns the
// dialog's result when the click ended the dialog, -1 when it stayed open (for example when
// a field was refused) or when there is no such enabled button.
int pressButton(QDialog& dialog, int controlId);

// The dialog's own result mapped as above (QDialog::Rejected becomes 2).
int mappedResult(int qtResult);

} // namespace ui
