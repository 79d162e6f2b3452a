#pragma once

#include "listfile/file_result.h"
#include "listfile/imported_cards.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Asked when a vocabulary file has more than two languages: gets their names in the file's order
// and returns the indexes of the question's and the answer's language, or false when the user
// cancelled. Without a chooser the first two are taken.
using LanguageChooser =
    std::function<bool(const std::vector<std::string>& names, int& question, int& answer)>;
// Installs the chooser (the window layer does, at start-up); returns the one before.
LanguageChooser setLanguageChooser(LanguageChooser chooser);

// Reads a KVTML 2.0 vocabulary file, as the KDE trainers write it. Of each entry the texts of the
// two chosen languages become question and answer; the answer side's comment becomes the
// additional information and its grade the level (kept as it stands, negative ones as 0); the
// lesson the entry stands in becomes its lesson, nested lessons joined with "/" (cut to the
// lesson's limit when the card is made). A deactivated entry is a known card. A file whose
// document type declares entities is refused (their expansion could fill the memory); damaged
// XML fails with its line and column. On failure cards is empty; a cancelled choice is a failure
// with no message.
FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards);

// The reading above, in one part or, where `inTwoParts` and the file allows it, in two parts at
// once joined to the same cards; `joined` tells whether two parts were joined. Files of a
// megabyte and more are read so; this is for comparing the two ways.
FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards, bool inTwoParts,
                          bool& joined);
