// Writes a generated list of N cards (a tenth of them known) to PATH, for the scale check:
//     make_list N PATH
#include "bench/generate.h"
#include "listfile/list_writer.h"
#include "store/card_store.h"
#include "store/font_description.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

// The fonts a list written on Windows usually names; they open without a complaint.
FontDescription sansSerif(int32_t weight) {
    FontDescription font;
    font.height = -16;
    font.weight = weight;
    font.pitchAndFamily = 34;
    assignText(font.faceName, "MS Sans Serif");
    return font;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: make_list N PATH\n");
        return 2;
    }
    int n = std::atoi(argv[1]);
    bench::generateCards(mainList, n - n / 10, 12345);
    bench::generateCards(knownList, n / 10, 777);
    std::string bytes = listFileBytes(mainList, knownList, sansSerif(700), sansSerif(400));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_list: %s could not be written\n", argv[2]);
        return 1;
    }
    return 0;
}
