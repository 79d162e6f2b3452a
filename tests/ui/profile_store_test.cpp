#include "ui/profile_store.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Points the user settings at a folder of its own for one test.
class ProfileStoreTest : public testing::Test {
protected:
    void SetUp() override { usePath(dir.path()); }
    void TearDown() override { ui::setProfileApplicationName(nullptr); }
    static void usePath(const QString& path) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ProfileStoreTest, valuesRoundTripAndAbsentOnesGiveTheDefault) {
    EXPECT_EQ(ui::readProfileInt("Maxstufe", 5), 5);
    EXPECT_EQ(ui::readProfileString("ApplicationPath", "none"), "none");
    EXPECT_TRUE(ui::writeProfileInt("Maxstufe", 17));
    EXPECT_TRUE(ui::writeProfileInt("Bemzeigen", -3));
    EXPECT_TRUE(ui::writeProfileString("ApplicationPath", "/opt/z\xC3\xA4lkora"));
    EXPECT_EQ(ui::readProfileInt("Maxstufe", 5), 17);
    EXPECT_EQ(ui::readProfileInt("Bemzeigen", 0), -3);
    EXPECT_EQ(ui::readProfileString("ApplicationPath", ""), "/opt/z\xC3\xA4lkora");
}

TEST_F(ProfileStoreTest, storedUnderZelkoraAndPrefsSection) {
    ui::setProfileApplicationName("cards");
    ASSERT_TRUE(ui::writeProfileInt("Duplex", 1));
    QSettings raw(QStringLiteral("Zelkora"), QStringLiteral("cards"));
    EXPECT_EQ(raw.value("PrefsSection/Duplex").toInt(), 1);
    raw.setValue("PrefsSection/FormatA7", "garbage");
    raw.sync();
    EXPECT_EQ(ui::readProfileInt("FormatA7", 1), 1);
}

TEST_F(ProfileStoreTest, aWriteThatCannotBeStoredReportsFailure) {
    // A file where the settings folder should be: nothing can be created below it.
    QString blocker = dir.filePath("blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    usePath(blocker);
    EXPECT_FALSE(ui::writeProfileInt("Maxstufe", 9));
    EXPECT_FALSE(ui::writeProfileString("ApplicationPath", "x"));
}
