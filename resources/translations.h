#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// The program's texts in the user's language. The string table is looked up in the context
// "Strings" (the number tells equal texts apart), the menu table in "Menu", every other window
// text in its class's context through tr(). Where no translation exists a text stays English.
namespace translations {

// Loads and installs the program's translation and Qt's own for the locale (the system's,
// from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, unless told otherwise). Call it once the
// application object exists. True when the program has a translation for the locale.
bool install(const QLocale& locale = QLocale());
// Removes what install put in place: every text is English again.
void remove();

// A menu text of the menu table (& marks included) in the user's language.
QString menuText(const char* english);

// Loads the program's translation for the locale: first from the installed data folder next to
// the program (share/zelkora/translations), else the copy built into the program.
bool loadProgramTranslation(QTranslator& translator, const QLocale& locale);

} // namespace translations
