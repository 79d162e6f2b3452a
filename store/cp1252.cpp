#include "store/cp1252.h"

#include "store/code_page.h"

char32_t characterOfCp1252(unsigned char byte) {
    return characterOf(CodePage::cp1252, byte);
}

int cp1252ByteOf(char32_t c) {
    return byteOf(CodePage::cp1252, c);
}
