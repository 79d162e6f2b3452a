#pragma once

namespace ui {
class MainWindowHost;
}

// The enable and gray rules of the main window's commands and buttons, as plain functions over
// the card counts. The main window and the tests apply them to a MainWindowHost.
namespace shell {

// The state at start-up: only New List, Open List, Preferences, Quit and the two font commands
// are enabled; every other command is grayed and the seven text buttons are disabled.
void applyStartState(ui::MainWindowHost& host);

// The "No list" state after Close List: like start-up, but Preferences, Quit and the font
// commands are left as they are (they are enabled in every state).
void applyNoListState(ui::MainWindowHost& host);

// What opening a list enables, by the number of cards read into the main and known lists.
void applyOpenedListState(ui::MainWindowHost& host, int mainCount, int knownCount);

// New List: Open List and Close List grayed, Overview enabled (the new-card window does the rest).
void applyNewListState(ui::MainWindowHost& host);

// The examination that starts by itself after a list was opened: more than 20 cards the
// systematic one, more than 3 the one in order; 0 when nothing starts.
int autoStartCommand(int mainCount);

// What the start button does, from the enabled states of the three examination commands.
enum class StartChoice { Systematic, Random, InOrder, Beep };
StartChoice chooseStart(bool systematicEnabled, bool randomEnabled, bool inOrderEnabled);
// The same, read from the host's menu; the command to run, or 0 for the beep.
int startButtonCommand(const ui::MainWindowHost& host);

} // namespace shell
