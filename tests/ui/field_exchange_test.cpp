#include "tests/support/notice_recorder.h"
#include "ui/field_exchange.h"

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>

namespace {

// A shown window with the field and another control that holds the focus at first.
struct FieldWindow {
    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    QLineEdit* field = new QLineEdit(&window);

    FieldWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(field);
        window.show();
        other->setFocus();
    }
};

} // namespace

TEST(ReadIntField, takesWholeNumbersInRange) {
    FieldWindow w;
    NoticeRecorder notices;
    int value = -5;
    for (auto [text, expected] : {std::pair{"0", 0}, {"100", 100}, {" 42 ", 42}, {"+7", 7}}) {
        w.field->setText(QString::fromLatin1(text));
        EXPECT_TRUE(ui::readIntField(w.field, 0, 100, value)) << text;
        EXPECT_EQ(value, expected);
    }
    w.field->setText("-2147483648");
    EXPECT_TRUE(ui::readIntField(w.field, value));
    EXPECT_EQ(value, INT_MIN);
    EXPECT_TRUE(notices.entries.empty());
}

TEST(ReadIntField, refusesNonNumbersWithTheIntegerMessage) {
    FieldWindow w;
    for (const char* text : {"", "abc", "12a", "1.5", "2147483648", "99999999999999999999999"}) {
        NoticeRecorder notices;
        int value = 9;
        w.field->setText(QString::fromLatin1(text));
        EXPECT_FALSE(ui::readIntField(w.field, value)) << text;
        EXPECT_EQ(value, 9);
        ASSERT_EQ(notices.entries.size(), 1u) << text;
        EXPECT_EQ(notices.entries[0].kind, NoticeKind::Error);
        EXPECT_EQ(notices.entries[0].text, "Please enter an integer.");
    }
}

TEST(ReadIntField, outOfRangeNamesTheBoundsAndReturnsFocus) {
    FieldWindow w;
    for (const char* text : {"101", "-1"}) {
        NoticeRecorder notices;
        int value = 9;
        w.other->setFocus();
        w.field->setText(QString::fromLatin1(text));
        EXPECT_FALSE(ui::readIntField(w.field, 0, 100, value));
        EXPECT_EQ(value, 9);
        ASSERT_EQ(notices.texts().size(), 1u);
        EXPECT_EQ(notices.texts()[0], "Please enter an integer between 0 and 100.");
        EXPECT_EQ(w.window.focusWidget(), w.field);
        EXPECT_EQ(w.field->selectedText(), QString::fromLatin1(text));
    }
}

TEST(CheckTextLength, limitIsInclusive) {
    FieldWindow w;
    NoticeRecorder notices;
    w.field->setText(QString(10, QChar('x')));
    EXPECT_TRUE(ui::checkTextLength(w.field, 10));
    EXPECT_TRUE(notices.entries.empty());
    w.field->setText(QString(11, QChar('x')));
    EXPECT_FALSE(ui::checkTextLength(w.field, 10));
    ASSERT_EQ(notices.texts().size(), 1u);
    EXPECT_EQ(notices.texts()[0], "Please enter no more than 10 characters.");
    EXPECT_EQ(w.window.focusWidget(), w.field);
}

// A filled text shows from its first character; resting the mouse on a field whose text is cut
// shows the whole text, on one that shows all of it nothing.
TEST(ShowFieldText, startsAtTheFirstCharacterAndACutTextShowsWholeAsTooltip) {
    FieldWindow w;
    w.field->setFixedWidth(120);
    const QString longText = QStringLiteral("Diese Person entspricht ") + QString(60, 'x') + "END";
    for (auto [text, cut] : {std::pair{QStringLiteral("Haus"), false}, {longText, true}}) {
        ui::showFieldText(w.field, text);
        EXPECT_EQ(w.field->text(), text);
        EXPECT_EQ(w.field->cursorPosition(), 0);
        EXPECT_EQ(ui::fieldTextIsCut(w.field), cut);
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), w.field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(w.field, &hover);
        EXPECT_EQ(QToolTip::isVisible(), cut) << text.toStdString();
        if (cut) {
            EXPECT_EQ(QToolTip::text(), text);
        }
    }
    QToolTip::hideText();
}
