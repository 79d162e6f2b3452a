#include "listfile/list_writer.h"

#include "listfile/file_io.h"
#include "listfile/font_block.h"
#include "listfile/font_log.h"
#include "listfile/list_text.h"
#include "listfile/text_encoding.h"
#include "store/card_store.h"

#include <charconv>
#include <cstring>
#include <utility>

namespace {

std::string backupFolder;

// Bytes of the head and both font blocks, with room to spare.
constexpr std::size_t kHeadBytes = 1024;
// A card line's bytes besides its texts, at most: two numbers, five TABs, CR LF.
constexpr std::size_t kLineFrame = 2 * 11 + 7;
// Bytes a card line's texts may be written beyond its end, sixteen at a time.
constexpr std::size_t kLineSlack = 16;
// A save hands the file on to the system in pieces of this size, never holding it whole.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

std::size_t decimalBytes(int32_t number) {
    std::size_t bytes = number < 0 ? 2 : 1;
    for (int64_t rest = number < 0 ? -static_cast<int64_t>(number) : number; rest >= 10; rest /= 10)
        ++bytes;
    return bytes;
}

// The bytes the card lines take in UTF-8; Windows-1252 takes no more. A file made in memory
// is reserved once at this size, so it never grows by doubling and holds no more than the file.
std::size_t cardLineBytes(const CardList& list) {
    std::size_t bytes = 0;
    list.forEach([&](const Card* card) {
        bytes += card->question().size() + card->answer().size() + card->lesson().size() +
                 card->additionalInfo().size() + decimalBytes(card->level) +
                 decimalBytes(card->id) + 7; // five TABs, CR LF
    });
    return bytes;
}

// The file's bytes as they are made: in one buffer that holds the whole file, or, with a sink,
// in a buffer of one piece that goes to the sink whenever the next bytes do not fit.
class FileBytes {
public:
    FileBytes(std::size_t size, FileSink* sink) : sink_(sink) { buffer_.resize(size); }

