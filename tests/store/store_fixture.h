#pragma once

#include "store/card_store.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>

// Every store test starts from the state of program start and frees its cards afterwards.
class StoreTest : public testing::Test {
protected:
    void SetUp() override { resetCardStore(); }
    void TearDown() override { resetCardStore(); }

    Card* add(CardList& list, const char* question, const char* answer = "a",
              const char* lesson = "-") {
        addCard(list, question, answer, lesson, "-");
        Card* last = nullptr;
        list.forEach([&](Card* c) {
            if (std::string_view(c->question()) == question)
                last = c;
        });
        return last;
    }

    NoticeRecorder notices;
};
