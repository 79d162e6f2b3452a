#pragma once

#include <span>

// The main window's menu bar as data: the five popups in their order, their items with the text
// (the & marks the mnemonic), the command each sends, the button that shares the command, and
// whether the item is enabled while no list is open. The shell builds its QMenuBar from this.
namespace menu {

// Popups are addressed by position.
enum Popup { File = 0, Edit = 1, Examination = 2, Cards = 3, SpecialExamination = 4 };
constexpr int kPopupCount = 5;

// The key shown beside an item and pressed instead of it: the desktop's standard key for the
// common commands, Ctrl+N for new cards, F1 for the about box.
enum class Shortcut { None, Open, Save, SaveAs, Print, Close, Quit, NewCards, About };

struct MenuEntry {
    const char* text = nullptr; // nullptr for a separator
    int command = 0;            // 0 for a separator
    int button = 0;             // control id of the main-window button with the same command, or 0
    bool enabledAtStart = false;
    Shortcut shortcut = Shortcut::None;

    constexpr bool isSeparator() const { return text == nullptr; }
};

struct MenuPopup {
    const char* title;
    std::span<const MenuEntry> entries; // separators included, in menu order
};

// All five popups, index = Popup. The mnemonics of the popup titles differ from each other, and
// so do those of the items of one popup.
std::span<const MenuPopup> mainMenu();

// The shortcut of the about box, which lives outside the five popups.
constexpr Shortcut kAboutShortcut = Shortcut::About;

// The item that sends the command, or nullptr.
const MenuEntry* findCommand(int command);
// The position of the popup that holds the command, or -1.
int popupOf(int command);

} // namespace menu
