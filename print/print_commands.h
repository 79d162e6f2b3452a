#pragma once

// Installs what "&Print..." and "Print Cards..." of the main window do.
void installPrintCommands();

// "&Print...": the chosen cards as a list, question, answer and lesson in three columns.
void printCardList();
// "Print Cards...": the chosen cards as flash cards to cut out, A6 or A7 as the preferences say,
// each question behind its answer.
void printFlashCards();
