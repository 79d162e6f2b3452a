#include "listfile/kvtml_parser.h"

#include "listfile/kvtml_reader.h"

#include <utility>
#include <vector>

namespace {

LanguageChooser installedChooser;

// Lessons nested deeper than this make a file damaged (the reader descends into each).
constexpr int kDeepestLesson = 100;

} // namespace

LanguageChooser setLanguageChooser(LanguageChooser chooser) {
    return std::exchange(installedChooser, std::move(chooser));
}

KvtmlParser::KvtmlParser(std::string_view bytes, KvtmlSplitter* splitter)
    : bytes_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))),
      device_(&bytes_), splitter_(splitter) {
    device_.open(QIODevice::ReadOnly);
    xml_.setDevice(&device_);
    reserveEntries();
}

KvtmlParser::KvtmlParser(const QByteArray& document, const QString (&sideIds)[2],
                         const std::atomic<bool>* stop)
    : bytes_(document), device_(&bytes_), sideIds_{sideIds[0], sideIds[1]}, stop_(stop) {
    device_.open(QIODevice::ReadOnly);
    xml_.setDevice(&device_);
    reserveEntries();
}

// An entry takes 200 bytes and more of a file: room for as many costs address space only, and
// saves moving the entries as they grow.
void KvtmlParser::reserveEntries() {
    std::size_t room = static_cast<std::size_t>(bytes_.size()) / 200;
    part_.cards.reserve(room);
    part_.ids.reserve(room);
}

FileResult KvtmlParser::parse() {
    while (!xml_.atEnd() && !stoppedAtSplit_) {
        QXmlStreamReader::TokenType token = xml_.readNext();
        if (token == QXmlStreamReader::StartDocument && !xml_.documentEncoding().isEmpty() &&
            xml_.documentEncoding().compare(u"UTF-8", Qt::CaseInsensitive) != 0)
            splitter_ = nullptr; // the second part is read as UTF-8
        if (token == QXmlStreamReader::DTD) {
            if (!xml_.entityDeclarations().isEmpty())
                return failure();
            // Declarations of the document's own could give the elements of the second part
            // what that part, read alone, would not know.
            if (xml_.text().contains(u'['))
                splitter_ = nullptr;
        }
        if (token == QXmlStreamReader::StartElement && !readTop())
            return failure();
        if (token == QXmlStreamReader::EndElement)
            --depth_;
        if (cancelled_)
            return fileFailure(FileError::NotAList, 0);
    }
    if (stoppedAtSplit_)
        return {};
    if (xml_.hasError() || !sawRoot_)
        return failure();
    return {};
}

FileResult KvtmlParser::failure() const {
    int line = static_cast<int>(xml_.lineNumber());
    return damagedFile(line > 0 ? line : 1, static_cast<int>(xml_.columnNumber()) + 1);
}

bool KvtmlParser::readTop() {
    QStringView name = xml_.name();
    if (!sawRoot_) {
        sawRoot_ = name == u"kvtml";
        depth_ = 1;
        if (!sawRoot_)
            xml_.raiseError(QStringLiteral("not a vocabulary file"));
        return sawRoot_;
    }
    if (name == u"identifiers") {
        if (stop_) {
            xml_.raiseError(QStringLiteral("languages after the entries"));
            return false;
        }
        if (splitEnd_ >= 0) // the second part reads the sides known before
            checkSplit(false);
        readIdentifiers();
    } else if (name == u"entries") {
        readEntries();
    } else if (name == u"lessons") {
        readLessons();
    } else if (name == u"kvtml") {
        ++depth_;
    } else {
        xml_.skipCurrentElement();
    }
    return !xml_.hasError();
}

void KvtmlParser::checkSplit(bool exactly) {
    splitEnd_ = -1;
    stoppedAtSplit_ = splitter_->reachedSplit(exactly);
    splitter_ = nullptr;
}

void KvtmlParser::readIdentifiers() {
    std::vector<std::string> names;
    std::vector<QString> ids;
    while (xml_.readNextStartElement()) {
        if (xml_.name() != u"identifier") {
            xml_.skipCurrentElement();
            continue;
        }
        ids.push_back(xml_.attributes().value(QLatin1String("id")).toString());
        QString name = ids.back();
        while (xml_.readNextStartElement())
            if (xml_.name() == u"name")
                name = xml_.readElementText();
            else
                xml_.skipCurrentElement();
        names.push_back(name.toStdString());
    }
    int question = 0;
    int answer = 1;
    if (names.size() > 2 && installedChooser && !installedChooser(names, question, answer))
        cancelled_ = true;
    for (int side : {0, 1}) {
        std::size_t index = static_cast<std::size_t>(side == 0 ? question : answer);
        sideIds_[side] = index < ids.size() ? ids[index] : QString::number(side);
    }
}

