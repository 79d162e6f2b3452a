#include "listfile/text_export.h"

#include "listfile/file_io.h"
#include "listfile/list_text.h"
#include "store/card_store.h"
#include "store/notices.h"

namespace {

constexpr int kNoCardsText = 102;

void appendExportLine(std::string& out, const Card& card, ExportKind kind) {
    if (kind != ExportKind::answers)
        appendText(out, card.question);
    if (kind == ExportKind::cards)
        out += '\t';
    if (kind != ExportKind::questions)
        appendText(out, card.answer);
    out += "\r\n";
}

void exportTo(const CardList& list, const std::string& path, FileInfo& info, ExportKind kind) {
    // The export of the questions alone reports no file name; the other two do.
    if (kind != ExportKind::questions)
        info.fileName = path;
    info.status = 1;
    if (countCards(list) == 0) {
        showError(kNoCardsText);
        info.userTold = true;
        return;
    }
    if (replaceFile(path, exportBytes(list, knownList, kind)))
        info.status = 0;
}

} // namespace

std::string exportBytes(const CardList& list, const CardList& known, ExportKind kind) {
    std::string out;
    for (const CardList* part : {&list, &known})
        part->forEach([&](const Card* card) { appendExportLine(out, *card, kind); });
    return out;
}

void exportCards(const CardList& list, const std::string& path, FileInfo& info) {
    exportTo(list, path, info, ExportKind::cards);
}

void exportQuestions(const CardList& list, const std::string& path, FileInfo& info) {
    exportTo(list, path, info, ExportKind::questions);
}

void exportAnswers(const CardList& list, const std::string& path, FileInfo& info) {
    exportTo(list, path, info, ExportKind::answers);
}
