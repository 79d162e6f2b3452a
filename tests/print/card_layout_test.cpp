#include "print/card_layout.h"
#include "tests/print/recording_device.h"
#include "tests/support/notice_recorder.h"
#include "ui/fonts.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Line = RecordingDevice::Line;

// A4 at 600 dpi: the printable area in portrait (A6 cards) and landscape (A7 cards).
constexpr int kShort = 4792;
constexpr int kLong = 6851;

class CardLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        ui::resetFonts();
        std::strcpy(questionFont.faceName, "Q face");
        questionFont.height = -21;
        answerFont.height = -33;
    }
    void TearDown() override { ui::resetFonts(); }

    void useA7() {
        device.width = kLong;
        device.height = kShort;
        device.pageOrientation = ui::PageOrientation::Landscape;
    }

    // The texts of a page that are not lessons, in drawing order.
    static std::vector<std::string> sideTexts(const RecordingDevice::Page& page) {
        std::vector<std::string> texts;
        for (const auto& t : page.texts)
            if (t.text != "-")
                texts.push_back(t.text);
        return texts;
    }

    static std::vector<std::string> numbered(char prefix, int from, int to) {
        std::vector<std::string> texts;
        for (int i = from; i <= to; ++i)
            texts.push_back(prefix + std::to_string(i));
        return texts;
    }

    RecordingDevice device;
    TestCards cards;
    NoticeRecorder notices;
};

TEST_F(CardLayoutTest, seventeenA6CardsInDuplexRunAnswersThenQuestionsPerSheet) {
    cards.addNumbered(17);
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), false, true));
    ASSERT_EQ(device.documents.size(), 1u);
    EXPECT_EQ(device.documents[0].name, "Zelkora - Cards");
    const auto& pages = device.documents[0].pages;
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(sideTexts(pages[0]), numbered('a', 1, 16));
    EXPECT_EQ(sideTexts(pages[1]), numbered('q', 1, 16));
    EXPECT_EQ(sideTexts(pages[2]), numbered('a', 17, 17));
    EXPECT_EQ(sideTexts(pages[3]), numbered('q', 17, 17));
    EXPECT_TRUE(device.documents[0].ended);
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(CardLayoutTest, a6PagePlacesEachQuestionBehindItsAnswer) {
    cards.addNumbered(6, "L5");
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), false, true));
    const auto& pages = device.documents.at(0).pages;
    ASSERT_EQ(pages.size(), 2u);
    const auto& answers = pages[0];
    const auto& questions = pages[1];
    // Card 0: top-left on the answer side, top-right on the question side; text centred in the
    // cell (offset W/8 = 599, two characters 200 wide) at H/8 - 10 = 846.
    EXPECT_EQ(answers.textAt(120, 120), "L5");
    EXPECT_EQ(answers.textAt(499, 846), "a1");
    EXPECT_EQ(questions.textAt(3594 + 120, 120), "L5");
    EXPECT_EQ(questions.textAt(3594 + 499, 846), "q1");
    // Card 5: second row (top H/4 = 1712), second column, third on the question side.
    EXPECT_EQ(answers.textAt(1198 + 120, 1712 + 120), "L5");
    EXPECT_EQ(answers.textAt(1198 + 499, 1712 + 846), "a6");
    EXPECT_EQ(questions.textAt(2396 + 499, 1712 + 846), "q6");
    const std::vector<Line> lines = {{1198, 0, 1198, kLong},  {2396, 0, 2396, kLong},
                                     {3594, 0, 3594, kLong},  {0, 1712, kShort, 1712},
                                     {0, 3425, kShort, 3425}, {0, 5136, kShort, 5136},
                                     {0, 300, kShort, 300},   {0, 2012, kShort, 2012},
                                     {0, 3725, kShort, 3725}, {0, 5436, kShort, 5436}};
    EXPECT_EQ(answers.lines, lines);
    EXPECT_EQ(questions.lines, lines);
    // Both sides and the lessons in the question font at its default height.
    for (const auto& page : pages)
        for (const auto& t : page.texts) {
            EXPECT_EQ(t.face, "Q face");
            EXPECT_EQ(t.fontHeight, 0);
        }
    EXPECT_EQ(questionFont.height, 0);
    EXPECT_EQ(answerFont.height, -33);
}

TEST_F(CardLayoutTest, a7PagesPutTheAnswerRightAndItsQuestionLeft) {
    useA7();
    cards.addNumbered(8);
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), true, true));
    const auto& pages = device.documents.at(0).pages;
    ASSERT_EQ(pages.size(), 2u) << "eight cards fill one sheet: no empty page follows";
    // Offset W/4 = 1712, first text line at H/8 - 10 = 589, row height H/4 = 1198.
    EXPECT_EQ(pages[0].textAt(3425 + 1712 - 100, 589), "a1");
    EXPECT_EQ(pages[1].textAt(1712 - 100, 589), "q1");
    EXPECT_EQ(pages[0].textAt(1712 - 100, 589), "a2");
    EXPECT_EQ(pages[1].textAt(3425 + 1712 - 100, 589), "q2");
    EXPECT_EQ(pages[0].textAt(3425 + 1712 - 100, 3 * 1198 + 589), "a7");
    const std::vector<Line> lines = {{3425, 0, 3425, kShort}, {0, 1198, kLong, 1198},
                                     {0, 2396, kLong, 2396},  {0, 3594, kLong, 3594},
                                     {0, 300, kLong, 300},    {0, 1498, kLong, 1498},
                                     {0, 2696, kLong, 2696},  {0, 3894, kLong, 3894}};
    EXPECT_EQ(pages[0].lines, lines);

    RecordingDevice nine;
    nine.width = kLong;
    nine.height = kShort;
    nine.pageOrientation = ui::PageOrientation::Landscape;
    cards.add("q9", "a9");
    ASSERT_TRUE(printFlashCardDocuments(nine, cards.all(), true, true));
    ASSERT_EQ(nine.documents.at(0).pages.size(), 4u);
    EXPECT_EQ(sideTexts(nine.documents[0].pages[3]), numbered('q', 9, 9));
}

