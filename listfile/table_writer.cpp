#include "listfile/table_writer.h"

#include "listfile/list_text.h"
#include "listfile/text_encoding.h"

#include <string_view>

namespace {

constexpr std::string_view kColumns[] = {"Question", "Answer", "Lesson", "Additional information",
                                         "Level",    "Known"};

void appendField(std::string& out, std::string_view text, char separator) {
    bool quote =
        text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos;
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRows(std::string& out, const CardList& list, const CardList& known, char separator,
                std::string_view lineEnd) {
    for (const CardList* part : {&list, &known})
        part->forEach([&](const Card* card) {
            for (std::string_view text :
                 {card->question(), card->answer(), card->lesson(), card->additionalInfo()}) {
                appendField(out, text, separator);
                out += separator;
            }
            appendDecimal(out, card->level);
            out += separator;
            if (part == &known)
                out += "known";
            out += lineEnd;
        });
}

void appendColumnNames(std::string& out, char separator) {
    for (std::string_view name : kColumns) {
        if (name != kColumns[0])
            out += separator;
        out += name;
    }
}

} // namespace

std::string csvBytes(const CardList& list, const CardList& known) {
    std::string out(kByteOrderMark);
    appendColumnNames(out, ',');
    out += "\r\n";
    appendRows(out, list, known, ',', "\r\n");
    return out;
}

std::string tsvBytes(const CardList& list, const CardList& known) {
    std::string out = "#separator:tab\n#html:false\n#columns:";
    appendColumnNames(out, '\t');
    out += '\n';
    appendRows(out, list, known, '\t', "\n");
    return out;
}
