#include "listfile/kvtml_reader.h"

#include "listfile/kvtml_parser.h"

#include <vector>

FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards) {
    cards.clear();
    KvtmlParser parser(bytes);
    FileResult result = parser.parse();
    if (!result.ok())
        return result;
    std::vector<KvtmlPart> parts;
    parts.push_back(std::move(parser.part()));
    cards = joinKvtmlParts(parts);
    return result;
}
