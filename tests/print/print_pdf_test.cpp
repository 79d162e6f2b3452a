#include "print/print_commands.h"
#include "print/print_control_ids.h"
#include "print/print_selection_dialog.h"
#include "resources/command_ids.h"
#include "store/card_store.h"
#include "store/preferences.h"
#include "tests/support/notice_recorder.h"
#include "tests/support/qt_modal_answers.h"
#include "tests/support/qt_unexpected_dialogs.h"
#include "ui/command_registry.h"
#include "ui/fonts.h"
#include "ui/print_dialogs.h"

#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Runs a poppler tool on the file and returns what it printed.
QString poppler(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& path, int page, const QStringList& crop = {}) {
    QStringList arguments = {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                             QStringLiteral("-l"), QString::number(page)};
    return poppler(QStringLiteral("pdftotext"),
                   arguments + crop + QStringList{path, QStringLiteral("-")});
}

class PrintPdfTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        resetCardStore();
        resetPreferences();
        ui::resetFonts();
        pdf = dir.filePath(QStringLiteral("out.pdf"));
        ui::setPrintDialogHandler([this](QPrinter& printer) {
            presetOrientation = printer.pageLayout().orientation();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            if (orientation)
                printer.setPageOrientation(*orientation);
            return true;
        });
    }
    void TearDown() override {
        installUnexpectedDialogHandlers();
        ui::clearCommandHandlers();
        resetCardStore();
        resetPreferences();
        ui::resetFonts();
    }

    // The selection dialog answers with "Print all cards" and Print or the preview button.
    void chooseAllCards(bool preview = false) {
        modal.queue([preview](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QString::number(printctl::AllCards))->setChecked(true);
            if (!preview)
                return ui::pressButton(dialog, printctl::Print);
            dialog.findChild<QPushButton*>(QStringLiteral("preview"))->click();
            return ui::mappedResult(dialog.result());
        });
    }

    QTemporaryDir dir;
    QString pdf;
    std::optional<QPageLayout::Orientation> orientation;
    std::optional<QPageLayout::Orientation> presetOrientation;
    NoticeRecorder notices;
    ModalAnswers modal;
};

TEST_F(PrintPdfTest, cardListPrintsIntoAPdfWithItsRowsInOrder) {
    addCard(mainList, "house", "das Haus", "L1", "-");
    addCard(mainList, "street", "Straße", "L1", "-");
    addCard(mainList, "garden", "der Garten", "L2", "-");
    questionFont.height = -21;
    chooseAllCards();
    installPrintCommands();
    ASSERT_TRUE(ui::runCommand(cmd::Print));
    ASSERT_TRUE(QFile::exists(pdf));
    QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Zelkora - List"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
    QString text = pdfText(pdf, 1);
    QRegularExpression rows(QStringLiteral(
        "house\\s+das Haus\\s+L1\\s*\\n\\s*street\\s+Straße\\s+L1\\s*\\n\\s*garden\\s+der Garten"));
    EXPECT_TRUE(text.contains(rows)) << text.toStdString();
    EXPECT_EQ(questionFont.height, 0);
    EXPECT_EQ(answerFont.height, 0);
    EXPECT_EQ(printFont.height, 0);
    EXPECT_TRUE(notices.entries.empty());
}

// Scripts the print font lacks come from fallback fonts; Arabic reads right to left; a long
// Japanese text wraps between its characters.
TEST_F(PrintPdfTest, flashCardsOfArabicAndJapaneseReadBack) {
    addCard(mainList, "كلمة جميلة", "言葉", "عربي", "-");
    const std::string longJapanese = "日本語の文章は空白なしで長く続きますがきちんと折り返されます"
                                     "一行に収まらないほど長い文章でも文字の途中では切れません";
    addCard(mainList, "ことば", longJapanese, "日本語", "-");
    chooseAllCards();
    installPrintCommands();
    ASSERT_TRUE(ui::runCommand(cmd::PrintCards));
    QString text;
    for (int page = 1; page <= 2; ++page)
        text += pdfText(pdf, page);
    // The reader gives Arabic as presentation forms between direction marks.
    text = text.normalized(QString::NormalizationForm_KC)
               .remove(QRegularExpression(QStringLiteral("[\\x{202A}-\\x{202E}]")));
    for (const char* expected : {"كلمة جميلة", "言葉", "عربي", "ことば", "日本語"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                << text.toStdString();
    const QString japanese = QString::fromStdString(longJapanese);
    EXPECT_FALSE(text.contains(japanese)) << "wrapped";
    // Its lines, read together (the other card's answer stands between them), are the whole text.
    text.remove(QRegularExpression(QStringLiteral("\\s"))).remove(QStringLiteral("言葉"));
    EXPECT_TRUE(text.contains(japanese)) << text.toStdString();
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));
}

