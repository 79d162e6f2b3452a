#pragma once

#include <cstdint>
#include <string>

// The user's preferences: read from the profile store at start-up, changed only in the
// preferences window, written back at quit.
struct Preferences {
    int allMeanings = 1;        // every meaning of an answer must be typed
    int meaningsInOrder = 0;    // ... and in the stored order
    int32_t knownThreshold = 5; // right answers after which a card may be moved to the known cards
    int32_t showAdditionalInfo = 0; // 1 shows the additional information during an examination
    int duplexPrinting = 0;
    int printA7 = 1;
    std::string applicationPath; // read and written back, used by nothing else
};

extern Preferences preferences;

// Whether an examination shows the additional information: only a stored 1 means on, any other
// value (a profile may hold 7) counts as off.
inline bool additionalInfoShown() {
    return preferences.showAdditionalInfo == 1;
}

// Back to the values a first run has (for tests).
void resetPreferences();
