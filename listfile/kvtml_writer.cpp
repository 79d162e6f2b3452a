#include "listfile/kvtml_writer.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <map>
#include <memory>
#include <vector>

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A lesson with its entries and the lessons nested in it, in the order the cards name them.
struct Lesson {
    QString name;
    std::vector<int> entries;
    std::vector<std::unique_ptr<Lesson>> children;

    Lesson& child(const QString& childName) {
        for (auto& lesson : children)
            if (lesson->name == childName)
                return *lesson;
        children.push_back(std::make_unique<Lesson>());
        children.back()->name = childName;
        return *children.back();
    }
};

bool hasText(std::string_view text) {
    return !text.empty() && text != "-";
}

void writeCard(QXmlStreamWriter& xml, const Card& card, int id, bool known) {
    xml.writeStartElement(QStringLiteral("entry"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    if (known)
        xml.writeTextElement(QStringLiteral("deactivated"), QStringLiteral("true"));
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
    xml.writeTextElement(QStringLiteral("text"), qText(card.question()));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("text"), qText(card.answer()));
    if (card.additionalInfo() != "-")
        xml.writeTextElement(QStringLiteral("comment"), qText(card.additionalInfo()));
    if (card.level > 0) {
        xml.writeStartElement(QStringLiteral("grade"));
        xml.writeTextElement(QStringLiteral("currentgrade"), QString::number(card.level));
        // The KDE trainers keep the grade of a text only when it was practised at least once; a
        // card on level n was answered right at least n times.
        xml.writeTextElement(QStringLiteral("count"), QString::number(card.level));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeLesson(QXmlStreamWriter& xml, const Lesson& lesson) {
    xml.writeStartElement(QStringLiteral("container"));
    xml.writeTextElement(QStringLiteral("name"), lesson.name);
    xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (int id : lesson.entries) {
        xml.writeEmptyElement(QStringLiteral("entry"));
        xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    }
    for (const auto& child : lesson.children)
        writeLesson(xml, *child);
    xml.writeEndElement();
}

void writeIdentifier(QXmlStreamWriter& xml, int id, const QString& name) {
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), name);
    xml.writeEndElement();
}

void writeHead(QXmlStreamWriter& xml) {
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral(
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("Zelkora"));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Zelkora"));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(xml, 0, QStringLiteral("Question"));
    writeIdentifier(xml, 1, QStringLiteral("Answer"));
    xml.writeEndElement();
}

} // namespace

std::string kvtmlBytes(const CardList& list, const CardList& known) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    writeHead(xml);
    xml.writeStartElement(QStringLiteral("entries"));
    Lesson lessons;
    int id = 0;
    for (const CardList* part : {&list, &known})
        part->forEach([&](const Card* card) {
            writeCard(xml, *card, id, part == &known);
            if (hasText(card->lesson())) {
                Lesson* lesson = &lessons;
                for (const QString& name : qText(card->lesson()).split(u'/', Qt::SkipEmptyParts))
                    lesson = &lesson->child(name);
                if (lesson != &lessons)
                    lesson->entries.push_back(id);
            }
            ++id;
        });
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("lessons"));
    for (const auto& lesson : lessons.children)
        writeLesson(xml, *lesson);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}
