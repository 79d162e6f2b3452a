#include "cards/card_window.h"

#include <utility>

CardWindow::CardWindow(std::vector<ui::HeldCommand> commands, CardWindow** instanceSlot)
    : ui::ModelessWindow(std::move(commands), nullptr, [instanceSlot, self = this] {
          if (instanceSlot && *instanceSlot == self)
              *instanceSlot = nullptr;
      }) {
    if (instanceSlot)
        *instanceSlot = this;
}
