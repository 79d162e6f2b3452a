#include "listfile/kvtml_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

using CardFields = std::tuple<std::string, std::string, std::string, std::string, int, bool>;

std::vector<CardFields> fieldsOf(const std::vector<ImportedCard>& cards) {
    std::vector<CardFields> fields;
    for (const ImportedCard& c : cards)
        fields.emplace_back(c.question, c.answer, c.lesson, c.additionalInfo, c.level, c.known);
    return fields;
}

// Entries from..to-1 of a vocabulary with accents, a comment, a grade and known cards.
std::string entries(int from, int to) {
    std::string out;
    for (int id = from; id < to; ++id) {
        std::string n = std::to_string(id);
        out += "  <entry id=\"" + n + "\">" +
               (id % 7 == 0 ? "<deactivated>true</deactivated>" : "") +
               "\n   <translation id=\"0\"><text>le café n° " + n + " &amp; œuvre</text>" +
               "</translation>\n   <translation id=\"1\"><text>der Kaffee Nr. " + n +
               "</text><comment>schwarz " + n + "</comment><grade><currentgrade>" +
               std::to_string(id % 9) + "</currentgrade></grade></translation>\n  </entry>\n";
    }
    return out;
}

std::string lesson(const std::string& name, int from, int to, int step) {
    std::string out = "<container><name>" + name + "</name>";
    for (int id = from; id < to; id += step)
        out += "<entry id=\"" + std::to_string(id) + "\"/>";
    return out + "</container>\n";
}

// A file whose middle byte falls between `before` and `after`: so the first "<entry" from
// the middle on is the first one in `after`.
std::string fileAround(const std::string& head, const std::string& before, const std::string& after,
                       const std::string& tail) {
    long start = static_cast<long>(head.size() + before.size());
    long rest = static_cast<long>(after.size() + tail.size());
    std::string pad(static_cast<std::size_t>(std::abs(rest - start) + 16), ' ');
    return head + before + pad + after + tail;
}

// A large file is read in two parts at once; the cards, their order, lessons and faults are
// those of reading it in one.
TEST(KvtmlPartsTest, twoPartsGiveTheCardsOfOne) {
    const std::string top = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC "
                            "\"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml "
                            "version=\"2.0\">\n<identifiers><identifier id=\"0\"><name>fr</name>"
                            "</identifier><identifier id=\"1\"><name>de</name></identifier>"
                            "</identifiers>\n";
    const std::string first = "<entries>\n" + entries(0, 2500);
    const std::string second = entries(2500, 5000) + "</entries>\n";
    const std::string end = "</kvtml>\n";
    const std::string lessonsBefore =
        "<lessons>" + lesson("Küche", 0, 5000, 3) + lesson("Straße", 0, 5000, 2) + "</lessons>\n";
    const std::string lessonsAfter = "<lessons>" + lesson("Später", 1, 5000, 5) +
                                     lesson("Küche/Tee", 4000, 5000, 1) + "</lessons>\n";
    struct Row {
        const char* name;
        std::string bytes;
        bool joined;
        int cards;
    };
    const std::vector<Row> rows = {
        {"plain", fileAround(top + first, "", "", second + lessonsAfter + end), true, 5000},
        {"lessons before and after, entries again",
         fileAround(top + lessonsBefore + first, "", "",
                    entries(1200, 1300) + second + lessonsAfter + end),
         true, 5000},
        {"comment at the split",
         fileAround(top + first, "<!--", "<entry id=\"a\"/>-->", second + end), false, 5000},
        {"CDATA at the split",
         fileAround(top + first, "<entry id=\"9999\"><translation id=\"0\"><text><![CDATA[",
                    "<entry id=\"b\">]]></text></translation></entry>", second + end),
         false, 5001},
        {"damaged second half",
         fileAround(top + first, "", "", second + lessonsAfter + "<lessons>\n</kvtml>\n"), false,
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_GE(row.bytes.size(), 1u << 20);
        std::vector<ImportedCard> one;
        std::vector<ImportedCard> two;
        bool joined = true;
        FileResult serial = readKvtmlCards(row.bytes, one, false, joined);
        EXPECT_FALSE(joined);
        FileResult parts = readKvtmlCards(row.bytes, two, true, joined);
        EXPECT_EQ(joined, row.joined);
        EXPECT_EQ(parts.ok(), serial.ok());
        EXPECT_EQ(parts.line, serial.line);
        EXPECT_EQ(parts.column, serial.column);
        EXPECT_EQ(static_cast<int>(two.size()), row.cards);
        EXPECT_EQ(fieldsOf(two), fieldsOf(one));
    }
}

} // namespace
