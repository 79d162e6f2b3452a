#pragma once

#include <functional>

namespace shell {

class ProfileStore;

// "&Quit" and the main window's close box: after the question about unsaved changes, writes the
// preferences, closes every window on the list, frees the cards and ends the program with
// status 0. Returns only when the user chose to keep the program running.
void quitProgram();

// The store the preferences are read from at start and written to at quit (the desktop settings
// unless another one is set; nullptr restores them).
ProfileStore& profileStore();
void setProfileStore(ProfileStore* store);

// How the program ends (QApplication::exit, or std::exit without an application); tests set
// their own. nullptr restores the default.
void setProgramExit(std::function<void(int status)> exit);

} // namespace shell
