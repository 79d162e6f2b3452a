#pragma once

#include "listfile/file_info.h"
#include "listfile/file_result.h"
#include "store/card_list.h"

#include <string>

// Plain-text exports of the cards of the list (mainList) and then of knownList, one line per card,
// each ending with CR LF, with no head and no empty line. A TAB, CR or LF inside a text is written
// as a blank. The export is Windows-1252 when every text it holds fits, else UTF-8 starting with a
// byte-order mark.
enum class ExportKind { cards, questions, answers };

// The bytes of an export: question TAB answer, the question or the answer per card.
std::string exportBytes(const CardList& list, const CardList& known, ExportKind kind);

// Writes the export to the path, replacing the file in one step. An empty list is refused
// (text 102) and no file is created or changed; nothing is shown. Neither the
// modified state nor the list's file name changes. exportCards and exportAnswers put the path
// into info's file name; exportQuestions leaves it as it was.
FileResult exportCards(const CardList& list, const std::string& path, FileInfo& info);
FileResult exportQuestions(const CardList& list, const std::string& path, FileInfo& info);
FileResult exportAnswers(const CardList& list, const std::string& path, FileInfo& info);
