#include "cards/card_windows_open.h"

#include "cards/change_card_dialog.h"
#include "cards/new_card_dialog.h"
#include "cards/overview_dialog.h"
#include "cards/statistics_dialog.h"
#include "resources/command_ids.h"

namespace {
WindowOpenQuery& examQuery() {
    static WindowOpenQuery query;
    return query;
}
} // namespace

void setExamWindowQuery(WindowOpenQuery query) {
    examQuery() = std::move(query);
}

bool commandWindowOpen(int commandId) {
    switch (commandId) {
    case cmd::NewCards:
        return NewCardDialog::instance() != nullptr;
    case cmd::ModifyCards:
        return ChangeCardDialog::instance() != nullptr;
    case cmd::Overview:
        return OverviewDialog::instance() != nullptr;
    case cmd::Statistics:
        return StatisticsDialog::instance() != nullptr;
    default:
        return examQuery() && examQuery()(commandId);
    }
}