TEST_F(CardLayoutTest, withoutDuplexAllAnswersComeFirstInADocumentOfTheirOwn) {
    useA7();
    cards.addNumbered(3);
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), true, false));
    ASSERT_EQ(device.documents.size(), 2u);
    for (const auto& document : device.documents) {
        EXPECT_EQ(document.name, "Zelkora - Cards");
        EXPECT_EQ(document.pages.size(), 1u);
        EXPECT_TRUE(document.ended);
    }
    EXPECT_EQ(sideTexts(device.documents[0].pages[0]), numbered('a', 1, 3));
    EXPECT_EQ(sideTexts(device.documents[1].pages[0]), numbered('q', 1, 3));

    RecordingDevice a6;
    TestCards many;
    many.addNumbered(17);
    ASSERT_TRUE(printFlashCardDocuments(a6, many.all(), false, false));
    ASSERT_EQ(a6.documents.size(), 2u);
    ASSERT_EQ(a6.documents[0].pages.size(), 2u);
    ASSERT_EQ(a6.documents[1].pages.size(), 2u);
    EXPECT_EQ(sideTexts(a6.documents[0].pages[1]), numbered('a', 17, 17));
    EXPECT_EQ(sideTexts(a6.documents[1].pages[0]), numbered('q', 1, 16));
}

TEST_F(CardLayoutTest, fileWithoutDuplexKeepsBothSidesInOneDocumentAndSaysSo) {
    device.file = "/tmp/cards.pdf";
    device.oneDocument = true;
    cards.addNumbered(17);
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), false, false));
    ASSERT_EQ(device.documents.size(), 1u);
    const auto& pages = device.documents[0].pages;
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(sideTexts(pages[1]), numbered('a', 17, 17));
    EXPECT_EQ(sideTexts(pages[2]), numbered('q', 1, 16));
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].kind, NoticeKind::Notice);
    EXPECT_NE(notices.entries[0].text.find("/tmp/cards.pdf"), std::string::npos);
}

TEST_F(CardLayoutTest, longTextsWrapCentredLineUnderLine) {
    // Limit W/4 - 100 = 1098: ten characters fit, eleven do not.
    cards.add("aaaa bbbb cccc", "abcdefghij");
    cards.add("q2", std::string(25, 'w'));
    ASSERT_TRUE(printFlashCardDocuments(device, cards.all(), false, true));
    const auto& pages = device.documents.at(0).pages;
    EXPECT_EQ(pages[0].textAt(599 - 500, 846), "abcdefghij");
    EXPECT_EQ(pages[0].textAt(1198 + 599 - 500, 846 + 120), "wwwwwwwwww");
    EXPECT_EQ(pages[0].textAt(1198 + 599 - 250, 846 + 240), "wwwww");
    EXPECT_EQ(pages[1].textAt(3594 + 599 - 450, 846), "aaaa bbbb");
    EXPECT_EQ(pages[1].textAt(3594 + 599 - 200, 846 + 120), "cccc");
}

TEST_F(CardLayoutTest, wrongOrientationOrTinyPageIsRefusedAndNothingChanges) {
    cards.addNumbered(3);
    device.pageOrientation = ui::PageOrientation::Landscape;
    EXPECT_FALSE(printFlashCardDocuments(device, cards.all(), false, true));
    RecordingDevice portrait;
    EXPECT_FALSE(printFlashCardDocuments(portrait, cards.all(), true, true));
    RecordingDevice tiny;
    tiny.height = 2479;
    EXPECT_FALSE(printFlashCardDocuments(tiny, cards.all(), false, true));
    EXPECT_TRUE(device.documents.empty());
    EXPECT_TRUE(portrait.documents.empty());
    EXPECT_TRUE(tiny.documents.empty());
    auto texts = notices.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].rfind("To print cards of the format A6", 0), 0u);
    EXPECT_EQ(texts[1].rfind("To print cards of the format A7", 0), 0u);
    EXPECT_NE(texts[2].find("too small for flash cards"), std::string::npos);
    EXPECT_EQ(questionFont.height, -21);
}

TEST_F(CardLayoutTest, failedSecondDocumentIsReported) {
    cards.addNumbered(3);
    device.failStartDocumentNumber = 1;
    EXPECT_FALSE(printFlashCardDocuments(device, cards.all(), false, false));
    ASSERT_EQ(device.documents.size(), 1u);
    ASSERT_EQ(notices.texts().size(), 1u);
    EXPECT_EQ(notices.texts()[0].rfind("There was an error while beginning a new page", 0), 0u);

    RecordingDevice pageFails;
    pageFails.failStartPageNumber = 1;
    EXPECT_FALSE(printFlashCardDocuments(pageFails, cards.all(), false, true));
    EXPECT_EQ(pageFails.allPages().size(), 1u);
    EXPECT_EQ(pageFails.aborted, 1);
}

} // namespace
