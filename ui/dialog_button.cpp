#include "ui/dialog_button.h"

#include <QPushButton>
#include <QString>

namespace ui {

QPushButton* dialogButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    // Set explicitly rather than left to Qt's own choice, so the rule holds in every window.
    button->setAutoDefault(true);
    return button;
}

} // namespace ui
