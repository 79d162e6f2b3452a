#include "listfile/kvtml_reader.h"

#include <QByteArray>
#include <QHash>
#include <QXmlStreamReader>

#include <string>
#include <utility>
#include <vector>

namespace {

LanguageChooser installedChooser;

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

    std::vector<ImportedCard> takeCards() { return std::move(cards_); }

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
            ImportedCard card;
            while (xml_.readNextStartElement()) {
                if (xml_.name() == u"translation")
                    readTranslation(card);
                else if (xml_.name() == u"deactivated")
                    card.known = xml_.readElementText().trimmed() == u"true";
                else
                    xml_.skipCurrentElement();
            }
            storeEntry(id, std::move(card));
        }
    }

    // An entry read again under the same id replaces the first, in its place.
    void storeEntry(const QString& id, ImportedCard&& card) {
        auto found = index_.constFind(id);
        if (found != index_.cend()) {
            card.lesson = std::move(cards_[*found].lesson);
            cards_[*found] = std::move(card);
            return;
        }
        if (auto lesson = pendingLessons_.constFind(id); lesson != pendingLessons_.cend())
            card.lesson = lesson->toStdString();
        index_.insert(id, cards_.size());
        cards_.push_back(std::move(card));
    }

    void readTranslation(ImportedCard& card) {
        QStringView id = xml_.attributes().value(QLatin1String("id"));
        int side = id == sideIds_[0] ? 0 : id == sideIds_[1] ? 1 : -1;
        while (xml_.readNextStartElement()) {
            QStringView name = xml_.name();
            if (side >= 0 && name == u"text")
                (side == 0 ? card.question : card.answer) = elementText();
            else if (side == 1 && name == u"comment")
                card.additionalInfo = elementText();
            else if (side == 1 && name == u"grade")
                readGrade(card);
            else
                xml_.skipCurrentElement();
        }
    }

    std::string elementText() {
        return xml_.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
    }

    void readGrade(ImportedCard& card) {
        while (xml_.readNextStartElement())
            if (xml_.name() == u"currentgrade")
                card.level = parseImportedLevel(xml_.readElementText().toStdString());
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

    // An entry keeps the first lesson that names it; lessons may come before the entries.
    void assignLesson(const QString& id, const QString& path) {
        if (path.isEmpty())
            return;
        auto found = index_.constFind(id);
        if (found == index_.cend()) {
            if (!pendingLessons_.contains(id))
                pendingLessons_.insert(id, path);
            return;
        }
        std::size_t index = *found;
        if (lessonGiven_.size() <= index)
            lessonGiven_.resize(cards_.size());
        if (!lessonGiven_[index] && !pendingLessons_.contains(id)) {
            cards_[index].lesson = path.toStdString();
            lessonGiven_[index] = true;
        }
    }

    QXmlStreamReader xml_;
    QString sideIds_[2] = {QStringLiteral("0"), QStringLiteral("1")};
    std::vector<ImportedCard> cards_;
    QHash<QString, std::size_t> index_;      // entry id to its place in cards_
    QHash<QString, QString> pendingLessons_; // lessons named before their entries
    std::vector<bool> lessonGiven_;
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
        cards = parser.takeCards();
    return result;
}
