#include "exam/chooser_buttons.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>

ChooserButtons addChooserButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QCoreApplication::translate("ChooserButtons", "OK"));
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("ChooserButtons", "Cancel"));
    cancel->setObjectName(QStringLiteral("2"));
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return {ok, cancel};
}
