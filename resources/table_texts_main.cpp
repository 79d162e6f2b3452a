// Writes the texts of the string table and the menu table as a C++ file that Qt's lupdate reads:
// one QT_TRANSLATE_NOOP3("Strings", text, "number") per numbered text (the number tells the
// translator which text it is and keeps equal texts apart), one QT_TRANSLATE_NOOP("Menu", text)
// per menu text. The tables stay plain data; this file is made at build time, never edited.

#include "resources/menu_table.h"
#include "resources/string_table.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

std::string literal(const char* text) {
    std::string out = "\"";
    for (const char* p = text; *p != '\0'; ++p) {
        switch (*p) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += *p;
        }
    }
    return out + "\"";
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zelkora_table_texts OUTPUT.cpp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Made by zelkora_table_texts from the string and menu tables, for lupdate only.\n";
    for (int number : strings::numbers())
        out << "QT_TRANSLATE_NOOP3(\"Strings\", " << literal(strings::englishText(number)) << ", \""
            << number << "\")\n";
    for (const menu::MenuPopup& popup : menu::mainMenu()) {
        out << "QT_TRANSLATE_NOOP(\"Menu\", " << literal(popup.title) << ")\n";
        for (const menu::MenuEntry& entry : popup.entries)
            if (!entry.isSeparator())
                out << "QT_TRANSLATE_NOOP(\"Menu\", " << literal(entry.text) << ")\n";
    }
    return out.good() ? 0 : 1;
}