    // A place for at least this many bytes; what is written there counts once passed to
    // advance.
    char* room(std::size_t bytes) {
        if (buffer_.size() - used_ < bytes) {
            flush();
            if (buffer_.size() - used_ < bytes)
                buffer_.resize(std::max(used_ + bytes, 2 * buffer_.size()));
        }
        return buffer_.data() + used_;
    }
    void advance(const char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
    void append(std::string_view bytes) {
        char* at = room(bytes.size());
        std::memcpy(at, bytes.data(), bytes.size());
        advance(at + bytes.size());
    }

    void flush() {
        if (sink_ && used_ > 0) {
            sink_->write({buffer_.data(), used_});
            used_ = 0;
        }
    }
    // Forgets what was made (a sink has to start again itself).
    void clear() { used_ = 0; }
    bool failed() const { return sink_ && sink_->error() != 0; }
    LargeBytes take() {
        buffer_.resize(used_);
        return std::move(buffer_);
    }

private:
    LargeBytes buffer_;
    std::size_t used_ = 0;
    FileSink* sink_;
};

// The texts of a card whose answer has an encoding of its own, each followed by its TAB.
char* encodeTextsOneByOne(char* out, const Card& card, ListEncoding encoding) {
    const TextEncoding other = encoding.question;
    const std::pair<std::string_view, TextEncoding> texts[] = {{card.question(), other},
                                                               {card.answer(), encoding.answer},
                                                               {card.lesson(), other},
                                                               {card.additionalInfo(), other}};
    for (auto [text, textEncoding] : texts) {
        out = encodeText(out, text, textEncoding);
        if (!out)
            return nullptr;
        *out++ = '\t';
    }
    return out;
}

// A card line; out has room for its bytes and kLineSlack more.
char* encodeCardLine(char* out, const Card& card, ListEncoding encoding) {
    const TextEncoding other = encoding.question;
    // In one encoding the four texts are encoded as they lie, their ends becoming the TABs.
    if (encoding.answer == other)
        out = encodeTexts(out, card.texts.all(), other);
    else
        out = encodeTextsOneByOne(out, card, encoding);
    if (!out)
        return nullptr;
    out = std::to_chars(out, out + 11, card.level).ptr;
    *out++ = '\t';
    out = std::to_chars(out, out + 11, card.id).ptr;
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

// One line per card of the list, in list order; false as soon as a text does not fit the
// encoding or the sink failed.
bool writeCardLines(const CardList& list, FileBytes& out, ListEncoding encoding) {
    bool written = true;
    list.forEach([&](const Card* card) {
        if (!written)
            return;
        std::size_t bound = card->question().size() + card->answer().size() +
                            card->lesson().size() + card->additionalInfo().size() + kLineFrame +
                            kLineSlack;
        char* end = encodeCardLine(out.room(bound), *card, encoding);
        if (end)
            out.advance(end);
        written = end && !out.failed();
    });
    return written;
}

// The whole file in the encoding; false as soon as a text does not fit it.
bool writeListBytes(FileBytes& out, const CardList& list, const CardList& known,
                    const FontDescription& questionFont, const FontDescription& answerFont,
                    ListEncoding encoding) {
    std::string head = "\x80#File fuer Zelkprogramm\r\n";
    head += encoding.isUtf8() ? kUtf8FormatLine : kCp1252FormatLine;
    head += "\r\nfrage\tantwort\tstufe\tlektion\tkarte_id\r\n";
    if (!writeFontBlock(head, questionFont, encoding.question) ||
        !writeFontBlock(head, answerFont, encoding.answer))
        return false;
    out.append(head);
    if (!writeCardLines(list, out, encoding))
        return false;
    out.append("\r\n");
    return writeCardLines(known, out, encoding);
}

// The code pages of the fonts first, as every list was written before: a text that does not
// fit its code page means the whole file is written again in UTF-8.
void writeFile(FileBytes& out, FileSink* sink, const CardList& list, const CardList& known,
               const FontDescription& questionFont, const FontDescription& answerFont) {
    if (!writeListBytes(out, list, known, questionFont, answerFont,
                        listEncodingOfFonts(questionFont, answerFont))) {
        out.clear();
        if (sink && !sink->restart())
            return;
        writeListBytes(out, list, known, questionFont, answerFont, TextEncoding::utf8);
    }
    out.flush();
}

} // namespace

void setListBackupFolder(std::string folder) {
    backupFolder = std::move(folder);
}

LargeBytes listFileBuffer(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont) {
    FileBytes out(kHeadBytes + kLineFrame + kLineSlack + cardLineBytes(list) + cardLineBytes(known),
                  nullptr);
    writeFile(out, nullptr, list, known, questionFont, answerFont);
    return out.take();
}

std::string listFileBytes(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont) {
    LargeBytes bytes = listFileBuffer(list, known, questionFont, answerFont);
    return {bytes.data(), bytes.size()};
}

FileResult writeListFile(const CardList& list, const std::string& path, FileInfo& info,
                         const FontDescription& questionFont, const FontDescription& answerFont) {
    info.fileName = path;
    // Only a list without any card is refused: a list whose cards are all known is still saved.
    if (countCards(list) == 0 && countCards(knownList) == 0)
        return fileFailure(FileError::NoCards, listfile::text::NoCards, path);
    FileResult result = replaceFileWith(
        path,
        [&](FileSink& sink) {
            FileBytes out(kPieceBytes, &sink);
            writeFile(out, &sink, list, knownList, questionFont, answerFont);
        },
        backupFolder);
    if (!result.ok())
        return result;
    // Only a save that happened is logged; a log that cannot be opened is reported once per
    // save, not once per font.
    if (!appendFontLogEntry(questionFont, true, path) ||
        !appendFontLogEntry(answerFont, false, path))
        result.warningText = listfile::text::FontLogNotOpened;
    info.formatName = "Version 2.0";
    info.mainCount = countCards(list);
    info.knownCount = countCards(knownList);
    modifiedFlag = 0;
    return result;
}
