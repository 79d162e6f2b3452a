#pragma once

#include "listfile/file_info.h"
#include "listfile/file_result.h"
#include "listfile/text_encoding.h"
#include "store/card_list.h"
#include "store/font_description.h"
#include "store/large_memory.h"

#include <string>

// The bytes of a version 2.0 list file: head, question font, answer font, the cards of the list,
// an empty line, the known cards, one line per card in list order (question TAB answer TAB
// lesson TAB additional information TAB level TAB id, ending with CR LF). In Windows-1252 when
// every text (face names too) fits it, else in UTF-8 with the UTF-8 mark in the head.
std::string listFileBytes(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont);
// The same bytes in a buffer of their own, for a large list's file made whole in memory: in
// large pages and not cleared before it is written.
LargeBytes listFileBuffer(const CardList& list, const CardList& known,
                          const FontDescription& questionFont, const FontDescription& answerFont);

// The folder that keeps the previous version of every list a save replaces (list_backup.h);
// empty, as at start, keeps none.
void setListBackupFolder(std::string folder);

// Writes the list (mainList) and knownList to the file at the path, replacing it in one step,
// and adds the two fonts to the font debug log. The bytes are those of listFileBytes, made and
// written a piece at a time. On success: "Version 2.0", the counts, and the list counts as
// saved (modifiedFlag 0); a log that could not be opened is a warning (text 600) in the result.
// Both lists empty is refused (text 102) and nothing is written; that and any failure leave the
// old file and modifiedFlag as they were. Nothing is shown.
FileResult writeListFile(const CardList& list, const std::string& path, FileInfo& info,
                         const FontDescription& questionFont, const FontDescription& answerFont);
