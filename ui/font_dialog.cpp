#include "ui/font_dialog.h"

#include "ui/dialog_parent.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QFontDialog>

#include <utility>

namespace ui {
namespace {

FontDialogHandler& fontDialogHandler() {
    static FontDialogHandler handler;
    return handler;
}

} // namespace

bool chooseFont(const FontDescription& start, FontDescription& result) {
    result = start;
    if (fontDialogHandler()) {
        FontDialogHandler handler = fontDialogHandler();
        return handler(start, result);
    }
    bool accepted = false;
    // The dialog lists installed faces only: it starts on the face the font shows in.
    QFont initial = makeFont(start);
    initial.setFamily(shownFamily(start));
    QFont chosen = QFontDialog::getFont(&accepted, initial, dialogParent());
    if (accepted)
        result = describeFont(chosen, start);
    return accepted;
}

FontDialogHandler setFontDialogHandler(FontDialogHandler handler) {
    return std::exchange(fontDialogHandler(), std::move(handler));
}

} // namespace ui
