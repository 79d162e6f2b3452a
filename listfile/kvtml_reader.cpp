#include "listfile/kvtml_reader.h"

#include "listfile/kvtml_parser.h"

#include <QByteArray>

#include <array>
#include <atomic>
#include <exception>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Smaller files are read faster than a second thread starts.
constexpr std::size_t kTwoPartSize = 1 << 20;
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// What the second part is read after, so that it reads as a document of its own.
constexpr std::string_view kSecondPartHead = "<kvtml><entries>";

// The UTF-16 code units the UTF-8 bytes make: one per character, two for those beyond U+FFFF.
qint64 utf16Length(std::string_view utf8) {
    qint64 units = 0;
    for (char c : utf8) {
        auto byte = static_cast<unsigned char>(c);
        units += ((byte & 0xC0) != 0x80) + (byte >= 0xF0);
    }
    return units;
}

// Where the start tag that begins at `from` ends, or npos when it does not end before the next
// "<" (a start tag holds no "<"; a ">" may stand in a quoted attribute value).
std::size_t startTagEnd(std::string_view bytes, std::size_t from) {
    char quote = 0;
    for (std::size_t i = from + 1; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '<')
            return std::string_view::npos;
        if (quote != 0)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '>')
            return i + 1;
    }
    return std::string_view::npos;
}

// The first "<entry" tag from the middle of the bytes on, or npos.
std::size_t splitPoint(std::string_view bytes) {
    for (std::size_t at = bytes.find("<entry", bytes.size() / 2); at != std::string_view::npos;
         at = bytes.find("<entry", at + 1)) {
        std::size_t after = at + 6;
        if (after < bytes.size() &&
            std::string_view(" \t\r\n/>").find(bytes[after]) != std::string_view::npos)
            return at;
    }
    return std::string_view::npos;
}

// A file read as UTF-8 (its encoding declaration is the parser's to check).
bool startsAsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    return bytes.size() >= 4 && bytes[0] == '<' && bytes.substr(0, 4).find('\0') == bytes.npos;
}

// Reads the second half of the file in a thread of its own while the parser of the whole file
// reads the first half. The halves are joined only when that parser, reading on, comes to the
// second half's first entry as an entry of the file's entries, and the second half read
// without fault; otherwise the parser reads on alone (and finds the fault the second half had).
class TwoPartReading : public KvtmlSplitter {
public:
    explicit TwoPartReading(std::string_view bytes)
        : bytes_(bytes), bom_(bytes.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0) {}
    ~TwoPartReading() override {
        stop_ = true;
        finish();
    }

    qint64 entriesBegin(qint64 offset, const QString (&sideIds)[2]) override {
        std::size_t split = splitPoint(bytes_);
        std::size_t tagEnd = split == std::string_view::npos ? split : startTagEnd(bytes_, split);
        if (tagEnd == std::string_view::npos)
            return -1;
        qint64 splitOffset = utf16Length(bytes_.substr(bom_, split - bom_));
        if (splitOffset <= offset)
            return -1;
        tagLength_ = utf16Length(bytes_.substr(split, tagEnd - split));
        std::string_view rest = bytes_.substr(split);
        thread_ = std::thread([this, rest, sides = std::array{sideIds[0], sideIds[1]}] {
            try {
                QByteArray document;
                document.reserve(static_cast<qsizetype>(kSecondPartHead.size() + rest.size()));
                document.append(kSecondPartHead.data(),
                                static_cast<qsizetype>(kSecondPartHead.size()));
                document.append(rest.data(), static_cast<qsizetype>(rest.size()));
                QString sideIds[2] = {sides[0], sides[1]};
                // The reader and its device stay in this thread.
                KvtmlParser second(document, sideIds, &stop_);
                secondResult_ = second.parse();
                secondFirstEntryEnd_ = second.firstEntryEnd();
                secondPart_ = std::move(second.part());
            } catch (const std::exception&) {
                secondResult_ = fileFailure(FileError::NotAList, 0);
            }
        });
        return splitOffset + tagLength_;
    }

    bool reachedSplit(bool exactly) override {
        if (!exactly)
            stop_ = true;
        finish();
        return exactly && secondResult_ && secondResult_->ok() &&
               secondFirstEntryEnd_ == static_cast<qint64>(kSecondPartHead.size()) + tagLength_;
    }

    KvtmlPart& secondPart() { return secondPart_; }

private:
    void finish() {
        if (thread_.joinable())
            thread_.join();
    }

    std::string_view bytes_;
    std::size_t bom_;
    qint64 tagLength_ = 0; // of the split's start tag, in characters
    std::optional<FileResult> secondResult_;
    qint64 secondFirstEntryEnd_ = -1;
    KvtmlPart secondPart_;
    std::atomic<bool> stop_ = false;
    std::thread thread_;
};

} // namespace

FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards) {
    bool joined = false;
    return readKvtmlCards(bytes, cards, bytes.size() >= kTwoPartSize, joined);
}

FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards, bool inTwoParts,
                          bool& joined) {
    cards.clear();
    joined = false;
    std::optional<TwoPartReading> twoParts;
    if (inTwoParts && startsAsUtf8(bytes))
        twoParts.emplace(bytes);
    KvtmlParser parser(bytes, twoParts ? &*twoParts : nullptr);
    FileResult result = parser.parse();
    if (!result.ok())
        return result;
    std::vector<KvtmlPart> parts;
    parts.push_back(std::move(parser.part()));
    joined = parser.stoppedAtSplit();
    if (joined)
        parts.push_back(std::move(twoParts->secondPart()));
    cards = joinKvtmlParts(parts);
    return result;
}
