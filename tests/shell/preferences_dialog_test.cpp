#include "shell/preferences_control_ids.h"
#include "shell/preferences_dialog.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"
#include "ui/modal.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PreferencesDialogTest : public testing::Test {
protected:
    void SetUp() override { resetPreferences(); }
    void TearDown() override { resetPreferences(); }

    QLineEdit* threshold() {
        return dialog.findChild<QLineEdit*>(QString::number(prefctl::Threshold));
    }
    QRadioButton* radio(int id) { return dialog.findChild<QRadioButton*>(QString::number(id)); }
    QCheckBox* box(int id) { return dialog.findChild<QCheckBox*>(QString::number(id)); }
    // Types the threshold and presses OK; the dialog's result, or -1 when it stayed open.
    int okWith(const QString& text) {
        threshold()->setText(text);
        return ui::pressButton(dialog, prefctl::Ok);
    }

    NoticeRecorder notices;
    PreferencesDialog dialog;
};

} // namespace

TEST_F(PreferencesDialogTest, showsTheStoredValues) {
    preferences.knownThreshold = 7;
    preferences.showAdditionalInfo = 7; // only 1 counts as on
    preferences.duplexPrinting = 1;
    preferences.printA7 = 0;
    preferences.meaningsInOrder = 0;
    preferences.allMeanings = 0;
    PreferencesDialog shown;
    EXPECT_EQ(shown.findChild<QLineEdit*>(QString::number(prefctl::Threshold))->text(),
              QStringLiteral("7"));
    EXPECT_FALSE(
        shown.findChild<QCheckBox*>(QString::number(prefctl::ShowAdditionalInfo))->isChecked());
    EXPECT_TRUE(shown.findChild<QCheckBox*>(QString::number(prefctl::DuplexPrinting))->isChecked());
    EXPECT_FALSE(shown.findChild<QCheckBox*>(QString::number(prefctl::PrintA7))->isChecked());
    EXPECT_TRUE(shown.findChild<QRadioButton*>(QString::number(prefctl::AnyMeanings))->isChecked());
}

TEST_F(PreferencesDialogTest, thresholdBoundsZeroAndNinetyNineTakenHundredIgnored) {
    EXPECT_EQ(okWith(QStringLiteral("0")), ui::kResultOk);
    EXPECT_EQ(preferences.knownThreshold, 0);
    EXPECT_EQ(okWith(QStringLiteral("99")), ui::kResultOk);
    EXPECT_EQ(preferences.knownThreshold, 99);
    EXPECT_EQ(okWith(QStringLiteral("100")), ui::kResultOk);
    EXPECT_EQ(preferences.knownThreshold, 99);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(PreferencesDialogTest, outOfRangeOrNonNumbersAreRefusedAndNothingIsStored) {
    box(1030)->setChecked(true);
    for (const char* text : {"101", "-1", "five"}) {
        EXPECT_EQ(okWith(QString::fromLatin1(text)), -1) << text;
        EXPECT_TRUE(dialog.isVisible());
    }
    ASSERT_EQ(notices.entries.size(), 3u);
    EXPECT_EQ(notices.entries[0].text, "Please enter an integer between 0 and 100.");
    EXPECT_EQ(notices.entries[2].text, "Please enter an integer.");
    EXPECT_EQ(preferences.knownThreshold, 5);
    EXPECT_EQ(preferences.showAdditionalInfo, 0);
}

TEST_F(PreferencesDialogTest, answerRulesAndSwitchesAreTaken) {
    radio(1033)->setChecked(true);
    box(1030)->setChecked(true);
    box(1066)->setChecked(true);
    box(1067)->setChecked(false);
    ASSERT_EQ(okWith(QStringLiteral("5")), ui::kResultOk);
    EXPECT_EQ(preferences.allMeanings, 0);
    EXPECT_EQ(preferences.meaningsInOrder, 0);
    EXPECT_EQ(preferences.showAdditionalInfo, 1);
    EXPECT_EQ(preferences.duplexPrinting, 1);
    EXPECT_EQ(preferences.printA7, 0);

    // In order after "not all meanings": all meanings stays off, and the dialog shows in order.
    PreferencesDialog again;
    again.findChild<QRadioButton*>(QString::number(prefctl::MeaningsInOrder))->setChecked(true);
    ASSERT_EQ(ui::pressButton(again, prefctl::Ok), ui::kResultOk);
    EXPECT_EQ(preferences.meaningsInOrder, 1);
    EXPECT_EQ(preferences.allMeanings, 0);
    PreferencesDialog third;
    EXPECT_TRUE(
        third.findChild<QRadioButton*>(QString::number(prefctl::MeaningsInOrder))->isChecked());
}

TEST_F(PreferencesDialogTest, defaultsStayInForceAfterCancel) {
    preferences.knownThreshold = 12;
    preferences.showAdditionalInfo = 1;
    preferences.meaningsInOrder = 1;
    preferences.duplexPrinting = 1;
    PreferencesDialog shown;
    ASSERT_EQ(ui::pressButton(shown, prefctl::Defaults), -1); // Defaults keeps the dialog open
    EXPECT_EQ(shown.findChild<QLineEdit*>(QString::number(prefctl::Threshold))->text(),
              QStringLiteral("5"));
    EXPECT_TRUE(shown.findChild<QRadioButton*>(QString::number(prefctl::AllMeanings))->isChecked());
    EXPECT_TRUE(shown.findChild<QCheckBox*>(QString::number(prefctl::DuplexPrinting))->isChecked());
    ASSERT_EQ(ui::pressButton(shown, prefctl::Cancel), ui::kResultCancel);
    EXPECT_EQ(preferences.knownThreshold, 5);
    EXPECT_EQ(preferences.showAdditionalInfo, 0);
    EXPECT_EQ(preferences.meaningsInOrder, 0);
    EXPECT_EQ(preferences.allMeanings, 1);
    EXPECT_EQ(preferences.duplexPrinting, 1); // not one of the defaults
}

TEST_F(PreferencesDialogTest, theTwoLineRuleKeepsItsWholeTextAndAnswersAClickOnItsSecondLine) {
    dialog.show();
    QRadioButton* all = radio(1032);
    EXPECT_EQ(all->text(), QStringLiteral("The meanings do not need to be entered in the right "
                                          "order, but you have to enter all words."));
    radio(1033)->setChecked(true);
    QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(all->width() / 2, all->height() - 2));
    EXPECT_TRUE(all->isChecked());
}
