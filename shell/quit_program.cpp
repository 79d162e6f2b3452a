#include "shell/quit_program.h"

#include "shell/desktop_profile_store.h"
#include "shell/file_commands.h"
#include "shell/preferences_io.h"
#include "shell/recovery.h"
#include "store/card_store.h"
#include "store/window_registry.h"

#include <QCoreApplication>

#include <cstdlib>

namespace shell {
namespace {

ProfileStore* installedStore = nullptr;
std::function<void(int)> installedExit;

void endProgram(int status) {
    if (installedExit) {
        installedExit(status);
        return;
    }
    if (QCoreApplication::instance()) {
        QCoreApplication::exit(status);
        return;
    }
    std::exit(status);
}

} // namespace

ProfileStore& profileStore() {
    static DesktopProfileStore desktop;
    return installedStore ? *installedStore : desktop;
}

void setProfileStore(ProfileStore* store) {
    installedStore = store;
}

void setProgramExit(std::function<void(int status)> exit) {
    installedExit = std::move(exit);
}

void quitProgram() {
    if (!offerToSave(SaveQuestion::Quit))
        return;
    discardRecovery();
    savePreferences(profileStore());
    closeAllWindows();
    resetCardStore();
    endProgram(0);
}

} // namespace shell
