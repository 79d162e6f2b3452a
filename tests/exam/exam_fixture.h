#pragma once

#include "exam/card_picking.h"
#include "exam/levels.h"
#include "exam/open_exams.h"
#include "exam/random_number.h"
#include "store/card_store.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"
#include "ui/main_window_host.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

// Stands in for the main window: remembers the state of every command and button.
class FakeHost : public ui::MainWindowHost {
public:
    QWidget* window() override { return nullptr; }
    void setCommandEnabled(int commandId, bool enabled) override { commands[commandId] = enabled; }
    bool isCommandEnabled(int commandId) const override {
        auto it = commands.find(commandId);
        return it != commands.end() && it->second;
    }
    void setButtonEnabled(int controlId, bool enabled) override { buttons[controlId] = enabled; }
    void updateCounters() override { ++counterUpdates; }

    bool buttonEnabled(int controlId) const {
        auto it = buttons.find(controlId);
        return it != buttons.end() && it->second;
    }

    std::map<int, bool> commands;
    std::map<int, bool> buttons;
    int counterUpdates = 0;
};

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
        ui::setMainWindowHost(&host);
        setKnownCardOffer([this](Card& card) {
            offered.push_back(&card);
            return knownChoice;
        });
    }
    void TearDown() override {
        setKnownCardOffer(nullptr);
        ui::setMainWindowHost(nullptr);
        resetOpenExams();
        resetCardStore();
        resetPreferences();
    }

    // Appends cards q0, q1, ... with the answers a0, a1, ... and returns them as appended.
    std::vector<Card*> addCards(CardList& list, int count, const char* lesson = "-") {
        std::vector<Card*> added;
        for (int i = 0; i < count; ++i) {
            std::string n = std::to_string(i);
            addCard(list, "q" + n, "a" + n, lesson, "info" + n);
            added.push_back(findCardById(list, nextCardId - 1));
        }
        return added;
    }

    FakeHost host;
    NoticeRecorder notices;
    KnownCardChoice knownChoice = KnownCardChoice::KeepIt;
    std::vector<Card*> offered;
};
