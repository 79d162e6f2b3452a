#pragma once

#include "store/card_store.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

// Every card test starts from an empty store and frees its cards afterwards.
class CardsTest : public testing::Test {
protected:
    void SetUp() override {
        resetCardStore();
        resetPreferences();
    }
    void TearDown() override { resetCardStore(); }

    // Adds a card and returns it.
    static Card* add(CardList& list, std::string_view question, std::string_view answer = "a",
                     std::string_view lesson = "-", int32_t level = 0) {
        const std::vector<Card*> before = list.cards();
        addCard(list, question, answer, lesson, "-");
        Card* made = nullptr;
        list.forEach([&](Card* c) {
            if (std::find(before.begin(), before.end(), c) == before.end())
                made = c;
        });
        made->level = level;
        return made;
    }

    static std::vector<int32_t> ids(const CardList& list) {
        std::vector<int32_t> out;
        list.forEach([&](Card* c) { out.push_back(c->id); });
        return out;
    }

    NoticeRecorder notices;
};
