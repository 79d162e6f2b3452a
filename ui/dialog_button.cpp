#include "ui/dialog_button.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QString>

namespace ui {

QPushButton* dialogButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Set explicitly rather than left to Qt's own choice, so the rule holds in every window.
    button->setAutoDefault(true);
    return button;
}

QPushButton* dialogButton(const QString& text, int id, QWidget* parent) {
    return dialogButton(text, QString::number(id), parent);
}

QPushButton* addDialogButton(QBoxLayout* row, const QString& text, int id) {
    QPushButton* button = dialogButton(text, id);
    row->addWidget(button);
    return button;
}

} // namespace ui
