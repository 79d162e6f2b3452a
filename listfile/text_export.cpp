#include "listfile/text_export.h"

#include "listfile/file_io.h"
#include "listfile/text_encoding.h"
#include "store/card_store.h"
#include "store/notices.h"

namespace {

constexpr int kNoCardsText = 102;

bool appendExportLine(std::string& out, const Card& card, ExportKind kind, TextEncoding encoding) {
    if (kind != ExportKind::answers && !appendEncoded(out, card.question(), encoding))
        return false;
    if (kind == ExportKind::cards)
        out += '\t';
    if (kind != ExportKind::questions && !appendEncoded(out, card.answer(), encoding))
        return false;
    out += "\r\n";
    return true;
}

bool appendExport(std::string& out, const CardList& list, const CardList& known, ExportKind kind,
                  TextEncoding encoding) {
    for (const CardList* part : {&list, &known})
        for (int i = 0; i < part->slotCount(); ++i)
            if (const Card* card = part->slot(i);
                card && !appendExportLine(out, *card, kind, encoding))
                return false;
    return true;
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
    if (appendExport(out, list, known, kind, TextEncoding::cp1252))
        return out;
    // A text beyond Windows-1252: the whole export in UTF-8, marked so that editors know it.
    out.assign(kByteOrderMark);
    appendExport(out, list, known, kind, TextEncoding::utf8);
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
