#include "ui/file_dialogs.h"
#include "ui/font_dialog.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"
#include "ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// Runs the real dialogs for one test (the test main answers them otherwise) and acts on the
// first visible top-level widget of type W as soon as it shows.
class RealDialogs : public testing::Test {
protected:
    void SetUp() override {
        previousBoxes_ = ui::setMessageBoxHandler(nullptr);
        previousModal_ = ui::setModalHandler(nullptr);
        previousFiles_ = ui::setFileDialogHandler(nullptr);
        previousFonts_ = ui::setFontDialogHandler(nullptr);
    }
    void TearDown() override {
        ui::setMessageBoxHandler(previousBoxes_);
        ui::setModalHandler(previousModal_);
        ui::setFileDialogHandler(previousFiles_);
        ui::setFontDialogHandler(previousFonts_);
    }

    template <typename W> void whenShown(std::function<void(W*)> action) {
        auto* timer = new QTimer(qApp);
        QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* found = qobject_cast<W*>(widget);
                if (found && found->isVisible()) {
                    timer->deleteLater();
                    timer->stop();
                    action(found);
                    return;
                }
            }
        });
        timer->start(10);
    }

private:
    ui::MessageBoxHandler previousBoxes_;
    ui::ModalHandler previousModal_;
    ui::FileDialogHandler previousFiles_;
    ui::FontDialogHandler previousFonts_;
};

} // namespace

TEST_F(RealDialogs, messageBoxShowsCaptionTextIconAndGivesTheButtonPressed) {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    auto answer = ui::askQuestion("Quit", "Save first?", ui::MessageButtons::YesNoCancel);
    EXPECT_EQ(answer, ui::MessageAnswer::No);
    EXPECT_EQ(caption, "Quit");
    EXPECT_EQ(text, "Save first?");
    EXPECT_EQ(icon, QMessageBox::Question);
}

TEST_F(RealDialogs, escapeInAYesNoBoxAnswersNo) {
    whenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
    EXPECT_EQ(ui::askQuestion("Q", "T", ui::MessageButtons::YesNo), ui::MessageAnswer::No);
    whenShown<QMessageBox>([](QMessageBox* box) { box->reject(); });
    EXPECT_EQ(ui::askQuestion("Q", "T", ui::MessageButtons::YesNoCancel),
              ui::MessageAnswer::Cancel);
}

TEST_F(RealDialogs, runModalMapsRejectToCancelAndKeepsOwnResults) {
    QDialog dialog;
    whenShown<QDialog>([](QDialog* shown) { shown->reject(); });
    EXPECT_EQ(ui::runModal(dialog), ui::kResultCancel);
    whenShown<QDialog>([](QDialog* shown) { shown->done(7); });
    EXPECT_EQ(ui::runModal(dialog), 7);
    whenShown<QDialog>([](QDialog* shown) { shown->accept(); });
    EXPECT_EQ(ui::runModal(dialog), ui::kResultOk);
}

TEST_F(RealDialogs, saveDialogTakesTheTypedNameWithTheDefaultExtension) {
    QTemporaryDir dir;
    QStringList filters;
    bool saving = false;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        dialog->selectFile(dir.filePath("words"));
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    auto result = ui::getSaveFileName("Save as", {{"Zelkora-File", "*.zlk"}}, "zlk", "UNTITLED");
    EXPECT_TRUE(saving);
    EXPECT_EQ(filters, QStringList{"Zelkora-File (*.zlk *.ZLK)"});
    EXPECT_EQ(result.status, ui::FileDialogStatus::Accepted);
    EXPECT_EQ(result.path, dir.filePath("words.zlk"));

    whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(ui::getOpenFileName("Open", {{"text file", "*.txt"}}).status,
              ui::FileDialogStatus::Cancelled);
}

TEST_F(RealDialogs, fontDialogGivesTheChosenFontOrTheStartUnchanged) {
    FontDescription start = ui::startFontDescription();
    FontDescription result;
    whenShown<QFontDialog>([](QFontDialog* dialog) {
        QFont serif(QStringLiteral("DejaVu Serif"));
        serif.setPointSize(24);
        serif.setBold(true);
        dialog->setCurrentFont(serif);
        dialog->accept();
    });
    EXPECT_TRUE(ui::chooseFont(start, result));
    EXPECT_STREQ(result.faceName, "DejaVu Serif");
    EXPECT_EQ(result.weight, 700);
    EXPECT_LT(result.height, 0);

    whenShown<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(ui::chooseFont(start, result));
    EXPECT_EQ(result, start);
}

// The character set survives the dialog; a face left as it was keeps the name the list gave it,
// though the dialog lists only the installed face that stands in for it.
TEST_F(RealDialogs, fontDialogKeepsTheCharacterSetAndAnUnchangedFaceName) {
    FontDescription start = ui::startFontDescription();
    std::strcpy(start.faceName, "Calibri");
    start.charSet = 204;
    FontDescription result;
    whenShown<QFontDialog>([](QFontDialog* dialog) { dialog->accept(); });
    EXPECT_TRUE(ui::chooseFont(start, result));
    EXPECT_STREQ(result.faceName, "Calibri");
    EXPECT_EQ(result.charSet, 204);

    whenShown<QFontDialog>([](QFontDialog* dialog) {
        dialog->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        dialog->accept();
    });
    EXPECT_TRUE(ui::chooseFont(start, result));
    EXPECT_STREQ(result.faceName, "DejaVu Serif");
    EXPECT_EQ(result.charSet, 204);
}
