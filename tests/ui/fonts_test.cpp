#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

FontDescription withFace(const char* face, int height = -16) {
    FontDescription description = ui::startFontDescription();
    std::memset(description.faceName, 0, sizeof description.faceName);
    std::strncpy(description.faceName, face, 31);
    description.height = height;
    return description;
}

} // namespace

TEST(Fonts, startDescriptionIsSixteenPointMsSansSerif) {
    FontDescription start = ui::startFontDescription();
    double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_EQ(start.height, -std::lround(16 * dpi / 72));
    EXPECT_STREQ(start.faceName, "MS Sans Serif");
    EXPECT_EQ(start.weight, 400);
    EXPECT_EQ(start.outPrecision, 3);
    EXPECT_EQ(start.clipPrecision, 2);
    EXPECT_EQ(start.quality, 1);
    EXPECT_EQ(start.pitchAndFamily, 34);
    questionFont.height = 5;
    ui::resetFonts();
    EXPECT_EQ(questionFont, start);
    EXPECT_EQ(printFont, start);
}

TEST(Fonts, heightMapsToPixelsCellOrDefault) {
    EXPECT_EQ(ui::makeFont(withFace("DejaVu Sans", -18)).pixelSize(), 18);
    EXPECT_EQ(ui::makeFontWithCharHeight(withFace("DejaVu Sans", 40), 12).pixelSize(), 12);

    QFont cell = ui::makeFont(withFace("DejaVu Sans", 30));
    EXPECT_LT(cell.pixelSize(), 30);
    EXPECT_NEAR(QFontMetrics(cell).height(), 30, 2);

    QFont standard = ui::makeFont(withFace("DejaVu Sans", 0));
    EXPECT_EQ(standard.pointSize(), 10);
}

TEST(Fonts, styleCarriesOver) {
    FontDescription description = withFace("DejaVu Serif");
    description.weight = 700;
    description.italic = description.underline = description.strikeOut = 1;
    QFont font = ui::makeFont(description);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    description.weight = 0; // "don't care"
    EXPECT_EQ(ui::makeFont(description).weight(), QFont::Normal);
}

// Faces of lists written on Windows show in their metric-compatible stand-ins (the test machine
// has the packages that bring them), any other face in the closest installed one; the face name
// itself stays.
TEST(Fonts, windowsFacesShowInInstalledStandIns) {
    const QStringList installed = QFontDatabase::families();
    const std::pair<const char*, const char*> rows[] = {{"Arial", "Liberation Sans"},
                                                        {"Times New Roman", "Liberation Serif"},
                                                        {"Courier New", "Liberation Mono"},
                                                        {"Calibri", "Carlito"},
                                                        {"Cambria", "Caladea"},
                                                        {"MS Sans Serif", nullptr},
                                                        {"Microsoft Sans Serif", nullptr},
                                                        {"Segoe UI", nullptr},
                                                        {"System", nullptr},
                                                        {"Tahoma", nullptr},
                                                        {"Verdana", nullptr},
                                                        {"No Such Face Anywhere", nullptr}};
    for (auto [face, standIn] : rows) {
        FontDescription description = withFace(face);
        EXPECT_TRUE(ui::fontCanBeMade(description)) << face;
        EXPECT_EQ(ui::makeFont(description).family(), QString::fromLatin1(face));
        const QString shown = ui::shownFamily(description);
        EXPECT_TRUE(installed.contains(shown)) << face << " -> " << shown.toStdString();
        if (standIn) {
            EXPECT_EQ(shown, QString::fromLatin1(standIn)) << face;
        }
    }
    EXPECT_TRUE(QFontInfo(ui::makeFont(withFace("Courier New"))).fixedPitch());
}

TEST(Fonts, fontsThatCannotBeMade) {
    EXPECT_FALSE(ui::fontCanBeMade(withFace("")));
    EXPECT_FALSE(ui::fontCanBeMade(withFace("   ")));
    EXPECT_FALSE(ui::fontCanBeMade(withFace("Arial", 100000)));
    EXPECT_FALSE(ui::fontCanBeMade(withFace("Arial", -100000)));
    FontDescription heavy = withFace("Arial");
    heavy.weight = 5000;
    EXPECT_FALSE(ui::fontCanBeMade(heavy));
    EXPECT_TRUE(ui::fontCanBeMade(withFace("Arial", 0)));
    EXPECT_TRUE(ui::fontCanBeMade(withFace("dejavu sans")));
}

TEST(Fonts, describeFontKeepsWhatMakeFontGot) {
    FontDescription description = withFace("DejaVu Serif", -24);
    description.weight = 700;
    description.italic = 1;
    FontDescription back = ui::describeFont(ui::makeFont(description));
    EXPECT_EQ(back.height, -24);
    EXPECT_EQ(back.weight, 700);
    EXPECT_EQ(back.italic, 1);
    EXPECT_EQ(back.underline, 0);
    EXPECT_STREQ(back.faceName, "DejaVu Serif");

    QFont points(QStringLiteral("DejaVu Sans"));
    points.setPointSize(12);
    double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
    EXPECT_EQ(ui::describeFont(points).height, -std::lround(12 * dpi / 72));
}

TEST(Fonts, describedFaceNameIsCutTo31Bytes) {
    QFont font(QString(40, QChar(u'\u00E9')));
    FontDescription description = ui::describeFont(font);
    // Fifteen two-byte letters: the sixteenth would be cut in half.
    std::string fifteen;
    for (int i = 0; i < 15; ++i)
        fifteen += "é";
    EXPECT_EQ(std::string(description.faceName), fifteen);
    EXPECT_EQ(description.faceName[31], '\0');
}
