#pragma once

#include <QIcon>

namespace pictures {

// The window icon: the scalable drawing, with the 256 x 256 picture as a fallback for the
// sizes where no SVG image plugin is at hand.
QIcon applicationIcon();

} // namespace pictures
