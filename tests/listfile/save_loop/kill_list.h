#pragma once

#include "store/card_store.h"
#include "store/font_description.h"

#include <string>

// The list that the kill test's child saves over and over: the same cards, every level set to
// the version's number, so the two versions differ all through the file.
inline void makeKillList(int cards, int version) {
    resetCardStore();
    for (int i = 0; i < cards; ++i) {
        std::string n = std::to_string(i);
        int slot = addCard(mainList, "question " + n, "answer " + n, "L1", "-");
        mainList.slot(slot)->level = version;
    }
}

inline FontDescription killListFont() {
    FontDescription font;
    assignText(font.faceName, "Sans");
    return font;
}
