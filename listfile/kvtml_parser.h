#pragma once

#include "listfile/file_result.h"
#include "listfile/kvtml_part.h"

#include <QString>
#include <QStringEncoder>
#include <QXmlStreamReader>

#include <string>
#include <string_view>

// Reads a KVTML file with the XML reader and collects its entries and lessons, in the file's
// order, for joinKvtmlParts.
class KvtmlParser {
public:
    // The bytes stay the caller's and must outlive the parser.
    explicit KvtmlParser(std::string_view bytes);

    // Reads to the end; on failure the result names where the file went wrong.
    FileResult parse();
    KvtmlPart& part() { return part_; }

private:
    FileResult failure() const;
    bool readTop();
    void readIdentifiers();
    void readEntries();
    void readEntry();
    void readTranslation(ImportedCard& card);
    void readGrade(ImportedCard& card);
    void readLessons();
    void readLesson(const QString& parent, int depth);
    void readText(std::string& text);

    QXmlStreamReader xml_;
    QStringEncoder utf8_{QStringEncoder::Utf8};
    QString sideIds_[2] = {QStringLiteral("0"), QStringLiteral("1")};
    KvtmlPart part_;
    bool sawRoot_ = false;
    bool cancelled_ = false;
};