// Among the entries of the root, the second part may begin; the first parser stops there when
// it reads that part's first entry as the next entry of its own.
void KvtmlParser::readEntries() {
    bool mayMeetSplit = splitter_ && depth_ == 1;
    if (mayMeetSplit && splitEnd_ < 0) {
        splitEnd_ = splitter_->entriesBegin(xml_.characterOffset(), sideIds_);
        if (splitEnd_ < 0)
            splitter_ = nullptr;
    }
    while (xml_.readNextStartElement()) {
        if (xml_.name() != u"entry") {
            xml_.skipCurrentElement();
            continue;
        }
        qint64 offset = xml_.characterOffset();
        if (mayMeetSplit && splitEnd_ >= 0 && offset >= splitEnd_) {
            checkSplit(offset == splitEnd_);
            if (stoppedAtSplit_)
                return;
        }
        if (stop_) {
            if (firstEntryEnd_ < 0)
                firstEntryEnd_ = offset;
            if (stop_->load(std::memory_order_relaxed)) {
                xml_.raiseError(QStringLiteral("stopped"));
                return;
            }
        }
        readEntry();
    }
    if (mayMeetSplit && splitEnd_ >= 0 && xml_.characterOffset() >= splitEnd_)
        checkSplit(false);
}

void KvtmlParser::readEntry() {
    const QXmlStreamAttributes attributes = xml_.attributes();
    part_.ids.push_back(kvtmlId(attributes.value(QLatin1String("id"))));
    ImportedCard& card = part_.cards.emplace_back();
    while (xml_.readNextStartElement()) {
        if (xml_.name() == u"translation")
            readTranslation(card);
        else if (xml_.name() == u"deactivated")
            card.known = xml_.readElementText().trimmed() == u"true";
        else
            xml_.skipCurrentElement();
    }
}

void KvtmlParser::readTranslation(ImportedCard& card) {
    const QXmlStreamAttributes attributes = xml_.attributes();
    QStringView id = attributes.value(QLatin1String("id"));
    int side = id == sideIds_[0] ? 0 : id == sideIds_[1] ? 1 : -1;
    while (xml_.readNextStartElement()) {
        QStringView name = xml_.name();
        if (side >= 0 && name == u"text")
            readText(side == 0 ? card.question : card.answer);
        else if (side == 1 && name == u"comment")
            readText(card.additionalInfo);
        else if (side == 1 && name == u"grade")
            readGrade(card);
        else
            xml_.skipCurrentElement();
    }
}

// The element's text with that of the elements in it, as UTF-8.
void KvtmlParser::readText(std::string& text) {
    text.clear();
    for (int depth = 1; depth > 0 && !xml_.hasError();) {
        switch (xml_.readNext()) {
        case QXmlStreamReader::Characters:
        case QXmlStreamReader::EntityReference: {
            QStringView part = xml_.text();
            std::size_t used = text.size();
            text.resize(used + static_cast<std::size_t>(utf8_.requiredSpace(part.size())));
            char* end = utf8_.appendToBuffer(text.data() + used, part);
            text.resize(static_cast<std::size_t>(end - text.data()));
            break;
        }
        case QXmlStreamReader::StartElement:
            ++depth;
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
}

void KvtmlParser::readGrade(ImportedCard& card) {
    while (xml_.readNextStartElement())
        if (xml_.name() == u"currentgrade")
            card.level = parseImportedLevel(xml_.readElementText().toStdString());
        else
            xml_.skipCurrentElement();
}

void KvtmlParser::readLessons() {
    while (xml_.readNextStartElement()) {
        if (xml_.name() == u"container")
            readLesson(QString(), 1);
        else
            xml_.skipCurrentElement();
    }
}

// A lesson's entries get its path, the names of the lessons it stands in and its own joined
// with "/"; an entry before the lesson's name gets the path of the lesson around it.
void KvtmlParser::readLesson(const QString& parent, int depth) {
    if (depth > kDeepestLesson) {
        xml_.raiseError(QStringLiteral("lessons nested too deep"));
        return;
    }
    QString path = parent;
    int pathIndex = -1; // path's place in the part's lessons, once an entry named it
    while (xml_.readNextStartElement()) {
        QStringView name = xml_.name();
        if (name == u"name") {
            QString own = xml_.readElementText();
            path = parent.isEmpty() ? own : parent + u'/' + own;
            pathIndex = -1;
        } else if (name == u"container") {
            readLesson(path, depth + 1);
        } else if (name == u"entry") {
            const QXmlStreamAttributes attributes = xml_.attributes();
            if (!path.isEmpty()) {
                if (pathIndex < 0) {
                    pathIndex = static_cast<int>(part_.lessons.size());
                    part_.lessons.push_back(path.toStdString());
                }
                part_.lessonEntries.emplace_back(kvtmlId(attributes.value(QLatin1String("id"))),
                                                 pathIndex);
            }
            xml_.skipCurrentElement();
        } else {
            xml_.skipCurrentElement();
        }
    }
}
