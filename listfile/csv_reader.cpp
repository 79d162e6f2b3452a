#include "listfile/csv_reader.h"

#include "listfile/text_encoding.h"

#include <QString>

#include <array>
#include <string>

namespace {

using Row = std::vector<std::string>;

// Splits the text into rows of fields; counts lines as the user's editor does.
class CsvScanner {
public:
    CsvScanner(std::string_view text, char separator, int firstLine = 1)
        : text_(text), separator_(separator), line_(firstLine) {}

    bool atEnd() const { return at_ >= text_.size(); }
    int line() const { return line_; }
    int failedLine() const { return failedLine_; }

    // Reads one row into fields; false when a quoted field runs to the end of the text.
    bool readRow(Row& fields) {
        fields.clear();
        for (;;) {
            fields.emplace_back();
            if (!readField(fields.back()))
                return false;
            if (atEnd())
                return true;
            char c = text_[at_];
            if (c == separator_) {
                ++at_;
                continue;
            }
            consumeLineEnd();
            return true;
        }
    }

private:
    bool consumeLineEnd() {
        if (atEnd())
            return false;
        if (text_[at_] == '\r') {
            ++at_;
            if (!atEnd() && text_[at_] == '\n')
                ++at_;
        } else if (text_[at_] == '\n') {
            ++at_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    bool isRowEnd(char c) const { return c == separator_ || c == '\n' || c == '\r'; }

    bool readField(std::string& field) {
        if (atEnd() || text_[at_] != '"') {
            std::size_t start = at_;
            while (!atEnd() && !isRowEnd(text_[at_]))
                ++at_;
            field.assign(text_.substr(start, at_ - start));
            return true;
        }
        int startLine = line_;
        ++at_;
        for (;;) {
            if (atEnd()) {
                failedLine_ = startLine;
                return false;
            }
            char c = text_[at_];
            if (c == '"') {
                ++at_;
                if (atEnd() || text_[at_] != '"')
                    break;
                field += '"';
                ++at_;
            } else if (c == '\r' || c == '\n') {
                consumeLineEnd();
                field += '\n';
            } else {
                field += c;
                ++at_;
            }
        }
        // Text after the closing quote (a"b"c) is kept as it stands, as spreadsheets do.
        while (!atEnd() && !isRowEnd(text_[at_]))
            field += text_[at_++];
        return true;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_;
    int failedLine_ = 0;
};

// The separator the first lines use most outside quotes: TAB before semicolon before comma on a
// tie, comma when none occurs.
char detectSeparator(std::string_view text) {
    constexpr std::array<char, 3> candidates = {'\t', ';', ','};
    std::array<int, 3> counts = {0, 0, 0};
    bool quoted = false;
    int lines = 0;
    for (std::size_t i = 0; i < text.size() && lines < 5; ++i) {
        char c = text[i];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\n')
            ++lines;
        for (std::size_t k = 0; !quoted && k < candidates.size(); ++k)
            counts[k] += c == candidates[k];
    }
    std::size_t best = 2;
    for (std::size_t k = 0; k < candidates.size(); ++k)
        if (counts[k] > counts[best])
            best = k;
    return candidates[best];
}

enum Column { question, answer, lesson, info, level, known, columnCount };

// The column a header names, or -1.
int columnNamed(std::string_view name) {
    std::string key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
                          .trimmed()
                          .toLower()
                          .toStdString();
    static const std::vector<std::string_view> names[columnCount] = {
        {"question", "front", "frage", "term", "word"},
        {"answer", "back", "antwort", "definition", "translation"},
        {"lesson", "lektion", "tags"},
        {"additional information", "additional info", "comment", "notes", "zusatzinformation"},
        {"level", "grade", "stufe"},
        {"known", "bekannt"}};
    for (int column = 0; column < columnCount; ++column)
        for (std::string_view candidate : names[column])
            if (key == candidate)
                return column;
    return -1;
}

using ColumnMap = std::array<int, columnCount>; // field index per column, -1 when absent

// A header when both question and answer are named.
bool readHeader(const Row& row, ColumnMap& map) {
    ColumnMap found;
    found.fill(-1);
    for (std::size_t i = 0; i < row.size(); ++i)
        if (int column = columnNamed(row[i]); column >= 0 && found[column] < 0)
            found[column] = static_cast<int>(i);
    if (found[question] < 0 || found[answer] < 0)
        return false;
    map = found;
    return true;
}

bool isEmptyRow(const Row& row) {
    return row.size() == 1 && row.front().empty();
}

ImportedCard makeImported(const Row& row, const ColumnMap& map, TextEncoding encoding) {
    std::string scratch;
    auto field = [&](Column column) -> std::string_view {
        int index = map[column];
        if (index < 0 || static_cast<std::size_t>(index) >= row.size())
            return {};
        return decodeField(row[static_cast<std::size_t>(index)], encoding, scratch);
    };
    ImportedCard card;
    card.question = field(question);
    card.answer = field(answer);
    if (map[lesson] >= 0 && static_cast<std::size_t>(map[lesson]) < row.size())
        card.lesson = field(lesson);
    if (map[info] >= 0 && static_cast<std::size_t>(map[info]) < row.size())
        card.additionalInfo = field(info);
    card.level = parseImportedLevel(field(level));
    std::string_view knownText = field(known);
    card.known =
        knownText == "1" || QString::fromUtf8(knownText.data(), knownText.size())
                                    .trimmed()
                                    .compare(QLatin1String("known"), Qt::CaseInsensitive) == 0;
    return card;
}

// The lines "#key:value" before the table, as flash-card programs write them: the separator
// and column names they give are taken; the rest of the text is the table.
struct HeaderLines {
    std::string_view table;
    int lines = 0;
    char separator = 0;
    std::string_view columns;
};

HeaderLines skipHeaderLines(std::string_view text) {
    HeaderLines head;
    head.table = text;
    while (head.table.starts_with('#')) {
        std::size_t end = head.table.find_first_of("\r\n");
        std::string_view line = head.table.substr(0, end);
        if (line.find(':') == std::string_view::npos)
            break;
        if (line.starts_with("#separator:")) {
            std::string_view name = line.substr(11);
            head.separator = name == "tab" || name == "Tab" ? '\t'
                             : name == "semicolon"          ? ';'
                             : name == "comma"              ? ','
                                                            : 0;
        } else if (line.starts_with("#columns:")) {
            head.columns = line.substr(9);
        }
        ++head.lines;
        if (end == std::string_view::npos) {
            head.table = {};
            break;
        }
        std::size_t next = end + 1;
        if (head.table[end] == '\r' && next < head.table.size() && head.table[next] == '\n')
            ++next;
        head.table.remove_prefix(next);
    }
    return head;
}

} // namespace

FileResult readCsvCards(std::string_view bytes, std::vector<ImportedCard>& cards) {
    cards.clear();
    TextEncoding encoding = detectTextEncoding(bytes);
    HeaderLines head = skipHeaderLines(bytes);
    char separator = head.separator ? head.separator : detectSeparator(head.table);
    ColumnMap map = {0, 1, 2, 3, 4, 5};
    bool headerSeen = false;
    Row row;
    if (!head.columns.empty()) {
        CsvScanner columns(head.columns, separator);
        headerSeen = columns.readRow(row) && readHeader(row, map);
    }
    CsvScanner scanner(head.table, separator, head.lines + 1);
    while (!scanner.atEnd()) {
        if (!scanner.readRow(row)) {
            cards.clear();
            return damagedFile(scanner.failedLine());
        }
        if (isEmptyRow(row))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            if (readHeader(row, map))
                continue;
        }
        cards.push_back(makeImported(row, map, encoding));
    }
    return {};
}
