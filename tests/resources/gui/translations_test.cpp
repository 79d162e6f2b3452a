#include "resources/menu_table.h"
#include "resources/string_table.h"
#include "resources/translations.h"

#include <QFile>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

const QLocale german(QLocale::German, QLocale::Germany);

} // namespace

// The shipped German covers every numbered text and every menu text, none of them empty.
TEST(TranslationsTest, germanCoversEveryNumberedAndMenuText) {
    QTranslator translator;
    ASSERT_TRUE(translations::loadProgramTranslation(translator, german));
    for (int number : strings::numbers()) {
        const QByteArray key = QByteArray::number(number);
        EXPECT_FALSE(translator.translate("Strings", strings::englishText(number), key).isEmpty())
            << "text " << number << " has no German";
    }
    for (const menu::MenuPopup& popup : menu::mainMenu()) {
        EXPECT_FALSE(translator.translate("Menu", popup.title).isEmpty()) << popup.title;
        for (const menu::MenuEntry& entry : popup.entries) {
            if (!entry.isSeparator()) {
                EXPECT_FALSE(translator.translate("Menu", entry.text).isEmpty()) << entry.text;
            }
        }
    }
    // Window texts: lupdate marks a text it found but nobody translated as unfinished.
    QFile ts(QStringLiteral(ZELKORA_RESOURCES_DIR "/translations/zelkora_de.ts"));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QByteArray source = ts.readAll();
    EXPECT_FALSE(source.contains("type=\"unfinished\""));
    EXPECT_FALSE(source.contains("<translation></translation>"));
}

// The locale picks the language; one without a translation, or none installed, gives English.
// The old-format message is German in both.
TEST(TranslationsTest, theLocaleChoosesTheLanguageOfTablesAndMenus) {
    struct Case {
        QLocale locale;
        bool found;
        const char* error;
        const char* file;
    };
    const Case cases[] = {
        {german, true, "Ein Fehler ist aufgetreten", "&Datei"},
        {QLocale(QLocale::German, QLocale::Austria), true, "Ein Fehler ist aufgetreten", "&Datei"},
        {QLocale(QLocale::French, QLocale::France), false, "An error occurred", "&File"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(translations::install(c.locale), c.found) << c.file;
        EXPECT_STREQ(strings::text(163), c.error);
        EXPECT_EQ(translations::menuText("&File"), QString::fromUtf8(c.file));
        EXPECT_STREQ(strings::text(123), strings::englishText(123));
    }
    translations::install(german);
    translations::remove();
    EXPECT_STREQ(strings::text(163), "An error occurred");
}
