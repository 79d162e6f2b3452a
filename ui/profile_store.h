#pragma once

#include <string>

namespace ui {

// The per-user profile store: QSettings of organisation "Zelkora" and application the program
// file's base name, values in the group "PrefsSection". A value that is absent or unreadable
// gives the default. A write returns false when the store could not take it.
int readProfileInt(const char* key, int defaultValue);
bool writeProfileInt(const char* key, int value);
// Strings are UTF-8.
std::string readProfileString(const char* key, const std::string& defaultValue);
bool writeProfileString(const char* key, const std::string& value);

// The application name the store uses (the program file's base name); tests may set another.
void setProfileApplicationName(const char* name);

} // namespace ui
