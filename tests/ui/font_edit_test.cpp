#include "ui/character_limit.h"
#include "ui/font_edit.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// Types the text a character at a time, as a keyboard with any layout would.
void typeText(QWidget* widget, const QString& text) {
    for (char32_t ch : text.toUcs4()) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                        QString::fromUcs4(&ch, 1));
        QApplication::sendEvent(widget, &press);
    }
}

} // namespace

TEST(FontEdit, setFontFromUsesTheCharacterHeightAndKeepsTheValue) {
    FontEdit edit;
    FontDescription source = ui::startFontDescription();
    source.italic = 1;
    edit.setFontFrom(source, 12, 77);
    EXPECT_EQ(edit.fontDescription().height, -12);
    EXPECT_EQ(edit.fontDescription().italic, 1);
    EXPECT_EQ(edit.value(), 77);
    EXPECT_EQ(edit.font().pixelSize(), 12);
    EXPECT_TRUE(edit.font().italic());

    FontEdit copy(source);
    EXPECT_EQ(copy.fontDescription(), source);
}

// Any script goes in, up to the limit in characters: a character beyond the basic plane (two
// UTF-16 units) counts once.
TEST(FontEdit, typingTakesEveryScriptAndStopsAtTheLimitInCharacters) {
    FontEdit edit;
    ui::limitCharacters(&edit, 5);
    edit.show();
    typeText(&edit, QString::fromUtf8("ä€語😀λabcdef"));
    EXPECT_EQ(edit.textBytes(), "ä€語😀λ");
    edit.selectAll();
    edit.insert(QString::fromUtf8("日本語"));
    EXPECT_EQ(edit.textBytes(), "日本語");
    edit.setTextBytes("Straße “x” كلمة");
    EXPECT_EQ(edit.text(), QString::fromUtf8("Straße “x” كلمة"));
    EXPECT_EQ(edit.textBytes(), "Straße “x” كلمة"); // longer than the limit, set by the program
}
