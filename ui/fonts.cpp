#include "ui/fonts.h"

#include "store/card.h"
#include "ui/text_codec.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kStartPoints = 16;
constexpr int kLargestHeight = 1000; // pixels; larger heights in a file are damage, not fonts
constexpr int kFaceBytes = 31;

double screenDpi() {
    if (qGuiApp) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            return screen->logicalDotsPerInchY();
    }
    return 96.0;
}

void setFaceName(FontDescription& description, const QString& face) {
    std::memset(description.faceName, 0, sizeof description.faceName);
    assignText(description.faceName, ui::toStored(face)); // never a part of a character
}

QString faceName(const FontDescription& description) {
    return ui::fromStored(
        std::string_view(description.faceName, strnlen(description.faceName, kFaceBytes)));
}

QString firstInstalled(const QStringList& candidates, const QString& fallback) {
    const QStringList families = QFontDatabase::families();
    for (const QString& family : candidates) {
        if (families.contains(family, Qt::CaseInsensitive))
            return family;
    }
    return fallback;
}

bool isInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QFont::Weight qtWeight(int weight) {
    if (weight <= 0)
        return QFont::Normal;
    return static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

// A positive height is the cell (ascent plus descent); scale the pixel size until the cell fits.
int pixelSizeForCell(const QFont& font, int cellHeight) {
    QFont probe(font);
    probe.setPixelSize(cellHeight);
    int measured = QFontMetrics(probe).height();
    if (measured <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / measured)));
}

uint8_t pitchAndFamilyOf(const QFont& font) {
    if (QFontInfo(font).fixedPitch())
        return 49; // fixed pitch, modern
    if (font.styleHint() == QFont::Serif)
        return 18; // variable pitch, roman
    return 34;     // variable pitch, swiss
}

} // namespace

FontDescription questionFont = ui::startFontDescription();
FontDescription answerFont = ui::startFontDescription();
FontDescription printFont = ui::startFontDescription();

namespace ui {

FontDescription startFontDescription() {
    FontDescription description;
    description.height = -static_cast<int32_t>(std::lround(kStartPoints * screenDpi() / 72.0));
    description.weight = 400;
    description.charSet = 0;
    description.outPrecision = 3;
    description.clipPrecision = 2;
    description.quality = 1;
    description.pitchAndFamily = 34;
    setFaceName(description, QStringLiteral("MS Sans Serif"));
    return description;
}

void resetFonts() {
    questionFont = answerFont = printFont = startFontDescription();
}

void registerFontSubstitutes() {
    static bool registered = false;
    if (registered || !qGuiApp)
        return;
    registered = true;
    QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    QString sans =
        firstInstalled({"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans"}, general);
    QString serif =
        firstInstalled({"DejaVu Serif", "Liberation Serif", "Noto Serif", "FreeSerif"}, sans);
    QString mono = firstInstalled(
        {"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "FreeMono"}, fixed);
    for (const char* face : {"MS Sans Serif", "System", "Arial", "Tahoma", "Verdana"})
        QFont::insertSubstitutions(QString::fromLatin1(face), {sans, general});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {serif, sans});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {mono, fixed});
}

QFont makeFont(const FontDescription& description) {
    registerFontSubstitutes();
    QFont font(faceName(description));
    font.setWeight(qtWeight(description.weight));
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    if ((description.pitchAndFamily & 0xF0) == 0x10)
        font.setStyleHint(QFont::Serif);
    else if ((description.pitchAndFamily & 0x03) == 1)
        font.setStyleHint(QFont::TypeWriter);
    int height = std::clamp<int32_t>(description.height, -kLargestHeight, kLargestHeight);
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(pixelSizeForCell(font, height));
    else
        font.setPointSize(10);
    return font;
}

QFont makeFontWithCharHeight(const FontDescription& description, int characterHeight) {
    FontDescription copy = description;
    copy.height = -characterHeight;
    return makeFont(copy);
}

bool fontCanBeMade(const FontDescription& description) {
    registerFontSubstitutes();
    QString face = faceName(description);
    if (face.trimmed().isEmpty())
        return false;
    if (description.height < -kLargestHeight || description.height > kLargestHeight)
        return false;
    if (description.weight < 0 || description.weight > 1000)
        return false;
    if (isInstalled(face))
        return true;
    const QStringList substitutes = QFont::substitutes(face);
    return std::any_of(substitutes.begin(), substitutes.end(), isInstalled);
}

FontDescription describeFont(const QFont& font) {
    FontDescription description = startFontDescription();
    if (font.pixelSize() > 0)
        description.height = -font.pixelSize();
    else
        description.height =
            -static_cast<int32_t>(std::lround(font.pointSizeF() * screenDpi() / 72.0));
    description.weight = font.weight();
    description.italic = font.italic() ? 1 : 0;
    description.underline = font.underline() ? 1 : 0;
    description.strikeOut = font.strikeOut() ? 1 : 0;
    description.pitchAndFamily = pitchAndFamilyOf(font);
    setFaceName(description, font.family());
    return description;
}

} // namespace ui