TEST_F(PrintPdfTest, a7DuplexPutsTheAnswerRightAndItsQuestionLeftOnTheBack) {
    preferences.printA7 = 1;
    preferences.duplexPrinting = 1;
    addCard(mainList, "house", "Haus", "L1", "-");
    answerFont.height = -17;
    chooseAllCards();
    installPrintCommands();
    ASSERT_TRUE(ui::runCommand(cmd::PrintCards));
    EXPECT_EQ(presetOrientation, QPageLayout::Landscape);
    QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Zelkora - Cards"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    // Halves of a landscape A4 page in points.
    QStringList left = {"-x", "0", "-y", "0", "-W", "421", "-H", "595"};
    QStringList right = {"-x", "421", "-y", "0", "-W", "421", "-H", "595"};
    EXPECT_TRUE(pdfText(pdf, 1, right).contains(QStringLiteral("Haus")));
    EXPECT_FALSE(pdfText(pdf, 1, left).contains(QStringLiteral("Haus")));
    EXPECT_TRUE(pdfText(pdf, 2, left).contains(QStringLiteral("house")));
    EXPECT_FALSE(pdfText(pdf, 2, right).contains(QStringLiteral("house")));
    EXPECT_EQ(questionFont.height, 0);
    EXPECT_EQ(answerFont.height, -17) << "cards are printed in the question font only";
}

TEST_F(PrintPdfTest, wrongOrientationPrintsNothingAndLeavesTheFonts) {
    preferences.printA7 = 0;
    orientation = QPageLayout::Landscape;
    addCard(mainList, "house", "Haus", "L1", "-");
    questionFont.height = -21;
    chooseAllCards();
    printFlashCards();
    EXPECT_EQ(presetOrientation, QPageLayout::Portrait);
    EXPECT_FALSE(QFile::exists(pdf));
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("To print cards of the format A6", 0), 0u);
    EXPECT_EQ(questionFont.height, -21);
}

TEST_F(PrintPdfTest, unwritableOutputIsReportedAsAPrinterFailure) {
    pdf = dir.filePath(QStringLiteral("missing/folder/out.pdf"));
    addCard(mainList, "house", "Haus", "L1", "-");
    chooseAllCards();
    printCardList();
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("There was an error while beginning a new page", 0),
              0u);
}

TEST_F(PrintPdfTest, printerThatCannotBeHadIsReported) {
    ui::setPrintDialogHandler([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("no printer of this name"));
        return true;
    });
    addCard(mainList, "house", "Haus", "L1", "-");
    chooseAllCards();
    printCardList();
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("There was an error while building a 'Device", 0), 0u);

    // The orientation the user chose is judged first, even for a printer that is not there.
    ui::setPrintDialogHandler([](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("no printer of this name"));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    preferences.printA7 = 0;
    chooseAllCards();
    printFlashCards();
    ASSERT_EQ(notices.entries.size(), 2u);
    EXPECT_EQ(notices.entries[1].text.rfind("To print cards of the format A6", 0), 0u);
}

TEST_F(PrintPdfTest, previewShowsBothSidesOfEveryCard) {
    preferences.printA7 = 0;
    preferences.duplexPrinting = 0;
    for (int i = 0; i < 17; ++i)
        addCard(mainList, "q" + std::to_string(i), "a", "-", "-");
    int pages = -1;
    ui::setPrintPreviewHandler([&pages](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        pages = widget->pageCount();
    });
    chooseAllCards(true);
    printFlashCards();
    EXPECT_EQ(pages, 4);
    EXPECT_TRUE(notices.entries.empty());
    EXPECT_FALSE(QFile::exists(pdf)) << "the preview prints nothing by itself";
}

TEST_F(PrintPdfTest, printFromThePreviewWritesTheFile) {
    preferences.printA7 = 0;
    preferences.duplexPrinting = 1;
    for (int i = 0; i < 17; ++i)
        addCard(mainList, "q" + std::to_string(i), "a", "-", "-");
    ui::setPrintPreviewHandler([this](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        widget->print();
    });
    chooseAllCards(true);
    printFlashCards();
    QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))))
        << info.toStdString();
    EXPECT_TRUE(pdfText(pdf, 4).contains(QStringLiteral("q16")));
    EXPECT_TRUE(notices.entries.empty());
}

TEST_F(PrintPdfTest, previewTurnedToTheWrongOrientationIsRefusedOnEachRendering) {
    preferences.printA7 = 1;
    for (int i = 0; i < 9; ++i)
        addCard(mainList, "q" + std::to_string(i), "a", "-", "-");
    std::vector<int> pages;
    ui::setPrintPreviewHandler([&pages](QPrintPreviewDialog& dialog) {
        auto* widget = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        widget->updatePreview();
        pages.push_back(widget->pageCount());
        widget->setPortraitOrientation();
        pages.push_back(widget->pageCount());
        widget->setLandscapeOrientation();
        pages.push_back(widget->pageCount());
    });
    chooseAllCards(true);
    printFlashCards();
    // The refused rendering shows one empty page instead of the cards in the wrong orientation.
    EXPECT_EQ(pages, (std::vector<int>{4, 1, 4}));
    ASSERT_EQ(notices.entries.size(), 1u);
    EXPECT_EQ(notices.entries[0].text.rfind("To print cards of the format A7", 0), 0u);
}

} // namespace
