#include "shell/preferences_io.h"

#include "shell/profile_store.h"
#include "shell/shell_texts.h"
#include "store/notices.h"
#include "store/preferences.h"

namespace shell {
namespace {

// The path is kept in a buffer of 500 bytes where it was first stored; longer values are cut.
constexpr std::size_t kApplicationPathLimit = 499;

int readSwitch(ProfileStore& store, const char* key, int defaultValue) {
    return store.readInt(key, defaultValue) != 0 ? 1 : 0;
}

void writeInt(ProfileStore& store, const char* key, int value) {
    if (!store.writeInt(key, value))
        showError(text::RegistryWriteFailed);
}

} // namespace

void loadPreferences(ProfileStore& store) {
    preferences.allMeanings = readSwitch(store, "Allebed", 1);
    preferences.meaningsInOrder = readSwitch(store, "Mussreihenf", 0);
    preferences.duplexPrinting = readSwitch(store, "Duplex", 0);
    preferences.printA7 = readSwitch(store, "FormatA7", 1);
    preferences.knownThreshold = store.readInt("Maxstufe", 5);
    preferences.showAdditionalInfo = store.readInt("Bemzeigen", 0);
    preferences.applicationPath = store.readString("ApplicationPath", "");
    if (preferences.applicationPath.size() > kApplicationPathLimit)
        preferences.applicationPath.resize(kApplicationPathLimit);
}

void savePreferences(ProfileStore& store) {
    writeInt(store, "Allebed", preferences.allMeanings);
    writeInt(store, "Mussreihenf", preferences.meaningsInOrder);
    writeInt(store, "Maxstufe", preferences.knownThreshold);
    writeInt(store, "Bemzeigen", preferences.showAdditionalInfo);
    writeInt(store, "Duplex", preferences.duplexPrinting);
    writeInt(store, "FormatA7", preferences.printA7);
    if (!store.writeString("ApplicationPath", preferences.applicationPath))
        showError(text::RegistryWriteFailed);
}

} // namespace shell
