#include "exam/chooser_buttons.h"

#include "exam/exam_control_ids.h"
#include "ui/dialog_button.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>

ChooserButtons addChooserButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    QPushButton* ok = ui::addDialogButton(row, QCoreApplication::translate("ChooserButtons", "OK"),
                                          examctl::chooser::Ok);
    ok->setDefault(true);
    QPushButton* cancel = ui::addDialogButton(
        row, QCoreApplication::translate("ChooserButtons", "Cancel"), examctl::chooser::Cancel);
    layout->addLayout(row);
    return {ok, cancel};
}
