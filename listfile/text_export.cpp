#include "listfile/text_export.h"

#include "listfile/file_io.h"
#include "listfile/text_encoding.h"
#include "store/card_store.h"

namespace {

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
    if (appendExport(out, list, known, kind, TextEncoding::cp1252))
        return out;
    // A text beyond Windows-1252: the whole export in UTF-8, marked so that editors know it.
    out.assign(kByteOrderMark);
    appendExport(out, list, known, kind, TextEncoding::utf8);
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
