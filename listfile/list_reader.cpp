#include "listfile/list_reader.h"

#include "listfile/card_line.h"
#include "listfile/csv_reader.h"
#include "listfile/file_io.h"
#include "listfile/font_block.h"
#include "listfile/kvtml_reader.h"
#include "listfile/threaded_card_reader.h"
#include "store/card_arena.h"
#include "store/card_store.h"
#include "store/large_memory.h"
#include "store/utf8.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr int kOldFormatMark = 0x7E;
constexpr int kVersion102Mark = 0x7F;
constexpr int kVersion20Mark = 0x80;
// An imported question or answer keeps at most this many characters.
constexpr std::size_t kImportFieldLimit = 99;

Card* newCard(CardList& list) {
    Card* card = makeCard();
    appendCard(list, card);
    return card;
}

void readCardLine(Card& card, ByteReader& in, CardLineDecoder& decoder) {
    std::string_view text = in.readLine();
    CardLine line = decoder.decode(text, in.window());
    assignCleanTexts(card, line.texts[0], line.texts[1], line.texts[2], line.texts[3]);
    card.level = line.level;
    card.id = line.id; // replaces the id the card was made with
}

// The question runs to the next TAB, across line ends (each kept as one LF).
void readImportedCard(Card& card, ByteReader& in, TextEncoding encoding) {
    std::string question;
    while (!in.atEnd() && in.peek() != '\t') {
        if (in.consumeLineEnd()) {
            question += '\n';
            continue;
        }
        question += static_cast<char>(in.peek());
        in.skip();
    }
    in.skip(); // the TAB
    std::string scratch[2];
    std::string_view answer = in.readLine();
    assignTexts(card,
                leadingCharacters(decodeField(question, encoding, scratch[0]), kImportFieldLimit),
                leadingCharacters(decodeField(answer, encoding, scratch[1]), kImportFieldLimit),
                card.lesson(), card.additionalInfo());
}

// The head's second line says whether the texts are UTF-8; the head is skipped as before,
// through its third line end.
TextEncoding readHead(ByteReader& in) {
    in.readLine();
    bool utf8 = !in.atEnd() && in.readLine() == kUtf8FormatLine;
    if (!in.atEnd())
        in.readLine();
    return utf8 ? TextEncoding::utf8 : TextEncoding::cp1252;
}

int readCards(CardList& list, ByteReader& in, ListEncoding encoding) {
    int count = 0;
    CardLineDecoder decoder(encoding);
    while (!in.atEnd() && !in.consumeLineEnd()) {
        readCardLine(*newCard(list), in, decoder);
        ++count;
    }
    return count;
}

FileResult readBytes(CardList& list, std::string_view bytes, FileInfo& info,
                     const FontRestore& restore);
bool isListMark(int mark);
FileResult readList(CardList& list, ByteReader& in, FileInfo& info, const FontRestore& restore,
                    bool threaded = false);

} // namespace

int readCardLines(CardList& list, ByteReader& in, ListEncoding encoding) {
    return readCards(list, in, encoding);
}

void importTextLines(CardList& list, ByteReader& in, FileInfo& info, TextEncoding encoding) {
    int count = 0;
    while (!in.atEnd()) {
        // An empty line where a card would start holds no text: skipping it loses nothing, and
        // spares a question that begins with a line end or, at the end of the file, a card with
        // a line end as its question and no answer. Inside a question (a line without a TAB
        // runs on into the next) every line end, empty lines included, is kept.
        if (in.consumeLineEnd())
            continue;
        readImportedCard(*newCard(list), in, encoding);
        ++count;
    }
    info.mainCount = count;
    info.knownCount = 0;
}

FileResult readListBytes(CardList& list, std::string_view bytes, FileInfo& info,
                         const FontRestore& restore) {
    return readBytes(list, bytes, info, restore);
}

FileResult readListInPieces(CardList& list, std::string_view bytes, std::size_t piece,
                            FileInfo& info, const FontRestore& restore) {
    std::string window;
    std::size_t given = 0;
    ByteReader in({}, [&](std::string_view unread) {
        window = std::string(unread);
        std::size_t more = std::min(piece, bytes.size() - given);
        window.append(bytes.substr(given, more));
        given += more;
        return std::string_view(window);
    });
    return isListMark(in.peek()) ? readList(list, in, info, restore, true) : FileResult{};
}

