#include "store/preferences.h"

Preferences preferences;

void resetPreferences() {
    preferences = Preferences{};
}
