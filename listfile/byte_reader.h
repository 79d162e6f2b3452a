#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// A cursor over the bytes of a file held in memory. A line ends with LF or CR LF; a CR that is
// not followed by LF is an ordinary byte. No read ever goes past the end.
class ByteReader {
public:
    // Every view it hands out points into the bytes (never null, also for no bytes).
    explicit ByteReader(std::string_view bytes) : bytes_(bytes.data() ? bytes : "") {}

    bool atEnd() const { return pos_ >= bytes_.size(); }
    // The next byte (0-255), or -1 at the end.
    int peek() const { return atEnd() ? -1 : static_cast<unsigned char>(bytes_[pos_]); }
    std::size_t position() const { return pos_; }

    // Whether a line end (LF or CR LF) starts here.
    bool atLineEnd() const;
    // Consumes a line end when one starts here.
    bool consumeLineEnd();
    // The rest of the current line without its line end; the line end is consumed.
    std::string_view readLine();
    // Skips through the next line end (or to the end).
    void skipLine();
    // Skips the head of a list file: everything through the third LF.
    void skipHead();
    // Advances by one byte.
    void skip() { pos_ += atEnd() ? 0 : 1; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// A decimal integer at the start of the text: leading blanks skipped, optional sign, then
// digits; whatever follows is ignored. Text that is no number gives 0; values beyond 32 bits
// are clamped to the nearest 32-bit value.
int32_t parseDecimal(std::string_view text);
