// Feeds arbitrary bytes through the CSV reader.
#include "fuzz/card_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return fuzzImportedReader(data, size, ImportFormat::Csv);
}
