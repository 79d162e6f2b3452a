#include "cards/statistics_chart_widget.h"
#include "cards/statistics_dialog.h"
#include "store/clock.h"
#include "store/program_state.h"
#include "tests/cards/card_windows_fixture.h"

#include <QImage>

namespace {

class StatisticsDialogTest : public CardWindowsTest {
protected:
    void SetUp() override {
        CardWindowsTest::SetUp();
        setClockForTests([this] { return now; });
        listStartTime = 0;
    }
    void TearDown() override {
        setClockForTests(nullptr);
        CardWindowsTest::TearDown();
    }
    StatisticsDialog* openStatistics() {
        ui::runCommand(cmd::Statistics);
        return StatisticsDialog::instance();
    }
    static std::vector<QString> figures(const StatisticsDialog* dialog) {
        std::vector<QString> out;
        for (int place = 0; place < 10; ++place)
            out.push_back(dialog->figureText(place));
        return out;
    }
    int32_t now = 0;
};

TEST_F(StatisticsDialogTest, showsEveryFigureBeforeAnyAnswer) {
    preferences.knownThreshold = 5;
    add(mainList, "a", "a", "-", 0);
    add(mainList, "b", "a", "-", 2);
    add(knownList, "k", "a", "-", 6);
    wrongList.appendCard(mainList.cards().front());
    now = 90500;
    StatisticsDialog* dialog = openStatistics();
    EXPECT_EQ(figures(dialog),
              (std::vector<QString>{"2", "1", "1", "0", "0", "0", "90", "0", "0", "8"}));
    EXPECT_FALSE(host.isCommandEnabled(cmd::Statistics));
    EXPECT_EQ(registeredWindowCount(), 1);
    EXPECT_EQ(control<QWidget>(dialog, cardctl::FirstFigure + 9)->property("readOnly"), true);
}

TEST_F(StatisticsDialogTest, refreshCountsAgainAfterAnswers) {
    for (int i = 0; i < 13; ++i)
        add(mainList, "q");
    StatisticsDialog* dialog = openStatistics();
    EXPECT_EQ(dialog->figureText(7), QStringLiteral("0"));
    int wrong = 57;
    mainList.forEach([&](Card* card) {
        card->wrongCount = std::min(wrong, 5);
        wrong -= card->wrongCount;
        card->askCount = card->wrongCount;
    });
    now = 114000;
    click(dialog, cardctl::Refresh);
    EXPECT_EQ(dialog->figureText(7), QStringLiteral("438.461538461538"));
    EXPECT_EQ(dialog->figureText(4), QStringLiteral("57"));
    EXPECT_EQ(dialog->figureText(5), QStringLiteral("2"));
    EXPECT_EQ(dialog->figureText(8), QStringLiteral("1"));
}

TEST_F(StatisticsDialogTest, emptyListsShowNoNaN) {
    StatisticsDialog* dialog = openStatistics();
    for (const QString& figure : figures(dialog)) {
        EXPECT_FALSE(figure.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << figure.data();
        EXPECT_FALSE(figure.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

TEST_F(StatisticsDialogTest, chartsPaintTheBarsAndTheFiguresFollowThePaint) {
    for (int i = 0; i < 10; ++i)
        add(mainList, "q", "a", "-", 0);
    for (int i = 0; i < 5; ++i)
        add(mainList, "q", "a", "-", 2);
    add(mainList, "negative", "a", "-", -4);
    StatisticsDialog* dialog = openStatistics();
    auto* chart = control<StatisticsChart>(dialog, cardctl::Charts);
    QImage image = dialog->grab().toImage();                   // in the window's own pixels
    EXPECT_EQ(image.pixelColor(30, 30), QColor(255, 0, 0));    // bar 0: 11 cards, 80 high
    EXPECT_EQ(image.pixelColor(120, 70), QColor(255, 100, 0)); // bar 2: 5 cards, 36 high
    EXPECT_NE(image.pixelColor(120, 60), QColor(255, 100, 0));
    EXPECT_EQ(image.pixelColor(20, 60), QColor(0, 0, 0)); // the frame over the bars
    EXPECT_EQ(image.pixelColor(30, 104), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(160, 200), QColor(255, 255, 50)); // success bar 3: d = 0

    add(mainList, "later");
    chart->grab(); // a paint counts afresh; the fields follow after it
    EXPECT_EQ(dialog->figureText(0), QStringLiteral("16"));
    QApplication::processEvents();
    EXPECT_EQ(dialog->figureText(0), QStringLiteral("17"));
}

TEST_F(StatisticsDialogTest, okGivesTheCommandBackAndCloseListDestroysTheWindow) {
    StatisticsDialog* dialog = openStatistics();
    click(dialog, cardctl::Ok);
    QApplication::processEvents();
    EXPECT_EQ(StatisticsDialog::instance(), nullptr);
    EXPECT_TRUE(host.isCommandEnabled(cmd::Statistics));
    EXPECT_EQ(registeredWindowCount(), 0);

    openStatistics();
    host.setCommandEnabled(cmd::Statistics, false);
    closeAllWindows();
    EXPECT_EQ(StatisticsDialog::instance(), nullptr);
    EXPECT_FALSE(host.isCommandEnabled(cmd::Statistics)); // Close List sets the commands itself
}

} // namespace
