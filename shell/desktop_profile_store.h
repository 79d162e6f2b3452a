#pragma once

#include "shell/profile_store.h"

namespace shell {

// The profile store of the desktop settings (section "PrefsSection" of the program's settings).
class DesktopProfileStore : public ProfileStore {
public:
    int readInt(const std::string& key, int defaultValue) override;
    std::string readString(const std::string& key, const std::string& defaultValue) override;
    bool writeInt(const std::string& key, int value) override;
    bool writeString(const std::string& key, const std::string& value) override;
};

} // namespace shell
