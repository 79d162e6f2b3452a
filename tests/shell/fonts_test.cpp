#include "resources/string_table.h"
#include "shell/card_order_commands.h"
#include "shell/file_commands.h"
#include "shell/font_commands.h"
#include "shell/shell_texts.h"
#include "store/card.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/qt_font_dialog_answers.h"
#include "tests/support/qt_tone_recorder.h"
#include "ui/fonts.h"

#include "listfile/list_writer.h"

#include <cstring>

using namespace shell;

namespace {

FontDescription face(const char* name, int height = -20) {
    FontDescription description = ui::startFontDescription();
    std::memset(description.faceName, 0, sizeof description.faceName);
    assignText(description.faceName, name);
    description.height = height;
    return description;
}

// A missing face is no reason to complain; a face name of blanks is a font that cannot be made.
const char* const kBlankFace = "   ";

} // namespace

class FontsTest : public ShellTest {};

TEST_F(FontsTest, startFontsAreTheSixteenPointSansForAllThree) {
    questionFont = face("Courier New");
    makeStartFonts();
    EXPECT_EQ(questionFont, ui::startFontDescription());
    EXPECT_EQ(answerFont, questionFont);
    EXPECT_EQ(printFont, questionFont);
}

TEST_F(FontsTest, aChosenFontLosesItsSizeAndThePrintFontFollowsTheQuestionFont) {
    FontDialogAnswers dialogs;
    dialogs.choose(face("Courier New", -32)); // 24 points
    chooseQuestionFont();
    EXPECT_EQ(questionFont, face("Courier New", 0));
    EXPECT_EQ(printFont, questionFont);
    ASSERT_EQ(dialogs.starts.size(), 1u);
    EXPECT_EQ(dialogs.starts[0], ui::startFontDescription());

    dialogs.cancel(); // Cancel still rebuilds the font from the unchanged description
    FontDescription before = answerFont;
    chooseAnswerFont();
    before.height = 0;
    EXPECT_EQ(answerFont, before);
    EXPECT_EQ(printFont, face("Courier New", 0)); // the answer font leaves it alone
}

TEST_F(FontsTest, aChosenFontThatCannotBeMadeBeeps) {
    ToneRecorder tones;
    FontDialogAnswers dialogs;
    dialogs.choose(face(kBlankFace));
    chooseAnswerFont();
    EXPECT_EQ(tones.tones, (std::vector<std::pair<int, int>>{{400, 400}}));
}

TEST_F(FontsTest, aListWhoseAnswerFontCannotBeMadeAsksOnceForTheAnswerFont) {
    FontDescription fileQuestion = face("Courier New", -15);
    FontDescription fileAnswer = face(kBlankFace, -17);
    CardList cards, known;
    addCard(cards, "house", "Haus", "-", "-");
    std::string bytes = listFileBytes(cards, known, fileQuestion, fileAnswer);
    deleteAllCards(cards);
    nextCardId = 0;

    FontDialogAnswers dialogs;
    dialogs.choose(face("Times New Roman", -18));
    ASSERT_TRUE(openList(writeFile("fonts.zlk", bytes)));
    EXPECT_EQ(notices.texts(), std::vector<std::string>{strings::text(text::FontNotFound)});
    ASSERT_EQ(dialogs.starts.size(), 1u);
    EXPECT_EQ(dialogs.starts[0], fileAnswer);
    EXPECT_EQ(questionFont, fileQuestion); // with the height the file holds
    EXPECT_EQ(answerFont, face("Times New Roman", -18));
    EXPECT_EQ(countCards(mainList), 1);
}

// A list written on Windows names faces this system lacks: it opens without a word or a font
// dialog, and is saved back byte for byte, face names and character sets included.
TEST_F(FontsTest, aListWithWindowsFacesOpensSilentlyAndIsSavedBackUnchanged) {
    FontDescription fileQuestion = face("Microsoft Sans Serif", -15);
    fileQuestion.charSet = 204;
    FontDescription fileAnswer = face("Calibri", -17);
    fileAnswer.charSet = 161;
    CardList cards, known;
    addCard(cards, "house", "Haus", "-", "-");
    const std::string bytes = listFileBytes(cards, known, fileQuestion, fileAnswer);
    deleteAllCards(cards);
    nextCardId = 0;

    FontDialogAnswers dialogs; // none expected
    const std::string file = writeFile("windows.zlk", bytes);
    ASSERT_TRUE(openList(file));
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_TRUE(dialogs.starts.empty());
    EXPECT_EQ(questionFont, fileQuestion);
    EXPECT_EQ(answerFont, fileAnswer);
    ASSERT_TRUE(saveList());
    EXPECT_EQ(contents(file), bytes);
}

TEST_F(FontsTest, aCancelledRestoreKeepsTheFilesDescription) {
    FontDialogAnswers dialogs;
    dialogs.cancel();
    FontDescription missing = face(kBlankFace);
    EXPECT_EQ(restoreFont(missing), missing);
    EXPECT_EQ(notices.entries.size(), 1u);
}

TEST_F(FontsTest, exchangingTwiceGivesBackCardsAndFontsAndThePrintFontStays) {
    addCard(mainList, "house", "Haus", "-", "-");
    addCard(knownList, "cat", "Katze", "-", "-");
    questionFont = face("Courier New");
    answerFont = face("Times New Roman");
    printFont = questionFont;

    exchangeQuestionAndAnswer();
    EXPECT_EQ(mainList.cards()[0]->question(), "Haus");
    EXPECT_EQ(knownList.cards()[0]->answer(), "cat");
    EXPECT_EQ(questionFont, face("Times New Roman"));
    EXPECT_EQ(answerFont, face("Courier New"));
    EXPECT_EQ(printFont, face("Courier New"));

    exchangeQuestionAndAnswer();
    EXPECT_EQ(mainList.cards()[0]->question(), "house");
    EXPECT_EQ(knownList.cards()[0]->question(), "cat");
    EXPECT_EQ(questionFont, face("Courier New"));
    EXPECT_EQ(answerFont, face("Times New Roman"));
}

TEST_F(FontsTest, sortPutsTheMainListInQuestionOrderWithoutHoles) {
    for (const char* q : {"tree", "apple", "Zebra", "moon"})
        addCard(mainList, q, "x", "-", "-");
    Card* apple = mainList.cards()[1];
    removeCard(mainList, apple); // leaves a hole in slot 1
    delete apple;
    currentList = &knownList;
    modifiedFlag = 0;
    sortMainList();
    std::vector<std::string> order;
    for (Card* card : mainList.cards())
        order.emplace_back(card->question());
    EXPECT_EQ(order, (std::vector<std::string>{"Zebra", "moon", "tree"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(mainList.slot(i), mainList.cards()[i]);
    EXPECT_EQ(currentList, &mainList);
    EXPECT_EQ(modifiedFlag, 0);
}
