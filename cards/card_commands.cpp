#include "cards/card_commands.h"

void installCardCommands() {}
