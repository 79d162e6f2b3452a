#include "ui/text_codec.h"

namespace ui {

QString fromStored(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toStored(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string composedText(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return toStored(fromStored(text).normalized(QString::NormalizationForm_C));
    return std::string(text);
}

qsizetype characterCount(const QString& text) {
    qsizetype count = text.size();
    for (QChar c : text)
        count -= c.isLowSurrogate() ? 1 : 0;
    return count;
}

} // namespace ui
