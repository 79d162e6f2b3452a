#include "cards/card_commands.h"

#include "cards/change_card_dialog.h"
#include "cards/new_card_dialog.h"
#include "cards/overview_dialog.h"
#include "cards/statistics_dialog.h"
#include "resources/command_ids.h"
#include "ui/command_registry.h"

void installCardCommands() {
    ui::setCommandHandler(cmd::NewCards, [] { NewCardDialog::openWindow(); });
    ui::setCommandHandler(cmd::ModifyCards, [] { ChangeCardDialog::openWindow(); });
    ui::setCommandHandler(cmd::Overview, [] { OverviewDialog::openWindow(); });
    ui::setCommandHandler(cmd::Statistics, [] { StatisticsDialog::openWindow(); });
    // The examination's "Edit Card" and the overview's double-click: the one change-card
    // window, opened or brought to the front, shows the very card they show.
    ui::setShowCardHandler([](Card* card) { ChangeCardDialog::openWindow()->showCard(card); });
}
