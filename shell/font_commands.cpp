#include "shell/font_commands.h"

#include "shell/shell_texts.h"
#include "store/card.h"
#include "store/notices.h"
#include "ui/font_dialog.h"
#include "ui/fonts.h"
#include "ui/tone.h"

#include <cstring>
#include <utility>

namespace shell {
namespace {

// The tone for a font that cannot be read or made.
void fontBeep() {
    ui::beep(400, 400);
}

// Shows the font dialog from the font and returns what it leaves, with the default height.
FontDescription askForFont(const FontDescription& current) {
    if (!ui::fontCanBeMade(current))
        fontBeep();
    FontDescription chosen = current;
    ui::chooseFont(current, chosen);
    chosen.height = 0;
    return chosen;
}

} // namespace

void makeStartFonts() {
    FontDescription start = ui::startFontDescription();
    if (!ui::fontCanBeMade(start)) {
        std::memset(start.faceName, 0, sizeof start.faceName);
        assignText(start.faceName, "System");
    }
    questionFont = start;
    answerFont = start;
    printFont = start;
}

void chooseQuestionFont() {
    FontDescription chosen = askForFont(questionFont);
    questionFont = chosen;
    printFont = chosen;
    if (!ui::fontCanBeMade(printFont))
        fontBeep();
}

void chooseAnswerFont() {
    FontDescription chosen = askForFont(answerFont);
    answerFont = chosen;
    if (!ui::fontCanBeMade(answerFont))
        fontBeep();
}

FontDescription restoreFont(const FontDescription& fromFile) {
    if (ui::fontCanBeMade(fromFile))
        return fromFile;
    showError(text::FontNotFound);
    FontDescription chosen = fromFile;
    ui::chooseFont(fromFile, chosen);
    return chosen;
}

void restoreFonts(const FontDescription& questionFromFile, const FontDescription& answerFromFile) {
    questionFont = restoreFont(questionFromFile);
    answerFont = restoreFont(answerFromFile);
}

void exchangeFonts() {
    std::swap(questionFont, answerFont);
}

} // namespace shell
