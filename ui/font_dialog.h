#pragma once

#include "store/font_description.h"

#include <functional>

namespace ui {

// The font dialog, starting from the description. result is the description the dialog leaves:
// the chosen font after OK (keeping the start's character set, and its face name while the face
// is not changed), the start description unchanged after Cancel. True after OK.
bool chooseFont(const FontDescription& start, FontDescription& result);

// Tests answer the dialog: the handler gets the start description, fills result and returns
// whether OK was pressed. nullptr shows the real dialog.
using FontDialogHandler =
    std::function<bool(const FontDescription& start, FontDescription& result)>;
FontDialogHandler setFontDialogHandler(FontDialogHandler handler);

} // namespace ui
