// Feeds arbitrary bytes through the KVTML reader; read again in two parts at once, they must give
// the same cards or the same fault.
#include "fuzz/card_checks.h"
#include "listfile/kvtml_reader.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<ImportedCard> one;
    std::vector<ImportedCard> two;
    bool joined = false;
    FileResult serial = readKvtmlCards(bytes, one, false, joined);
    FileResult parts = readKvtmlCards(bytes, two, true, joined);
    if (serial.ok() != parts.ok() || serial.line != parts.line || serial.column != parts.column ||
        one != two)
        std::abort();
    return fuzzImportedReader(data, size, ImportFormat::Kvtml);
}
