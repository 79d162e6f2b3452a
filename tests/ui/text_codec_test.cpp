#include "ui/text_codec.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextCodec, everyByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QString text = ui::fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    bool lossless = false;
    EXPECT_EQ(ui::toCp1252(text, &lossless), all);
    EXPECT_TRUE(lossless);
    EXPECT_TRUE(ui::fitsCp1252(text));
}

TEST(TextCodec, highBytesAreTheWindowsRow) {
    // 0x80-0x9F as the Windows-1252 code page lists them; the five unused codes keep their value.
    const std::u16string row = u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021"
                               u"\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F"
                               u"\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014"
                               u"\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178";
    std::string bytes;
    for (int b = 0x80; b <= 0x9F; ++b)
        bytes.push_back(static_cast<char>(b));
    EXPECT_EQ(ui::fromCp1252(bytes).toStdU16String(), row);
    EXPECT_EQ(ui::toCp1252(QString::fromStdU16String(row)), bytes);
    // The rest is Latin-1.
    EXPECT_EQ(ui::fromCp1252("\xE4\xFF\xA0\x7F"),
              QString::fromUtf8("\xC3\xA4\xC3\xBF\xC2\xA0\x7F"));
}

TEST(TextCodec, everyCharacterOfTheBasicPlaneMapsToOneByteOrAQuestionMark) {
    int held = 0;
    for (int code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF)
            continue;
        QString one(QChar(static_cast<char16_t>(code)));
        bool lossless = true;
        std::string bytes = ui::toCp1252(one, &lossless);
        ASSERT_EQ(bytes.size(), 1u) << code;
        EXPECT_EQ(lossless, ui::fitsCp1252(one)) << code;
        if (lossless) {
            ++held;
            EXPECT_EQ(ui::fromCp1252(bytes), one) << code;
        } else {
            EXPECT_EQ(bytes, "?") << code;
        }
    }
    EXPECT_EQ(held, 255); // every byte but 0
}

TEST(TextCodec, unheldCharactersBecomeOneQuestionMarkEach) {
    bool lossless = true;
    QString text = QString::fromUtf8("a\xE6\x97\xA5"
                                     "b\xF0\x9F\x98\x80"
                                     "c");
    EXPECT_EQ(ui::toCp1252(text, &lossless), "a?b?c");
    EXPECT_FALSE(lossless);
    EXPECT_FALSE(ui::fitsCp1252(text));
    EXPECT_EQ(ui::toCp1252(QString::fromUtf8("\xE2\x82\xAC 5")), "\x80 5");
}
