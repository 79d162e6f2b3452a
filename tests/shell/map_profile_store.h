#pragma once

#include "shell/profile_store.h"

#include <map>
#include <set>
#include <string>

// A profile store in memory; keys listed in refused cannot be written.
class MapProfileStore : public shell::ProfileStore {
public:
    int readInt(const std::string& key, int defaultValue) override {
        auto it = ints.find(key);
        return it == ints.end() ? defaultValue : it->second;
    }
    std::string readString(const std::string& key, const std::string& defaultValue) override {
        auto it = strings.find(key);
        return it == strings.end() ? defaultValue : it->second;
    }
    bool writeInt(const std::string& key, int value) override {
        if (refused.count(key))
            return false;
        ints[key] = value;
        return true;
    }
    bool writeString(const std::string& key, const std::string& value) override {
        if (refused.count(key))
            return false;
        strings[key] = value;
        return true;
    }

    std::map<std::string, int> ints;
    std::map<std::string, std::string> strings;
    std::set<std::string> refused;
};
