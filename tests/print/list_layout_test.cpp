#include "print/list_layout.h"
#include "tests/print/recording_device.h"
#include "tests/support/notice_recorder.h"
#include "ui/fonts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class ListLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        ui::resetFonts();
        setFace(questionFont, "Q face");
        setFace(answerFont, "A face");
        setFace(printFont, "P face");
    }
    void TearDown() override { ui::resetFonts(); }

    static void setFace(FontDescription& font, const char* face) {
        std::strncpy(font.faceName, face, sizeof font.faceName - 1);
        font.height = -21;
    }

    // The tops of the question column's first lines, page by page.
    static std::vector<std::vector<int>> rowTops(const RecordingDevice& device) {
        std::vector<std::vector<int>> pages;
        for (const auto& page : device.allPages()) {
            std::vector<int> tops;
            for (const auto& t : page.texts)
                if (t.x == 100 && t.text.starts_with('q'))
                    tops.push_back(t.y);
            pages.push_back(tops);
        }
        return pages;
    }

    RecordingDevice device;
    TestCards cards;
    NoticeRecorder notices;
};

TEST_F(ListLayoutTest, tenOneLineRowsBreakPagesAtTheHeightsOfTheLayout) {
    cards.addNumbered(10);
    device.height = 950;
    ASSERT_TRUE(printListDocument(device, cards.all()));
    std::vector<int> four = {350, 470, 590, 710};
    EXPECT_EQ(rowTops(device), (std::vector<std::vector<int>>{four, four, {350, 470}}));

    RecordingDevice taller;
    taller.height = 951;
    ASSERT_TRUE(printListDocument(taller, cards.all()));
    std::vector<int> five = {350, 470, 590, 710, 830};
    // The last card fills the second page: no empty page follows.
    EXPECT_EQ(rowTops(taller), (std::vector<std::vector<int>>{five, five}));
    ASSERT_EQ(taller.documents.size(), 1u);
    EXPECT_EQ(taller.documents[0].name, "Zelkora - List");
    EXPECT_TRUE(taller.documents[0].ended);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(ListLayoutTest, pageRoutineCountsCardsAndEndsWhenTheyRunOut) {
    cards.addNumbered(10);
    device.height = 950;
    device.startDocument("list");
    device.startPage();
    EXPECT_EQ(printListPage(device, cards.all(), questionFont, answerFont, printFont), 5);
    std::span<Card* const> lastTwo(cards.all().data() + 8, 2);
    EXPECT_EQ(printListPage(device, lastTwo, questionFont, answerFont, printFont), 0);

    // A page no higher than 240 takes no row: nothing is drawn and the cards remain.
    RecordingDevice flat;
    flat.height = 240;
    flat.startDocument("list");
    flat.startPage();
    EXPECT_EQ(printListPage(flat, cards.all(), questionFont, answerFont, printFont), 1);
    EXPECT_TRUE(flat.allPages().at(0).texts.empty());
    flat.height = 241;
    EXPECT_EQ(printListPage(flat, cards.all(), questionFont, answerFont, printFont), 2);
}

TEST_F(ListLayoutTest, rowShowsEachColumnInItsFontAndPlace) {
    cards.add("q-house", "das Haus", "L");
    cards.add("q-next", "x");
    ASSERT_TRUE(printListDocument(device, cards.all()));
    auto pages = device.allPages();
    ASSERT_EQ(pages.size(), 1u);
    const auto& page = pages[0];
    ASSERT_EQ(page.texts.size(), 6u);
    EXPECT_EQ(page.textAt(100, 350), "q-house");
    EXPECT_EQ(page.faceAt(100, 350), "Q face");
    EXPECT_EQ(page.textAt(2000, 350), "das Haus");
    EXPECT_EQ(page.faceAt(2000, 350), "A face");
    EXPECT_EQ(page.textAt(4000, 350), "L");
    EXPECT_EQ(page.faceAt(4000, 350), "P face");
    EXPECT_EQ(page.textAt(100, 470), "q-next");
    // Every font was made at its default height and keeps it afterwards.
    for (const auto& t : page.texts)
        EXPECT_EQ(t.fontHeight, 0);
    EXPECT_EQ(questionFont.height, 0);
    EXPECT_EQ(answerFont.height, 0);
    EXPECT_EQ(printFont.height, 0);
    EXPECT_EQ(device.drawnOutsidePage, 0);
}

TEST_F(ListLayoutTest, threeLineAnswerMakesTheRowThreeLinesHigh) {
    cards.add("q1", "aaaaaaaaaa bbbbbbbbbb cccccccccc");
    cards.add("q2", "short");
    ASSERT_TRUE(printListDocument(device, cards.all()));
    auto pages = device.allPages();
    const auto& page = pages.at(0);
    EXPECT_EQ(page.textAt(2000, 590), " cccccccccc");
    EXPECT_EQ(page.textAt(100, 710), "q2");
}

TEST_F(ListLayoutTest, rowThatWouldRunBelowThePageMovesToTheNext) {
    cards.addNumbered(3);
    cards.add("q4", "aaaaaaaaaa bbbbbbbbbb cccccccccc");
    cards.add("q5", "a5");
    device.height = 1000;
    ASSERT_TRUE(printListDocument(device, cards.all()));
    EXPECT_EQ(rowTops(device), (std::vector<std::vector<int>>{{350, 470, 590}, {350, 710}}));
    auto pages = device.allPages();
    const auto& second = pages.at(1);
    EXPECT_EQ(second.textAt(2000, 590), " cccccccccc");
    // Nothing on any page reaches the printable height.
    for (const auto& page : pages)
        for (const auto& t : page.texts)
            EXPECT_LT(t.y + 120, device.height + 1) << t.text;
}

TEST_F(ListLayoutTest, pageTooSmallForOneRowOrTheColumnsIsRefusedBeforeAnyDocument) {
    cards.addNumbered(4);
    for (auto [width, height] : {std::pair{4792, 240}, {4792, 470}, {4199, 6851}}) {
        RecordingDevice small;
        small.width = width;
        small.height = height;
        EXPECT_FALSE(printListDocument(small, cards.all()));
        EXPECT_TRUE(small.documents.empty());
    }
    ASSERT_EQ(notices.entries.size(), 3u);
    EXPECT_NE(notices.entries[0].text.find("(4792 x 240 units) is too small"), std::string::npos)
        << notices.entries[0].text;
    EXPECT_EQ(questionFont.height, -21) << "a refusal leaves the fonts alone";

    RecordingDevice smallest;
    smallest.width = 4200;
    smallest.height = 471;
    EXPECT_TRUE(printListDocument(smallest, cards.all()));
    EXPECT_EQ(smallest.allPages().size(), 4u);
}

TEST_F(ListLayoutTest, failedPageOrDocumentCallIsReportedAndStopsPrinting) {
    cards.addNumbered(10);
    device.height = 950;
    device.failStartPageNumber = 1;
    EXPECT_FALSE(printListDocument(device, cards.all()));
    EXPECT_EQ(device.allPages().size(), 1u);
    EXPECT_EQ(device.aborted, 1);
    ASSERT_EQ(notices.texts().size(), 1u);
    EXPECT_EQ(notices.texts()[0].rfind("There was an error while beginning a new page", 0), 0u);

    RecordingDevice noDocument;
    noDocument.failStartDocumentNumber = 0;
    EXPECT_FALSE(printListDocument(noDocument, cards.all()));
    EXPECT_TRUE(noDocument.documents.empty());
    EXPECT_EQ(noDocument.aborted, 0);
    EXPECT_EQ(notices.texts().size(), 2u);
}

} // namespace
