#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

// A cursor over the bytes of a file held in memory, whole or a window at a time. A line ends with
// LF or CR LF; a CR that is not followed by LF is an ordinary byte. No read ever goes past the end.
class ByteReader {
public:
    // Where a reader over a file read in pieces gets more: given the bytes not read yet, it
    // returns the next window, which starts with them (they may have moved). A window no longer
    // than they are means the file has ended.
    using Refill = std::function<std::string_view(std::string_view unread)>;

    // Every view it hands out points into the bytes (never null, also for no bytes); with a
    // refill, only until the next call that reads on.
    explicit ByteReader(std::string_view bytes, Refill refill = {})
        : bytes_(bytes.data() ? bytes : ""), refill_(std::move(refill)) {}

    bool atEnd() { return !available(1); }
    // The next byte (0-255), or -1 at the end.
    int peek() { return atEnd() ? -1 : static_cast<unsigned char>(bytes_[pos_]); }
    // Where the reader stands in the bytes it was given (a reader without refill).
    std::size_t position() const { return pos_; }
    // The bytes at hand now: the line just read lies within them.
    std::string_view window() const { return bytes_; }

    // Whether a line end (LF or CR LF) starts here.
    bool atLineEnd();
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
    // Whether n more bytes are there, fetching them when the file has them.
    bool available(std::size_t n) { return bytes_.size() - pos_ >= n || (refill_ && fetch(n)); }
    bool fetch(std::size_t n);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    Refill refill_;
};

// A decimal integer at the start of the text: leading blanks skipped, optional sign, then
// digits; whatever follows is ignored. Text that is no number gives 0; values beyond 32 bits
// are clamped to the nearest 32-bit value.
int32_t parseDecimal(std::string_view text);
