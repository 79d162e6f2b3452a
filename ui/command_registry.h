#pragma once

#include <functional>

struct Card;

namespace ui {

// The main window owns the menu; the layers above ui install what each of their commands does,
// so the shell can run a command (a menu choice, a button, the start after opening a list)
// without knowing the window it opens.
using CommandHandler = std::function<void()>;

void setCommandHandler(int commandId, CommandHandler handler);
// Runs the command's handler; false when no handler is installed.
bool runCommand(int commandId);
bool hasCommandHandler(int commandId);
void clearCommandHandlers();

// Opens the change-card window on the card (the examination's "Edit Card", a double-click in the
// overview). The card layer installs the handler.
void setShowCardHandler(std::function<void(Card*)> handler);
void showCard(Card* card);

} // namespace ui
