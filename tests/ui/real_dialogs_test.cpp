#include "ui/file_dialogs.h"
#include "ui/font_dialog.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"
#include "ui/message_icons.h"
#include "ui/modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTimer>
#include <QtMath>

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
        if (pending_) {
            stopWaiting();
            ADD_FAILURE() << "the expected dialog never showed";
        }
        ui::setMessageBoxHandler(previousBoxes_);
        ui::setModalHandler(previousModal_);
        ui::setFileDialogHandler(previousFiles_);
        ui::setFontDialogHandler(previousFonts_);
    }

    // A dialog that never shows fails the test within a few seconds: whatever modal window runs
    // instead is closed, so the test cannot hang in its loop.
    template <typename W> void whenShown(std::function<void(W*)> action) {
        pending_ = new QTimer(qApp);
        waited_.start();
        QObject::connect(pending_, &QTimer::timeout, pending_, [this, action] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* found = qobject_cast<W*>(widget);
                if (found && found->isVisible()) {
                    stopWaiting();
                    action(found);
                    return;
                }
            }
            if (waited_.elapsed() > kPatienceMs) {
                stopWaiting();
                ADD_FAILURE() << "the expected dialog did not show";
                if (QWidget* modal = QApplication::activeModalWidget())
                    modal->close();
            }
        });
        pending_->start(10);
    }

private:
    static constexpr qint64 kPatienceMs = 5000;
    void stopWaiting() {
        pending_->stop();
        pending_->deleteLater();
        pending_ = nullptr;
    }

    QTimer* pending_ = nullptr;
    QElapsedTimer waited_;
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

// A box is wide enough for the window manager to show its caption whole, and its icon is drawn
// for the screen's pixel ratio; at any ratio the picture is that many times larger.
TEST_F(RealDialogs, messageBoxFitsItsCaptionAndDrawsItsIconForTheScreen) {
    const QString caption = QStringLiteral("An error occurred while the list was being read");
    int width = 0;
    QImage shown, drawn;
    whenShown<QMessageBox>([&](QMessageBox* box) {
        width = box->width();
        const int size = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
        shown = box->findChild<QLabel*>("qt_msgboxex_icon_label")->pixmap().toImage();
        drawn =
            ui::messageIconPixmap(ui::MessageIcon::Error, size, box->devicePixelRatio()).toImage();
        box->button(QMessageBox::Ok)->click();
    });
    ui::MessageBoxRequest request;
    request.caption = caption;
    request.text = QStringLiteral("x");
    request.icon = ui::MessageIcon::Error;
    ui::showMessageBox(request);
    EXPECT_GE(width, QFontMetrics(QApplication::font()).horizontalAdvance(caption) + 100);
    EXPECT_EQ(shown, drawn);
    for (qreal ratio : {1.0, 2.0, 1.5}) {
        QPixmap icon = ui::messageIconPixmap(ui::MessageIcon::Warning, 32, ratio);
        EXPECT_EQ(icon.width(), qCeil(32 * ratio));
        EXPECT_EQ(icon.devicePixelRatio(), ratio);
        EXPECT_NE(icon.toImage().pixelColor(icon.width() / 2, icon.height() / 2).alpha(), 0);
    }
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
