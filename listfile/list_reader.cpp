#include "listfile/list_reader.h"

#include "listfile/file_io.h"
#include "listfile/font_block.h"
#include "store/card_store.h"

#include <algorithm>

namespace {

constexpr int kOldFormatMark = 0x7E;
constexpr int kVersion102Mark = 0x7F;
constexpr int kVersion20Mark = 0x80;
// An imported question or answer keeps at most this many bytes.
constexpr std::size_t kImportFieldLimit = 99;

Card* newCard(CardList& list) {
    Card* card = makeCard();
    appendCard(list, card);
    return card;
}

// The six fields of a card line. A field the line holds replaces the card's default, also when
// it is empty (a card entered without a lesson has an empty lesson and keeps it through a save);
// a field that a line cut short does not reach leaves the "-" of a new card, and reads as 0 for
// the level and the id.
void readCardLine(Card& card, ByteReader& in) {
    constexpr int kFields = 6;
    std::string_view fields[kFields] = {"", "", "", "", "", ""};
    int reached = 0;
    while (reached < kFields) {
        bool tabFollows = in.nextField(fields[reached++]);
        if (!tabFollows)
            break;
    }
    assignText(card.question, fields[0]);
    assignText(card.answer, fields[1]);
    if (reached > 2)
        assignText(card.lesson, fields[2]);
    if (reached > 3)
        assignText(card.additionalInfo, fields[3]);
    card.level = parseDecimal(fields[4]);
    card.id = parseDecimal(fields[5]); // replaces the id the card was made with
    in.skipLine();
}

// The question runs to the next TAB, across line ends (each kept as one LF).
void readImportedCard(Card& card, ByteReader& in) {
    char question[kImportFieldLimit];
    std::size_t length = 0;
    while (!in.atEnd() && in.peek() != '\t') {
        char c = in.consumeLineEnd() ? '\n' : static_cast<char>(in.peek());
        if (c != '\n')
            in.skip();
        if (length < kImportFieldLimit)
            question[length++] = c;
    }
    in.skip(); // the TAB
    assignText(card.question, std::string_view(question, length));
    std::string_view answer = in.readLine();
    assignText(card.answer, answer.substr(0, std::min(answer.size(), kImportFieldLimit)));
}

} // namespace

int readCardLines(CardList& list, ByteReader& in) {
    int count = 0;
    while (!in.atEnd() && !in.consumeLineEnd()) {
        readCardLine(*newCard(list), in);
        ++count;
    }
    return count;
}

void importTextLines(CardList& list, ByteReader& in, FileInfo& info) {
    int count = 0;
    while (!in.atEnd()) {
        // An empty line where a card would start holds no text: skipping it loses nothing, and
        // spares a question that begins with a line end or, at the end of the file, a card with
        // a line end as its question and no answer. Inside a question (a line without a TAB
        // runs on into the next) every line end, empty lines included, is kept.
        if (in.consumeLineEnd())
            continue;
        readImportedCard(*newCard(list), in);
        ++count;
    }
    info.mainCount = count;
    info.knownCount = 0;
}

FileResult readListBytes(CardList& list, std::string_view bytes, FileInfo& info,
                         const FontRestore& restore) {
    ByteReader in(bytes);
    int mark = in.peek();
    if (mark == kOldFormatMark)
        return fileFailure(FileError::OldFormat, listfile::text::OldFormat);
    if (mark == kVersion102Mark || mark == kVersion20Mark) {
        info.formatName = mark == kVersion20Mark ? "zelk v 2.0" : "zelk v 1.0.2";
        in.skipHead();
        if (mark == kVersion20Mark) {
            FontDescription question = readFontBlock(in);
            FontDescription answer = readFontBlock(in);
            if (restore)
                restore(question, answer);
        }
        info.mainCount = readCardLines(list, in);
        info.knownCount = readCardLines(knownList, in);
    } else {
        // Text holds no NUL byte; a file that does (a picture, a program, a packed archive)
        // would only give garbage cards.
        if (bytes.find('\0') != std::string_view::npos)
            return fileFailure(FileError::NotAList, listfile::text::NotAList);
        info.formatName = "ASCII-tabsep-file";
        importTextLines(list, in, info);
    }
    modifiedFlag = 0;
    return {};
}

FileResult readListFile(CardList& list, const std::string& path, FileInfo& info,
                        FontRestore restore) {
    std::string bytes;
    FileResult result = readWholeFile(path, bytes);
    if (!result.ok())
        return result;
    info.fileName = path;
    result = readListBytes(list, bytes, info, restore);
    result.path = path;
    return result;
}
