#include "listfile/byte_reader.h"

#include <cstring>
#include <limits>

bool ByteReader::fetch(std::size_t n) {
    while (refill_ && bytes_.size() - pos_ < n) {
        std::string_view unread = bytes_.substr(pos_);
        std::string_view window = refill_(unread);
        bytes_ = window.data() ? window : "";
        pos_ = 0;
        if (window.size() <= unread.size())
            refill_ = nullptr; // the file has ended
    }
    return bytes_.size() - pos_ >= n;
}

bool ByteReader::atLineEnd() {
    if (atEnd())
        return false;
    char c = bytes_[pos_];
    return c == '\n' || (c == '\r' && available(2) && bytes_[pos_ + 1] == '\n');
}

bool ByteReader::consumeLineEnd() {
    if (!atLineEnd())
        return false;
    pos_ += bytes_[pos_] == '\r' ? 2 : 1;
    return true;
}

std::string_view ByteReader::readLine() {
    const void* lf = nullptr;
    for (;;) {
        lf = std::memchr(bytes_.data() + pos_, '\n', bytes_.size() - pos_);
        // A line that runs past the window continues in the next one.
        if (lf || !available(bytes_.size() - pos_ + 1))
            break;
    }
    std::size_t start = pos_;
    std::size_t end =
        lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - bytes_.data()) : bytes_.size();
    pos_ = lf ? end + 1 : end;
    if (lf && end > start && bytes_[end - 1] == '\r')
        --end;
    return bytes_.substr(start, end - start);
}

void ByteReader::skipLine() {
    readLine();
}

void ByteReader::skipHead() {
    for (int line = 0; line < 3 && !atEnd(); ++line)
        readLine();
}

int32_t parseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > -kMin) // stays clamped however many digits follow
            value = -kMin;
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(value > kMax ? kMax : value);
}
