#pragma once

#include "store/card_store.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>

#include <string_view>

// Every card test starts from an empty store and frees its cards afterwards.
class CardsTest : public testing::Test {
protected:
    void SetUp() override {
        resetCardStore();
        resetPreferences();
    }
    void TearDown() override { resetCardStore(); }

    // Adds a card and returns it (the card just made has the highest slot it was put into).
    static Card* add(CardList& list, std::string_view question, std::string_view answer = "a",
                     std::string_view lesson = "-", int32_t level = 0) {
        addCard(list, question, answer, lesson, "-");
        Card* last = nullptr;
        list.forEach([&](Card* c) {
            if (!last || c->id > last->id)
                last = c;
        });
        last->level = level;
        return last;
    }

    static std::vector<int32_t> ids(const CardList& list) {
        std::vector<int32_t> out;
        list.forEach([&](Card* c) { out.push_back(c->id); });
        return out;
    }

    NoticeRecorder notices;
};
