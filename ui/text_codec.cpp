#include "ui/text_codec.h"

#include <array>
#include <cstdint>

namespace ui {
namespace {

// Windows-1252 at 0x80-0x9F; the five unused codes keep the C1 control of the same value so
// that every byte comes back unchanged.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t unicodeOf(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// The byte for a character, or -1 when Windows-1252 has none.
int byteOf(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

} // namespace

QString fromCp1252(std::string_view bytes) {
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (char c : bytes)
        *out++ = QChar(unicodeOf(static_cast<unsigned char>(c)));
    return text;
}

std::string toCp1252(const QString& text, bool* lossless) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    bool complete = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar ch = text.at(i);
        int byte = byteOf(ch.unicode());
        if (byte < 0) {
            complete = false;
            byte = '?';
            // A character outside the basic plane is one '?', not two.
            if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ++i;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    if (lossless)
        *lossless = complete;
    return bytes;
}

bool fitsCp1252(const QString& text) {
    for (QChar ch : text) {
        if (byteOf(ch.unicode()) < 0)
            return false;
    }
    return true;
}

} // namespace ui
