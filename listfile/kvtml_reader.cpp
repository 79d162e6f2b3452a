#include "listfile/kvtml_reader.h"

#include <QByteArray>
#include <QHash>
#include <QXmlStreamReader>

#include <utility>

namespace {

LanguageChooser installedChooser;

struct Entry {
    QString texts[2];
    QString comment;
    bool hasComment = false;
    int grade = 0;
    bool deactivated = false;
};

// Lessons nested deeper than this make a file damaged (the reader descends into each).
constexpr int kDeepestLesson = 100;

// Reads a file with the XML reader and collects what the cards need.
class KvtmlParser {
public:
    explicit KvtmlParser(std::string_view bytes)
        : xml_(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()))) {}

    FileResult parse() {
        while (!xml_.atEnd()) {
            xml_.readNext();
            if (xml_.isDTD() && !xml_.entityDeclarations().isEmpty())
                return failure();
            if (xml_.isStartElement() && !readTop())
                return failure();
            if (cancelled_)
                return fileFailure(FileError::NotAList, 0);
        }
        if (xml_.hasError() || !sawRoot_)
            return failure();
        return {};
    }

    std::vector<ImportedCard> cards() const {
        std::vector<ImportedCard> cards;
        cards.reserve(static_cast<std::size_t>(order_.size()));
        for (const QString& id : order_) {
            const Entry& entry = entries_[id];
            ImportedCard card;
            card.question = entry.texts[0].toStdString();
            card.answer = entry.texts[1].toStdString();
            if (auto lesson = lessons_.constFind(id); lesson != lessons_.cend())
                card.lesson = lesson->toStdString();
            if (entry.hasComment)
                card.additionalInfo = entry.comment.toStdString();
            card.level = entry.grade;
            card.known = entry.deactivated;
            cards.push_back(std::move(card));
        }
        return cards;
    }

private:
    FileResult failure() const {
        int line = static_cast<int>(xml_.lineNumber());
        return damagedFile(line > 0 ? line : 1, static_cast<int>(xml_.columnNumber()) + 1);
    }

    bool readTop() {
        QStringView name = xml_.name();
        if (!sawRoot_) {
            sawRoot_ = name == u"kvtml";
            if (!sawRoot_)
                xml_.raiseError(QStringLiteral("not a vocabulary file"));
            return sawRoot_;
        }
        if (name == u"identifiers")
            readIdentifiers();
        else if (name == u"entries")
            readEntries();
        else if (name == u"lessons")
            readLessons(QString());
        else if (name != u"kvtml")
            xml_.skipCurrentElement();
        return !xml_.hasError();
    }

    void readIdentifiers() {
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

    void readEntries() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"entry") {
                xml_.skipCurrentElement();
                continue;
            }
            QString id = xml_.attributes().value(QLatin1String("id")).toString();
            Entry entry;
            while (xml_.readNextStartElement()) {
                if (xml_.name() == u"translation")
                    readTranslation(entry);
                else if (xml_.name() == u"deactivated")
                    entry.deactivated = xml_.readElementText().trimmed() == u"true";
                else
                    xml_.skipCurrentElement();
            }
            if (!entries_.contains(id))
                order_.push_back(id);
            entries_.insert(id, std::move(entry));
        }
    }

    void readTranslation(Entry& entry) {
        QStringView id = xml_.attributes().value(QLatin1String("id"));
        int side = id == sideIds_[0] ? 0 : id == sideIds_[1] ? 1 : -1;
        while (xml_.readNextStartElement()) {
            QStringView name = xml_.name();
            if (side >= 0 && name == u"text") {
                entry.texts[side] = elementText();
            } else if (side == 1 && name == u"comment") {
                entry.comment = elementText();
                entry.hasComment = true;
            } else if (side == 1 && name == u"grade") {
                readGrade(entry);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    QString elementText() { return xml_.readElementText(QXmlStreamReader::IncludeChildElements); }

    void readGrade(Entry& entry) {
        while (xml_.readNextStartElement())
            if (xml_.name() == u"currentgrade")
                entry.grade = parseImportedLevel(xml_.readElementText().toStdString());
            else
                xml_.skipCurrentElement();
    }

    // A lesson's entries get its path; an entry in two lessons keeps the first.
    void readLessons(const QString& path) {
        while (xml_.readNextStartElement()) {
            QStringView name = xml_.name();
            if (name == u"container")
                readLesson(path);
            else
                xml_.skipCurrentElement();
        }
    }

    void readLesson(const QString& parent, int depth = 1) {
        if (depth > kDeepestLesson) {
            xml_.raiseError(QStringLiteral("lessons nested too deep"));
            return;
        }
        QString path = parent;
        while (xml_.readNextStartElement()) {
            QStringView name = xml_.name();
            if (name == u"name") {
                QString own = xml_.readElementText();
                path = parent.isEmpty() ? own : parent + u'/' + own;
            } else if (name == u"container") {
                readLesson(path, depth + 1);
            } else if (name == u"entry") {
                assignLesson(xml_.attributes().value(QLatin1String("id")).toString(), path);
                xml_.skipCurrentElement();
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    void assignLesson(const QString& id, const QString& path) {
        if (!path.isEmpty() && !lessons_.contains(id))
            lessons_.insert(id, path);
    }

    QXmlStreamReader xml_;
    QString sideIds_[2] = {QStringLiteral("0"), QStringLiteral("1")};
    QHash<QString, Entry> entries_;
    QList<QString> order_;
    QHash<QString, QString> lessons_; // entry id to lesson path
    bool sawRoot_ = false;
    bool cancelled_ = false;
};

} // namespace

LanguageChooser setLanguageChooser(LanguageChooser chooser) {
    return std::exchange(installedChooser, std::move(chooser));
}

FileResult readKvtmlCards(std::string_view bytes, std::vector<ImportedCard>& cards) {
    cards.clear();
    KvtmlParser parser(bytes);
    FileResult result = parser.parse();
    if (result.ok())
        cards = parser.cards();
    return result;
}
