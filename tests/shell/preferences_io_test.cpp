#include "shell/preferences_io.h"
#include "shell/shell_texts.h"
#include "store/preferences.h"
#include "tests/shell/map_profile_store.h"
#include "tests/support/notice_recorder.h"

#include "resources/string_table.h"

#include <gtest/gtest.h>

using shell::loadPreferences;
using shell::savePreferences;

class PreferencesIo : public testing::Test {
protected:
    void SetUp() override {
        preferences.knownThreshold = 42; // anything but the defaults, to see the load replace it
        preferences.allMeanings = 0;
        preferences.printA7 = 0;
    }
    void TearDown() override { resetPreferences(); }

    MapProfileStore store;
    NoticeRecorder notices;
};

TEST_F(PreferencesIo, emptyStoreGivesTheFirstRunDefaults) {
    loadPreferences(store);
    EXPECT_EQ(preferences.allMeanings, 1);
    EXPECT_EQ(preferences.meaningsInOrder, 0);
    EXPECT_EQ(preferences.knownThreshold, 5);
    EXPECT_EQ(preferences.showAdditionalInfo, 0);
    EXPECT_EQ(preferences.duplexPrinting, 0);
    EXPECT_EQ(preferences.printA7, 1);
    EXPECT_EQ(preferences.applicationPath, "");
}

TEST_F(PreferencesIo, switchesBecomeOneButThresholdAndAdditionalInfoStayAsStored) {
    store.ints = {{"Allebed", 7},  {"Mussreihenf", -3}, {"Duplex", 2},
                  {"FormatA7", 0}, {"Maxstufe", 99},    {"Bemzeigen", 7}};
    store.strings["ApplicationPath"] = "/opt/zelkora";
    loadPreferences(store);
    EXPECT_EQ(preferences.allMeanings, 1);
    EXPECT_EQ(preferences.meaningsInOrder, 1);
    EXPECT_EQ(preferences.duplexPrinting, 1);
    EXPECT_EQ(preferences.printA7, 0);
    EXPECT_EQ(preferences.knownThreshold, 99);
    EXPECT_EQ(preferences.showAdditionalInfo, 7);
    EXPECT_EQ(preferences.applicationPath, "/opt/zelkora");
}

TEST_F(PreferencesIo, overlongApplicationPathIsCutTo499Bytes) {
    store.strings["ApplicationPath"] = std::string(600, 'p');
    loadPreferences(store);
    EXPECT_EQ(preferences.applicationPath.size(), 499u);
}

TEST_F(PreferencesIo, saveThenLoadGivesTheSameValues) {
    preferences = Preferences{0, 1, 17, 1, 1, 0, "/home/me"};
    savePreferences(store);
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_EQ(store.ints.size(), 6u);
    EXPECT_EQ(store.ints.at("Maxstufe"), 17);
    resetPreferences();
    loadPreferences(store);
    EXPECT_EQ(preferences.allMeanings, 0);
    EXPECT_EQ(preferences.meaningsInOrder, 1);
    EXPECT_EQ(preferences.knownThreshold, 17);
    EXPECT_EQ(preferences.showAdditionalInfo, 1);
    EXPECT_EQ(preferences.duplexPrinting, 1);
    EXPECT_EQ(preferences.printA7, 0);
    EXPECT_EQ(preferences.applicationPath, "/home/me");
}

TEST_F(PreferencesIo, eachValueThatCannotBeWrittenIsReportedAndTheOthersAreWritten) {
    store.refused = {"Maxstufe", "Duplex", "ApplicationPath"};
    savePreferences(store);
    ASSERT_EQ(notices.entries.size(), 3u);
    for (const auto& entry : notices.entries) {
        EXPECT_EQ(entry.kind, NoticeKind::Error);
        EXPECT_EQ(entry.text, strings::text(shell::text::RegistryWriteFailed));
    }
    EXPECT_EQ(store.ints.size(), 4u);
    EXPECT_TRUE(store.ints.count("FormatA7"));
    EXPECT_TRUE(store.ints.count("Bemzeigen"));
}
