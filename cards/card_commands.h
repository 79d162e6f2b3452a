#pragma once

// Installs what the card commands of the main window do: "&New Cards..." (also the second step
// of New List), "&Modify Cards...", "&Overview..." and "S&tatistics...", and the handler through
// which the examination and the overview open a card in the change-card window.
void installCardCommands();
