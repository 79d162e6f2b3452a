#pragma once

#include <QPixmap>

// The eight level pictures of 16 by 16 pixels: a diamond on a square with a peach edge in
// light green (0), green (1), yellow (2), orange (3) and dark red (4); the square alone (5);
// pictures 6 and 7 are empty. Drawn once, when first asked for.
const QPixmap& levelPixmap(int picture);
