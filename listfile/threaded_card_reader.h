#pragma once

#include "listfile/byte_reader.h"
#include "listfile/text_encoding.h"
#include "store/card_list.h"

// Reads the card lines of a list file's two parts, as readCardLines does for each: the cards
// before the first empty line into mainPart, those up to the next one into knownPart, whatever
// follows is not read. A second thread reads the lines and decodes most of them while this one
// decodes the rest and makes the cards, so that a large list opens in about half the time. The
// reader is used only by that thread until this returns; an exception it meets is thrown here.
// Returns the two counts.
struct PartCounts {
    int main = 0;
    int known = 0;
};
PartCounts readCardLinesThreaded(CardList& mainPart, CardList& knownPart, ByteReader& in,
                                 ListEncoding encoding);
