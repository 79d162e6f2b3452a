#include "exam/open_exams.h"

#include "ui/main_window_host.h"

#include <map>

namespace {
std::map<int, int>& openCounts() {
    static std::map<int, int> counts;
    return counts;
}
} // namespace

void noteExamOpened(int commandId) {
    ++openCounts()[commandId];
}

void noteExamClosed(int commandId) {
    auto it = openCounts().find(commandId);
    if (it != openCounts().end() && --it->second <= 0)
        openCounts().erase(it);
}

bool examIsOpen(int commandId) {
    return openCounts().count(commandId) != 0;
}

void enableExamCommand(int commandId, int buttonId) {
    ui::MainWindowHost* host = ui::mainWindowHost();
    if (!host || examIsOpen(commandId))
        return;
    host->setCommandEnabled(commandId, true);
    if (buttonId)
        host->setButtonEnabled(buttonId, true);
}

void resetOpenExams() {
    openCounts().clear();
}
