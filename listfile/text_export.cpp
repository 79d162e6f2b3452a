#include "listfile/text_export.h"

#include "listfile/file_io.h"
#include "listfile/list_text.h"
#include "store/card_store.h"

namespace {

void appendExportLine(std::string& out, const Card& card, ExportKind kind) {
    if (kind != ExportKind::answers)
        appendText(out, card.question);
    if (kind == ExportKind::cards)
        out += '\t';
    if (kind != ExportKind::questions)
        appendText(out, card.answer);
    out += "\r\n";
}

FileResult exportTo(const CardList& list, const std::string& path, FileInfo& info,
                    ExportKind kind) {
    // The export of the questions alone reports no file name; the other two do.
    if (kind != ExportKind::questions)
        info.fileName = path;
    if (countCards(list) == 0)
        return fileFailure(FileError::NoCards, listfile::text::NoCards, path);
    return replaceFile(path, exportBytes(list, knownList, kind));
}

} // namespace

std::string exportBytes(const CardList& list, const CardList& known, ExportKind kind) {
    std::string out;
    for (const CardList* part : {&list, &known})
        part->forEach([&](const Card* card) { appendExportLine(out, *card, kind); });
    return out;
}

FileResult exportCards(const CardList& list, const std::string& path, FileInfo& info) {
    return exportTo(list, path, info, ExportKind::cards);
}

FileResult exportQuestions(const CardList& list, const std::string& path, FileInfo& info) {
    return exportTo(list, path, info, ExportKind::questions);
}

FileResult exportAnswers(const CardList& list, const std::string& path, FileInfo& info) {
    return exportTo(list, path, info, ExportKind::answers);
}
