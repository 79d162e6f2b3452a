#include "listfile/list_writer.h"

#include "listfile/file_io.h"
#include "listfile/font_block.h"
#include "listfile/font_log.h"
#include "listfile/list_text.h"
#include "store/card_store.h"

namespace {

std::string backupFolder;

// A card line is rarely longer than this; reserving it spares most reallocations.
constexpr std::size_t kTypicalLineBytes = 64;

void appendCardLine(std::string& out, const Card& card) {
    appendText(out, card.question);
    out += '\t';
    appendText(out, card.answer);
    out += '\t';
    appendText(out, card.lesson);
    out += '\t';
    appendText(out, card.additionalInfo);
    out += '\t';
    appendDecimal(out, card.level);
    out += '\t';
    appendDecimal(out, card.id);
    out += "\r\n";
}

} // namespace

void setListBackupFolder(std::string folder) {
    backupFolder = std::move(folder);
}

void writeCardLines(const CardList& list, std::string& out, int& lineCount) {
    list.forEach([&](const Card* card) {
        appendCardLine(out, *card);
        ++lineCount;
    });
}

std::string listFileBytes(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont) {
    std::string out;
    out.reserve(1024 + kTypicalLineBytes * static_cast<std::size_t>(list.size() + known.size()));
    out += '\x80';
    out += "#File fuer Zelkprogramm\r\n#Format Version 2.0, PC\r\n";
    out += "frage\tantwort\tstufe\tlektion\tkarte_id\r\n";
    writeFontBlock(out, questionFont);
    writeFontBlock(out, answerFont);
    int lines = 0;
    writeCardLines(list, out, lines);
    out += "\r\n";
    writeCardLines(known, out, lines);
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
