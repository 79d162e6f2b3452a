#pragma once

#include "store/card_store.h"
#include "store/clock.h"
#include "store/preferences.h"
#include "store/program_state.h"
#include "tests/shell/map_profile_store.h"
#include "tests/support/notice_recorder.h"
#include "tests/support/qt_fake_main_window_host.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every shell test starts from a fresh program: no list, start fonts, first-run preferences, a
// fake main window, notices recorded, the examination and card commands recorded instead of run,
// preferences kept in a map and the end of the program recorded.
class ShellTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A list file in the temporary folder with the given numbers of cards to learn and known
    // cards (questions q0, q1, ...; known k0, k1, ...). Returns its path.
    std::string writeList(const char* name, int mainCount, int knownCount);
    // A file with the given bytes in the temporary folder.
    std::string writeFile(const char* name, const std::string& bytes);
    std::string path(const char* name) const;
    QString qpath(const char* name) const { return QString::fromStdString(path(name)); }
    static bool exists(const std::string& path);
    static std::string contents(const std::string& path);

    QTemporaryDir folder;
    FakeMainWindowHost host;
    NoticeRecorder notices;
    MapProfileStore profile;
    std::vector<int> commandsRun; // the commands of the other layers, in order
    std::vector<int> exitStatuses;
};
