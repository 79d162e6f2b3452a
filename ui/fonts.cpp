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

bool isInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The installed faces of the list, in its order.
QStringList installedOf(std::initializer_list<const char*> faces) {
    QStringList found;
    for (const char* face : faces) {
        if (isInstalled(QString::fromLatin1(face)))
            found << QString::fromLatin1(face);
    }
    return found;
}

// The Windows faces that lists carry and the installed faces that stand in for them, best first:
// the metric-compatible face where there is one (same widths, so texts take the room they took
// on Windows), then a face of the same kind. A face named nowhere here is left to the system's
// own matching (fontconfig), which takes the closest installed face.
void registerWindowsFaces(const QString& general, const QString& fixed) {
    const QStringList sans =
        installedOf({"DejaVu Sans", "Liberation Sans", "Noto Sans", "FreeSans"}) << general;
    const QStringList serif =
        installedOf({"DejaVu Serif", "Liberation Serif", "Noto Serif", "FreeSerif"}) << sans;
    const QStringList mono =
        installedOf({"DejaVu Sans Mono", "Liberation Mono", "Noto Sans Mono", "FreeMono"}) << fixed;
    const QStringList arial = installedOf({"Liberation Sans", "Arimo"}) << sans;
    const QStringList times = installedOf({"Liberation Serif", "Tinos"}) << serif;
    const QStringList courier = installedOf({"Liberation Mono", "Cousine"}) << mono;
    const struct {
        std::initializer_list<const char*> faces;
        QStringList standIns;
    } groups[] = {
        {{"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "System",
          "Tahoma", "Verdana", "Segoe UI"},
         sans},
        {{"Arial", "Helvetica"}, arial},
        {{"Arial Narrow"}, installedOf({"Liberation Sans Narrow"}) << arial},
        {{"Times New Roman", "Times", "MS Serif"}, times},
        {{"Courier New", "Courier"}, courier},
        {{"Calibri"}, installedOf({"Carlito"}) << sans},
        {{"Cambria"}, installedOf({"Caladea"}) << serif},
    };
    for (const auto& group : groups) {
        for (const char* face : group.faces)
            QFont::insertSubstitutions(QString::fromLatin1(face), group.standIns);
    }
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
    registerWindowsFaces(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
                         QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
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

// A missing face is no failure: its stand-in, or the closest installed face, shows instead.
bool fontCanBeMade(const FontDescription& description) {
    registerFontSubstitutes();
    if (faceName(description).trimmed().isEmpty())
        return false;
    if (description.height < -kLargestHeight || description.height > kLargestHeight)
        return false;
    if (description.weight < 0 || description.weight > 1000)
        return false;
    return !QFontDatabase::families().isEmpty();
}

QString shownFamily(const FontDescription& description) {
    return QFontInfo(makeFont(description)).family();
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

FontDescription describeFont(const QFont& chosen, const FontDescription& start) {
    FontDescription description = describeFont(chosen);
    description.charSet = start.charSet;
    description.outPrecision = start.outPrecision;
    description.clipPrecision = start.clipPrecision;
    description.quality = start.quality;
    if (chosen.family().compare(shownFamily(start), Qt::CaseInsensitive) == 0)
        std::memcpy(description.faceName, start.faceName, sizeof description.faceName);
    return description;
}

} // namespace ui
