#include "listfile/foreign_export.h"

#include "listfile/file_io.h"
#include "listfile/kvtml_writer.h"
#include "listfile/list_reader.h"
#include "listfile/table_writer.h"
#include "store/card_store.h"

ForeignFormat foreignFormatOf(const std::string& path) {
    switch (importFormatOf(path)) {
    case ImportFormat::Kvtml:
        return ForeignFormat::Kvtml;
    case ImportFormat::Csv:
        return path.size() >= 4 && (path.ends_with(".tsv") || path.ends_with(".TSV"))
                   ? ForeignFormat::Tsv
                   : ForeignFormat::Csv;
    default:
        return ForeignFormat::Tsv;
    }
}

FileResult exportForOtherPrograms(const CardList& list, const CardList& known,
                                  const std::string& path) {
    if (countCards(list) + countCards(known) == 0)
        return fileFailure(FileError::NoCards, listfile::text::NoCards, path);
    switch (foreignFormatOf(path)) {
    case ForeignFormat::Kvtml:
        return replaceFile(path, kvtmlBytes(list, known));
    case ForeignFormat::Csv:
        return replaceFile(path, csvBytes(list, known));
    default:
        return replaceFile(path, tsvBytes(list, known));
    }
}
