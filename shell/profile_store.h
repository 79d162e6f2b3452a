#pragma once

#include <string>

namespace shell {

// The per-user store the preferences are kept in, one section of named values. The program uses
// the settings store of the desktop; tests use a map.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int readInt(const std::string& key, int defaultValue) = 0;
    virtual std::string readString(const std::string& key, const std::string& defaultValue) = 0;
    // False when the value could not be written.
    virtual bool writeInt(const std::string& key, int value) = 0;
    virtual bool writeString(const std::string& key, const std::string& value) = 0;
};

} // namespace shell
