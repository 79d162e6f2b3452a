#include "shell/desktop_profile_store.h"

#include "ui/profile_store.h"

namespace shell {

int DesktopProfileStore::readInt(const std::string& key, int defaultValue) {
    return ui::readProfileInt(key.c_str(), defaultValue);
}

std::string DesktopProfileStore::readString(const std::string& key,
                                            const std::string& defaultValue) {
    return ui::readProfileString(key.c_str(), defaultValue);
}

bool DesktopProfileStore::writeInt(const std::string& key, int value) {
    return ui::writeProfileInt(key.c_str(), value);
}

bool DesktopProfileStore::writeString(const std::string& key, const std::string& value) {
    return ui::writeProfileString(key.c_str(), value);
}

} // namespace shell
