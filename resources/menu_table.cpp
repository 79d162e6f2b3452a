#include "resources/menu_table.h"

#include "resources/command_ids.h"

namespace menu {
namespace {

constexpr MenuEntry separator{};

constexpr MenuEntry item(const char* text, int command, bool enabled, int button = 0,
                         Shortcut shortcut = Shortcut::None) {
    return MenuEntry{text, command, button, enabled, shortcut};
}

constexpr MenuEntry keyed(const char* text, int command, bool enabled, Shortcut shortcut,
                          int button = 0) {
    return item(text, command, enabled, button, shortcut);
}

constexpr bool on = true;
constexpr bool grayed = false;

constexpr MenuEntry fileEntries[] = {
    item("&New List...", cmd::NewList, on),
    keyed("&Open List...", cmd::OpenList, on, Shortcut::Open),
    keyed("&Close List", cmd::CloseList, grayed, Shortcut::Close),
    keyed("&Save List...", cmd::SaveList, grayed, Shortcut::Save),
    keyed("Save List &As...", cmd::SaveListAs, grayed, Shortcut::SaveAs),
    separator,
    item("&Export Cards...", cmd::ExportCards, grayed),
    item("Export Question...", cmd::ExportQuestions, grayed),
    item("Export Answer...", cmd::ExportAnswers, grayed),
    item("E&xport for Other Programs...", cmd::ExportForOtherPrograms, grayed),
    separator,
    keyed("&Print...", cmd::Print, grayed, Shortcut::Print),
    item("Print Cards...", cmd::PrintCards, grayed),
    separator,
    item("P&references...", cmd::Preferences, on),
    separator,
    keyed("&Quit", cmd::Quit, on, Shortcut::Quit),
};

constexpr MenuEntry editEntries[] = {
    item("Font of the Question...", cmd::QuestionFont, on),
    item("Font of the Answer...", cmd::AnswerFont, on),
};

constexpr MenuEntry examinationEntries[] = {
    item("Systematic Examination...", cmd::SystematicExam, grayed, ctl::SystematicButton),
    separator,
    item("Examination in &Order...", cmd::ExamInOrder, grayed, ctl::InOrderButton),
    item("Examination in &Random Order...", cmd::ExamRandom, grayed, ctl::RandomButton),
    separator,
    item("Examination of &Wrong Words", cmd::ExamWrongWords, grayed, ctl::WrongWordsButton),
};

constexpr MenuEntry cardsEntries[] = {
    keyed("&New Cards...", cmd::NewCards, grayed, Shortcut::NewCards, ctl::NewCardButton),
    item("&Modify Cards...", cmd::ModifyCards, grayed),
    separator,
    item("&Sort", cmd::Sort, grayed),
    item("&Exchange Question and Answer", cmd::ExchangeQA, grayed, ctl::ExchangeButton),
    separator,
    item("&Overview...", cmd::Overview, grayed, ctl::OverviewButton),
    item("S&tatistics...", cmd::Statistics, grayed),
};

constexpr MenuEntry specialEntries[] = {
    item("Examination of the &Known Words...", cmd::ExamKnownWords, grayed),
    separator,
    item("&Choose a Lesson...", cmd::ChooseLesson, grayed),
    separator,
    item("Lesson in &Order...", cmd::LessonInOrder, grayed),
    item("Lesson in &Random Order...", cmd::LessonRandom, grayed),
    item("Lesson - &Systematic Examination...", cmd::LessonSystematic, grayed),
    separator,
    item("Choose a &Level...", cmd::ChooseLevel, grayed),
    separator,
    item("Level in order...", cmd::LevelInOrder, grayed),
};

constexpr MenuPopup popups[kPopupCount] = {
    {"&File", fileEntries},
    {"&Edit", editEntries},
    {"E&xamination", examinationEntries},
    {"&Cards", cardsEntries},
    {"&Special Examination", specialEntries},
};

} // namespace

std::span<const MenuPopup> mainMenu() {
    return popups;
}

const MenuEntry* findCommand(int command) {
    if (command == 0)
        return nullptr;
    for (const MenuPopup& popup : popups)
        for (const MenuEntry& entry : popup.entries)
            if (entry.command == command)
                return &entry;
    return nullptr;
}

int popupOf(int command) {
    if (command == 0)
        return -1;
    for (int i = 0; i < kPopupCount; ++i)
        for (const MenuEntry& entry : popups[i].entries)
            if (entry.command == command)
                return i;
    return -1;
}

} // namespace menu
