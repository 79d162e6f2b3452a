#pragma once

#include "listfile/imported_cards.h"

#include <QString>
#include <QStringView>

#include <string>
#include <utility>
#include <vector>

// The id of an entry in a vocabulary file. Most ids are small numbers written plainly and are
// kept as numbers; any other id is kept as its text ("01" and "1" stay two ids, as in the file).
struct KvtmlId {
    int number = -1; // the value of a plain decimal id of at most nine digits
    QString text;    // the id otherwise
};
KvtmlId kvtmlId(QStringView id);

// What a stretch of a vocabulary file holds, in the file's order: its entries, and the entries
// its lessons name. A file read in parts gives one of these per part.
struct KvtmlPart {
    std::vector<ImportedCard> cards;                    // an entry's card
    std::vector<KvtmlId> ids;                           // and its id
    std::vector<std::string> lessons;                   // each lesson's path
    std::vector<std::pair<KvtmlId, int>> lessonEntries; // an entry named by lessons[second]
};

// The cards of the parts, read one after the other: an entry read again under the same id
// replaces the first in its place, and an entry takes the first lesson that names it, before or
// after the entry itself. The parts' cards are moved out.
std::vector<ImportedCard> joinKvtmlParts(std::vector<KvtmlPart>& parts);