namespace {

bool isListMark(int mark) {
    return mark == kOldFormatMark || mark == kVersion102Mark || mark == kVersion20Mark;
}

// A file in the list format, whole or read in pieces; a large one with its cards decoded in a
// second thread.
FileResult readList(CardList& list, ByteReader& in, FileInfo& info, const FontRestore& restore,
                    bool threaded) {
    int mark = in.peek();
    if (mark == kOldFormatMark)
        return fileFailure(FileError::OldFormat, listfile::text::OldFormat);
    info.formatName = mark == kVersion20Mark ? "zelk v 2.0" : "zelk v 1.0.2";
    ListEncoding encoding = readHead(in);
    if (mark == kVersion20Mark) {
        FontDescription question = readFontBlock(in, encoding.question);
        FontDescription answer = readFontBlock(in, encoding.answer);
        // The head's UTF-8 mark counts over any character set.
        if (!encoding.isUtf8())
            encoding = listEncodingOfFonts(question, answer);
        if (restore)
            restore(question, answer);
    }
    if (threaded) {
        PartCounts counts = readCardLinesThreaded(list, knownList, in, encoding);
        info.mainCount = counts.main;
        info.knownCount = counts.known;
    } else {
        info.mainCount = readCards(list, in, encoding);
        info.knownCount = readCards(knownList, in, encoding);
    }
    modifiedFlag = 0;
    return {};
}

FileResult importText(CardList& list, std::string_view bytes, FileInfo& info) {
    // Text holds no NUL byte; a file that does (a picture, a program, a packed archive)
    // would only give garbage cards.
    if (bytes.find('\0') != std::string_view::npos)
        return fileFailure(FileError::NotAList, listfile::text::NotAList);
    info.formatName = "ASCII-tabsep-file";
    std::string_view text = bytes;
    TextEncoding textEncoding = detectTextEncoding(text);
    ByteReader textIn(text);
    importTextLines(list, textIn, info, textEncoding);
    modifiedFlag = 0;
    return {};
}

FileResult readBytes(CardList& list, std::string_view bytes, FileInfo& info,
                     const FontRestore& restore) {
    ByteReader in(bytes);
    return isListMark(in.peek()) ? readList(list, in, info, restore)
                                 : importText(list, bytes, info);
}

// A large file is read in pieces of a few megabytes into one buffer used again and again: the
// file's bytes are never held whole beside the cards made from them.
class Pieces {
public:
    explicit Pieces(FileReader& file) : file_(file) {}

    std::string_view refill(std::string_view unread) {
        // The first piece, and a line longer than the buffer, make it grow.
        if (unread.size() == buffer_.size()) {
            LargeVector<char> grown;
            try {
                grown.resize(std::max(kPieceBytes, buffer_.size() * 2));
            } catch (const std::bad_alloc&) {
                result_ = fileFailure(FileError::CannotRead, listfile::text::OpenFailed);
                return unread; // read as the end of the file; the failure is reported
            }
            if (!unread.empty())
                std::memcpy(grown.data(), unread.data(), unread.size());
            buffer_.swap(grown);
        } else if (!unread.empty()) {
            std::memmove(buffer_.data(), unread.data(), unread.size());
        }
        std::size_t got = 0;
        FileResult read =
            file_.read(buffer_.data() + unread.size(), buffer_.size() - unread.size(), got);
        if (!read.ok())
            result_ = read;
        return {buffer_.data(), unread.size() + got};
    }
    const FileResult& result() const { return result_; }

private:
    static constexpr std::size_t kPieceBytes = 4 << 20;
    FileReader& file_;
    LargeVector<char> buffer_;
    FileResult result_;
};

// A list file from 1 MB on is read in pieces; the cards read before a failure go again, so that
// a list that could not be read leaves the lists as they were (empty, as they are when a list
// is opened).
FileResult readLargeList(CardList& list, FileReader& file, FileInfo& info,
                         const FontRestore& restore, bool& handled) {
    Pieces pieces(file);
    ByteReader in({}, [&](std::string_view unread) { return pieces.refill(unread); });
    handled = isListMark(in.peek());
    if (!handled)
        return pieces.result();
    const int32_t firstId = nextCardId;
    card_arena::expectManyCards();
    FileResult result = readList(list, in, info, restore, true);
    if (result.ok() && !pieces.result().ok()) {
        result = pieces.result();
        deleteAllCards(list);
        deleteAllCards(knownList);
        nextCardId = firstId;
    }
    return result;
}

} // namespace

ImportFormat importFormatOf(const std::string& path) {
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return ImportFormat::None;
    std::string suffix = path.substr(dot + 1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (suffix == "csv" || suffix == "tsv")
        return ImportFormat::Csv;
    if (suffix == "kvtml")
        return ImportFormat::Kvtml;
    return ImportFormat::None;
}

FileResult readImportedBytes(CardList& list, std::string_view bytes, FileInfo& info,
                             ImportFormat format) {
    std::vector<ImportedCard> cards;
    FileResult result =
        format == ImportFormat::Kvtml ? readKvtmlCards(bytes, cards) : readCsvCards(bytes, cards);
    if (!result.ok())
        return result;
    info.formatName = format == ImportFormat::Kvtml ? kKvtmlFormatName : kCsvFormatName;
    appendImportedCards(list, cards, info);
    modifiedFlag = 0;
    return result;
}

FileResult readListFile(CardList& list, const std::string& path, FileInfo& info,
                        FontRestore restore) {
    ImportFormat format = importFormatOf(path);
    constexpr std::size_t kLargeFile = 1 << 20;
    if (format == ImportFormat::None) {
        FileReader file;
        FileResult result = file.open(path);
        if (!result.ok())
            return result;
        if (file.size() >= kLargeFile) {
            bool handled = false;
            info.fileName = path;
            result = readLargeList(list, file, info, restore, handled);
            if (handled || !result.ok()) {
                result.path = path;
                return result;
            }
        }
    }
    // Any other file is read whole (a large text file read again from its start).
    std::string bytes;
    FileResult result = readWholeFile(path, bytes);
    if (!result.ok())
        return result;
    info.fileName = path;
    result = format != ImportFormat::None ? readImportedBytes(list, bytes, info, format)
                                          : readBytes(list, bytes, info, restore);
    result.path = path;
    return result;
}
