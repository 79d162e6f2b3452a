#include "tests/support/qt_unexpected_dialogs.h"

#include "ui/file_dialogs.h"
#include "ui/font_dialog.h"
#include "ui/message_boxes.h"
#include "ui/modal.h"
#include "ui/print_dialogs.h"
#include "ui/tone.h"

#include <QDialog>

#include <gtest/gtest.h>

void installUnexpectedDialogHandlers() {
    ui::setMessageBoxHandler([](const ui::MessageBoxRequest& box) {
        ADD_FAILURE() << "unexpected message box: " << box.caption.toStdString() << ": "
                      << box.text.toStdString();
        return box.buttons == ui::MessageButtons::YesNo ? ui::MessageAnswer::No
                                                        : ui::MessageAnswer::Cancel;
    });
    ui::setFileDialogHandler([](const ui::FileDialogRequest& request) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return ui::FileDialogResult{ui::FileDialogStatus::Cancelled, {}};
    });
    ui::setFontDialogHandler([](const FontDescription&, FontDescription&) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    });
    ui::setModalHandler([](QDialog& dialog) {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog.metaObject()->className() << " "
                      << dialog.windowTitle().toStdString();
        return ui::kResultCancel;
    });
    ui::setPrintDialogHandler([](QPrinter&) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    });
    ui::setPrintPreviewHandler(
        [](QPrintPreviewDialog&) { ADD_FAILURE() << "unexpected print preview"; });
    ui::setToneRecorder([](int, int) {});
}
