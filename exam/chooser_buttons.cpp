#include "exam/chooser_buttons.h"

#include "exam/exam_control_ids.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>

ChooserButtons addChooserButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QCoreApplication::translate("ChooserButtons", "OK"));
    ok->setObjectName(QString::number(examctl::chooser::Ok));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("ChooserButtons", "Cancel"));
    cancel->setObjectName(QString::number(examctl::chooser::Cancel));
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return {ok, cancel};
}
