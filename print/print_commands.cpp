#include "print/print_commands.h"

#include "print/card_layout.h"
#include "print/list_layout.h"
#include "print/print_selection_dialog.h"
#include "print/print_texts.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "store/notices.h"
#include "store/preferences.h"
#include "ui/command_registry.h"
#include "ui/dialog_parent.h"
#include "ui/modal.h"
#include "ui/print_dialogs.h"

#include <functional>
#include <vector>

namespace {

using CardPrinter = std::function<void(ui::PrintDevice& device, const std::vector<Card*>& cards)>;
// Whether the layout can go on a page of the chosen orientation (telling the user if not).
using OrientationCheck = std::function<bool(ui::PageOrientation orientation)>;

// Asks for the cards, then prints them on the printer the user chooses, or shows them in the
// preview first when the user asked for that. The orientation is checked before the printer.
void runPrintCommand(const ui::PrintSetup& setup, const OrientationCheck& orientationFits,
                     const CardPrinter& printCards) {
    PrintSelectionDialog selection(ui::dialogParent());
    int result = ui::runModal(selection);
    if (result != ui::kResultOk && result != PrintSelectionDialog::kResultPreview)
        return;
    const std::vector<Card*> cards = selection.printSet();
    auto painter = [&](ui::PrintDevice* device, ui::PageOrientation orientation) {
        if (!orientationFits(orientation))
            return;
        if (!device) {
            showError(print::text::NoDevice);
            return;
        }
        printCards(*device, cards);
    };
    if (result == PrintSelectionDialog::kResultPreview)
        ui::runPrintPreview(setup, painter);
    else
        ui::runPrintDialog(setup, painter);
}

} // namespace

void printCardList() {
    runPrintCommand(
        {ui::PageOrientation::Portrait, false, strings::text(print::text::ListDocument)},
        [](ui::PageOrientation) { return true; },
        [](ui::PrintDevice& device, const std::vector<Card*>& cards) {
            printListDocument(device, cards);
        });
}

void printFlashCards() {
    const bool a7 = preferences.printA7 != 0;
    const bool duplex = preferences.duplexPrinting != 0;
    ui::PrintSetup setup{a7 ? ui::PageOrientation::Landscape : ui::PageOrientation::Portrait,
                         duplex, strings::text(print::text::CardsDocument)};
    runPrintCommand(
        setup, [a7](ui::PageOrientation orientation) { return orientationFits(orientation, a7); },
        [a7, duplex](ui::PrintDevice& device, const std::vector<Card*>& cards) {
            printFlashCardDocuments(device, cards, a7, duplex);
        });
}

void installPrintCommands() {
    ui::setCommandHandler(cmd::Print, printCardList);
    ui::setCommandHandler(cmd::PrintCards, printFlashCards);
}
