#pragma once

#include "listfile/file_result.h"
#include "store/card_list.h"

#include <string>

// "Export for Other Programs...": the format the file's extension names.
enum class ForeignFormat { Kvtml, Csv, Tsv };

// .kvtml a KVTML vocabulary, .csv a CSV table, anything else the tab-separated text.
ForeignFormat foreignFormatOf(const std::string& path);

// Writes the cards of list and known in the format to the path, replacing the file in one step.
// An empty list is refused (text 102) and no file is created or changed. The list's file name
// and modified state stay as they are; nothing is shown.
FileResult exportForOtherPrograms(const CardList& list, const CardList& known,
                                  const std::string& path);
