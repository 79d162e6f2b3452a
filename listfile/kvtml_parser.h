#pragma once

#include "listfile/file_result.h"
#include "listfile/kvtml_part.h"

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <QXmlStreamReader>

#include <atomic>
#include <string>
#include <string_view>

// Lets a second parser read the second part of a file while the first reads the first part.
// The parser of the whole file tells it where it stands; all calls come from that parser's thread.
class KvtmlSplitter {
public:
    virtual ~KvtmlSplitter() = default;
    // The file's entries begin after `offset` characters (UTF-16 code units), and questions and
    // answers are the translations with these ids. Returns the offset at which the start tag of
    // the entry the second part begins with ends, or -1 when the file is read in one part.
    virtual qint64 entriesBegin(qint64 offset, const QString (&sideIds)[2]) = 0;
    // The parser came to an entry among the file's entries whose start tag ends at or after that
    // offset, or can no longer come to it; `exactly` when that entry is the second part's first.
    // True when the second part completes the file and the parser stops; false when the parser
    // reads on alone.
    virtual bool reachedSplit(bool exactly) = 0;
};

// Reads a KVTML file with the XML reader and collects its entries and lessons, in the file's
// order, for joinKvtmlParts.
class KvtmlParser {
public:
    // The bytes stay the caller's and must outlive the parser. With a splitter, a UTF-8 file may
    // be read in two parts.
    explicit KvtmlParser(std::string_view bytes, KvtmlSplitter* splitter = nullptr);
    // The second part of a file: a document "<kvtml><entries>" followed by the file from one of
    // its entries on. Reads the translations of these sides; fails when it meets languages to
    // choose from (the first part asks for those) or when stop becomes true.
    KvtmlParser(const QByteArray& document, const QString (&sideIds)[2],
                const std::atomic<bool>* stop);

    // Reads to the end; on failure the result names where the file went wrong.
    FileResult parse();
    KvtmlPart& part() { return part_; }
    // The second part completes what the parser read.
    bool stoppedAtSplit() const { return stoppedAtSplit_; }
    // Where the first entry's start tag ended, in characters, or -1.
    qint64 firstEntryEnd() const { return firstEntryEnd_; }

private:
    void reserveEntries();
    FileResult failure() const;
    void checkSplit(bool exactly);
    bool readTop();
    void readIdentifiers();
    void readEntries();
    void readEntry();
    void readTranslation(ImportedCard& card);
    void readGrade(ImportedCard& card);
    void readLessons();
    void readLesson(const QString& parent, int depth);
    void readText(std::string& text);

    // The reader takes the bytes through a device: so it decodes them a piece at a time, which
    // is much faster for large files than decoding them all at once.
    QByteArray bytes_;
    QBuffer device_;
    QXmlStreamReader xml_;
    QStringEncoder utf8_{QStringEncoder::Utf8};
    QString sideIds_[2] = {QStringLiteral("0"), QStringLiteral("1")};
    KvtmlPart part_;
    bool sawRoot_ = false;
    bool cancelled_ = false;
    int depth_ = 0; // of the elements kvtml the parser stands in
    KvtmlSplitter* splitter_ = nullptr;
    qint64 splitEnd_ = -1;
    bool stoppedAtSplit_ = false;
    const std::atomic<bool>* stop_ = nullptr; // the second part's
    qint64 firstEntryEnd_ = -1;
};
