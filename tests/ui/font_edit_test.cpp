#include "ui/font_edit.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

// Types the text a character at a time, as a keyboard with any layout would.
void typeText(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
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

TEST(FontEdit, typingStopsAtTheLimitAndRefusesForeignCharacters) {
    FontEdit edit;
    edit.setMaxLength(5);
    edit.show();
    typeText(&edit, QString::fromUtf8("\xC3\xA4\xE2\x82\xAC"
                                      "abcdef"));
    EXPECT_EQ(edit.textBytes(), "\xE4\x80"
                                "abc");

    edit.clear();
    typeText(&edit, QString::fromUtf8("a\xE6\x97\xA5"
                                      "b\xD0\x96"));
    EXPECT_EQ(edit.text(), "ab");
}

TEST(FontEdit, pastedTextWithForeignCharactersIsRefused) {
    FontEdit edit;
    edit.setTextBytes("ok");
    edit.selectAll();
    edit.insert(QString::fromUtf8("\xE6\x97\xA5"));
    EXPECT_EQ(edit.textBytes(), "ok");
}

TEST(FontEdit, bytesRoundTrip) {
    FontEdit edit;
    edit.setTextBytes("Stra\xDF"
                      "e \x93x\x94");
    EXPECT_EQ(edit.text(), QString::fromUtf8("Stra\xC3\x9F"
                                             "e \xE2\x80\x9Cx\xE2\x80\x9D"));
    EXPECT_EQ(edit.textBytes(), "Stra\xDF"
                                "e \x93x\x94");
}
