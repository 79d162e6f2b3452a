#pragma once

#include "listfile/byte_reader.h"
#include "listfile/file_info.h"
#include "listfile/file_result.h"
#include "listfile/text_encoding.h"
#include "store/card_list.h"
#include "store/font_description.h"

#include <functional>
#include <string>
#include <string_view>

// Hands the two fonts of a version 2.0 file, question first, to whoever makes the fonts.
using FontRestore =
    std::function<void(const FontDescription& question, const FontDescription& answer)>;

// Reads card lines into the list until an empty line (which is consumed) or the end of the
// input; returns the number of cards read. A line that ends early keeps what it had: a missing
// lesson or additional information stays "-" (an empty one that the line holds reads as empty),
// a missing or non-numeric level or id reads as 0. A text longer than its field keeps its first
// characters; the rest of that field is skipped.
int readCardLines(CardList& list, ByteReader& in, ListEncoding encoding = TextEncoding::cp1252);

// Imports a plain text file: one card per line, the question up to the TAB (line ends
// included), the answer up to the line end, each at most 99 characters. Empty lines are skipped.
// Fills info with the number of cards as main count and known count 0.
void importTextLines(CardList& list, ByteReader& in, FileInfo& info,
                     TextEncoding encoding = TextEncoding::cp1252);

// Reads the bytes of a list file as readListFile does, after the file was opened.
FileResult readListBytes(CardList& list, std::string_view bytes, FileInfo& info,
                         const FontRestore& restore);
// The same as a large list file is read, a window at a time, each window `piece` bytes more, the
// cards decoded in a second thread (for tests, which compare it with the whole read). Bytes that
// are no list are read as none.
FileResult readListInPieces(CardList& list, std::string_view bytes, std::size_t piece,
                            FileInfo& info, const FontRestore& restore);

// The files of other trainers, told by their name's extension: .csv and .tsv tables, .kvtml.
enum class ImportFormat { None, Csv, Kvtml };
ImportFormat importFormatOf(const std::string& path);

// Reads another trainer's file: the cards are appended to list (known ones to knownList) only when
// the whole file could be read; a damaged file changes nothing.
FileResult readImportedBytes(CardList& list, std::string_view bytes, FileInfo& info,
                             ImportFormat format);

// Opens the file at the path; a .csv, .tsv or .kvtml file is read with readImportedBytes. Any
// other file is read by its first byte: 0x80 a version 2.0 list (its fonts
// go to restore), 0x7F a version 1.0.2 list, 0x7E an old format that is refused (text 123),
// anything else a plain text import into the list (UTF-8 with or without a byte-order mark, or
// Windows-1252 when the file is not UTF-8), unless it holds a NUL byte: such a file is no text and
// is refused as not a list. A list is UTF-8 when its head carries the UTF-8 mark, else in the
// code pages its fonts' character sets name (Windows-1252 for Western and any other set). Cards
// of the list file's second part go to knownList. Nothing is shown: a refused file or one that
// cannot be read is a failed result.
FileResult readListFile(CardList& list, const std::string& path, FileInfo& info,
                        FontRestore restore);
