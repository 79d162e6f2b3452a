#pragma once

#include <functional>

// Installs what the card commands of the main window do: "&New Cards..." (also the second step
// of New List), "&Modify Cards...", "&Overview..." and "S&tatistics...", and the handler through
// which the examination and the overview open a card in the change-card window.
void installCardCommands();

// How the card windows learn whether an examination command has a window open, so that
// entering cards never enables a command whose window is open. The program passes the
// examination layer's answer; without it no examination counts as open.
void setExamWindowQuery(std::function<bool(int commandId)> query);
