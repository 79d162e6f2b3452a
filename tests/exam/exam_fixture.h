#pragma once

#include "exam/card_picking.h"
#include "exam/levels.h"
#include "exam/open_exams.h"
#include "exam/random_number.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every examination test starts from the state of program start with a known random sequence,
// a fake main window and a known-card offer that answers what the test presets.
class ExamTest : public testing::Test {
protected:
    void SetUp() override {
        resetCardStore();
        resetPreferences();
        resetOpenExams();
        recentPicks = RecentPicks{};
        inKnownWordsExam = 0;
        seedRandomNumber(1);
        // The menu as it stands with a list open: what the examinations enable is still grayed.
        for (int id : {cmd::ExamWrongWords, cmd::ExamKnownWords, cmd::LessonInOrder,
                       cmd::LessonRandom, cmd::LessonSystematic, cmd::LevelInOrder})
            host.setCommandEnabled(id, false);
        host.setButtonEnabled(ctl::WrongWordsButton, false);
        setKnownCardOffer([this](Card& card) {
            offered.push_back(&card);
            return knownChoice;
        });
    }
    void TearDown() override {
        setKnownCardOffer(nullptr);
        resetOpenExams();
        resetCardStore();
        resetPreferences();
    }

    // Appends cards q0, q1, ... with the answers a0, a1, ... and returns them as appended.
    std::vector<Card*> addCards(CardList& list, int count, const char* lesson = "-") {
        std::vector<Card*> added;
        for (int i = 0; i < count; ++i) {
            std::string n = std::to_string(i);
            Card* card = makeCard();
            assignText(*card, CardField::question, "q" + n);
            assignText(*card, CardField::answer, "a" + n);
            assignText(*card, CardField::lesson, lesson);
            assignText(*card, CardField::additionalInfo, "info" + n);
            appendCard(list, card);
            added.push_back(card);
        }
        return added;
    }

    // Takes the card out of the list, leaving a hole, as deleting it does.
    static void takeOut(CardList& list, Card* card) {
        removeCard(list, card);
        retireCard(card);
    }

    FakeMainWindowHost host;
    NoticeRecorder notices;
    KnownCardChoice knownChoice = KnownCardChoice::KeepIt;
    std::vector<Card*> offered;
};
