// Feeds arbitrary bytes through the list-file reader: the first byte picks the branch (old
// format, version 1.0.2, version 2.0 with fonts in Windows code pages or UTF-8, plain text import
// in either), so the corpus reaches all.
#include "fuzz/card_checks.h"
#include "store/notices.h"

#include <cstring>

namespace {

class SilentSink : public NoticeSink {
public:
    int show(NoticeKind, const std::string&, const std::string&) override { return 1; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static SilentSink sink;
    setNoticeSink(&sink);
    FileInfo info;
    int fontsHandedOver = 0;
    FileResult result =
        readListBytes(mainList, std::string_view(reinterpret_cast<const char*>(data), size), info,
                      [&](const FontDescription& q, const FontDescription& a) {
                          fontsHandedOver += 1;
                          if (strnlen(q.faceName, sizeof q.faceName) > 31 ||
                              strnlen(a.faceName, sizeof a.faceName) > 31 ||
                              !isValidUtf8(q.faceName) || !isValidUtf8(a.faceName))
                              std::abort();
                      });
    checkCards(mainList);
    checkCards(knownList);
    int cards = countCards(mainList) + countCards(knownList);
    if (result.ok() && (nextCardId != cards || info.mainCount + info.knownCount != cards))
        std::abort();
    if (fontsHandedOver > 1)
        std::abort();
    resetCardStore(); // frees the cards, so memory stays bounded over the run
    return 0;
}
