#pragma once

#include "ui/message_boxes.h"

#include <QPixmap>

namespace ui {

// The picture of a message box's icon, drawn for the screen's pixel ratio so that it stays
// crisp at any scale: a red disc with a cross (error), a blue disc with "i" (information) or "?"
// (question), a yellow triangle with "!" (warning). A null pixmap for no icon.
QPixmap messageIconPixmap(MessageIcon icon, int logicalSize, qreal pixelRatio);

} // namespace ui
