#include "resources/translations.h"

#include "resources/string_table.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <unordered_map>

namespace translations {
namespace {

std::unique_ptr<QTranslator> programTranslator;
std::unique_ptr<QTranslator> qtTranslator;

// The numbered texts in UTF-8 as looked up once; they live until the language changes.
std::unordered_map<int, QByteArray>& numberedTexts() {
    static std::unordered_map<int, QByteArray> texts;
    return texts;
}

const char* translateNumbered(int number, const char* english) {
    auto& texts = numberedTexts();
    auto it = texts.find(number);
    if (it == texts.end()) {
        const QByteArray key = QByteArray::number(number);
        const QString text = QCoreApplication::translate("Strings", english, key.constData());
        it = texts.emplace(number, text.toUtf8()).first;
    }
    return it->second.constData();
}

void installTranslator(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> loaded) {
    slot = std::move(loaded);
    QCoreApplication::installTranslator(slot.get());
}

} // namespace

bool loadProgramTranslation(QTranslator& translator, const QLocale& locale) {
    const QStringList folders = {QCoreApplication::applicationDirPath() +
                                     QStringLiteral("/../share/zelkora/translations"),
                                 QStringLiteral(":/translations")};
    for (const QString& folder : folders)
        if (translator.load(locale, QStringLiteral("zelkora"), QStringLiteral("_"), folder))
            return true;
    return false;
}

bool install(const QLocale& locale) {
    remove();
    auto program = std::make_unique<QTranslator>();
    const bool found = loadProgramTranslation(*program, locale);
    if (found)
        installTranslator(programTranslator, std::move(program));
    // Qt's own texts (the buttons of message boxes, the file, font and print dialogs).
    auto qt = std::make_unique<QTranslator>();
    if (found && qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTranslator, std::move(qt));
    strings::setTranslator(translateNumbered);
    return found;
}

void remove() {
    for (auto* slot : {&programTranslator, &qtTranslator}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
    strings::setTranslator(nullptr);
    numberedTexts().clear();
}

QString menuText(const char* english) {
    return QCoreApplication::translate("Menu", english);
}

} // namespace translations
