#include "ui/modal.h"

#include "ui/dialog_parent.h"

#include <QAbstractButton>
#include <QDialog>

#include <utility>

namespace ui {
namespace {

ModalHandler& modalHandler() {
    static ModalHandler handler;
    return handler;
}

} // namespace

ModalHandler setModalHandler(ModalHandler handler) {
    return std::exchange(modalHandler(), std::move(handler));
}

int mappedResult(int qtResult) {
    if (qtResult == QDialog::Rejected)
        return kResultCancel;
    return qtResult;
}

int runModal(QDialog& dialog) {
    FocusReturn focusReturn;
    if (!modalHandler())
        return mappedResult(dialog.exec());
    // A copy, so that the handler may install another handler for a nested dialog.
    ModalHandler handler = modalHandler();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    int result = handler(dialog);
    dialog.hide();
    return result;
}

int pressButton(QDialog& dialog, int controlId) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::number(controlId));
    if (!button || !button->isEnabled())
        return -1;
    if (!dialog.isVisible())
        dialog.show();
    button->click();
    if (dialog.isVisible())
        return -1;
    return mappedResult(dialog.result());
}

} // namespace ui
