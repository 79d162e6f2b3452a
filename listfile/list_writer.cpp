#include "listfile/list_writer.h"

#include "listfile/file_io.h"
#include "listfile/font_block.h"
#include "listfile/font_log.h"
#include "listfile/list_text.h"
#include "listfile/text_encoding.h"
#include "store/card_store.h"

#include <utility>

namespace {

std::string backupFolder;

// Bytes of the head and both font blocks, with room to spare.
constexpr std::size_t kHeadBytes = 1024;

std::size_t decimalBytes(int32_t number) {
    std::size_t bytes = number < 0 ? 2 : 1;
    for (int64_t rest = number < 0 ? -static_cast<int64_t>(number) : number; rest >= 10; rest /= 10)
        ++bytes;
    return bytes;
}

// The bytes the card lines take in UTF-8; Windows-1252 takes no more. The buffer is reserved
// once at this size, so it never grows by doubling and holds no more than the file.
std::size_t cardLineBytes(const CardList& list) {
    std::size_t bytes = 0;
    list.forEach([&](const Card* card) {
        bytes += card->question().size() + card->answer().size() + card->lesson().size() +
                 card->additionalInfo().size() + decimalBytes(card->level) +
                 decimalBytes(card->id) + 7; // five TABs, CR LF
    });
    return bytes;
}

bool appendCardLine(std::string& out, const Card& card, ListEncoding encoding) {
    const TextEncoding other = encoding.question;
    const std::pair<std::string_view, TextEncoding> texts[] = {{card.question(), other},
                                                               {card.answer(), encoding.answer},
                                                               {card.lesson(), other},
                                                               {card.additionalInfo(), other}};
    for (auto [text, textEncoding] : texts) {
        if (!appendEncoded(out, text, textEncoding))
            return false;
        out += '\t';
    }
    appendDecimal(out, card.level);
    out += '\t';
    appendDecimal(out, card.id);
    out += "\r\n";
    return true;
}

// The whole file in the encoding; false as soon as a text does not fit it.
bool appendListFile(std::string& out, const CardList& list, const CardList& known,
                    const FontDescription& questionFont, const FontDescription& answerFont,
                    ListEncoding encoding) {
    out += '\x80';
    out += "#File fuer Zelkprogramm\r\n";
    out += encoding.isUtf8() ? kUtf8FormatLine : kCp1252FormatLine;
    out += "\r\nfrage\tantwort\tstufe\tlektion\tkarte_id\r\n";
    if (!writeFontBlock(out, questionFont, encoding.question) ||
        !writeFontBlock(out, answerFont, encoding.answer))
        return false;
    int lines = 0;
    if (!writeCardLines(list, out, lines, encoding))
        return false;
    out += "\r\n";
    return writeCardLines(known, out, lines, encoding);
}

} // namespace

void setListBackupFolder(std::string folder) {
    backupFolder = std::move(folder);
}

bool writeCardLines(const CardList& list, std::string& out, int& lineCount, ListEncoding encoding) {
    for (int i = 0; i < list.slotCount(); ++i) {
        const Card* card = list.slot(i);
        if (!card)
            continue;
        if (!appendCardLine(out, *card, encoding))
            return false;
        ++lineCount;
    }
    return true;
}

std::string listFileBytes(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont) {
    std::string out;
    out.reserve(kHeadBytes + cardLineBytes(list) + cardLineBytes(known));
    // The code pages of the fonts first, as every list was written before: a text that does not
    // fit its code page means the whole file is written again in UTF-8.
    if (appendListFile(out, list, known, questionFont, answerFont,
                       listEncodingOfFonts(questionFont, answerFont)))
        return out;
    out.clear();
    appendListFile(out, list, known, questionFont, answerFont, TextEncoding::utf8);
    return out;
}

FileResult writeListFile(const CardList& list, const std::string& path, FileInfo& info,
                         const FontDescription& questionFont, const FontDescription& answerFont) {
    info.fileName = path;
    // Only a list without any card is refused: a list whose cards are all known is still saved.
    if (countCards(list) == 0 && countCards(knownList) == 0)
        return fileFailure(FileError::NoCards, listfile::text::NoCards, path);
    FileResult result =
        replaceFile(path, listFileBytes(list, knownList, questionFont, answerFont), backupFolder);
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
