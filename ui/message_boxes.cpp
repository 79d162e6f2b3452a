#include "ui/message_boxes.h"

#include "store/notices.h"
#include "ui/dialog_parent.h"
#include "ui/message_icons.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSpacerItem>
#include <QStyle>
#include <QWidget>

#include <utility>

namespace ui {
namespace {

MessageBoxHandler& messageBoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtButton(MessageAnswer answer) {
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// What Escape or the close box answers: Cancel where the box has one, otherwise the "no" choice.
MessageAnswer escapeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer answerOf(int qtResult, MessageButtons buttons) {
    switch (qtResult) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return escapeAnswer(buttons);
    }
}

// The standard icons are small bitmaps, blurred when the screen scales them up: draw our own for
// the box's pixel ratio. The box keeps its icon kind.
void drawCrispIcon(QMessageBox& box, MessageIcon icon) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!label || icon == MessageIcon::None)
        return;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    label->setPixmap(messageIconPixmap(icon, size, box.devicePixelRatio()));
}

// The window manager cuts a caption that is wider than the box: widen the box instead.
void fitCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(messageBoxCaptionWidth(box.windowTitle()), 0,
                                  QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

MessageAnswer showRealBox(const MessageBoxRequest& request) {
    QMessageBox box(qtIcon(request.icon), request.caption, request.text, qtButtons(request.buttons),
                    dialogParent());
    box.setDefaultButton(qtButton(request.defaultAnswer));
    if (!request.yesText.isEmpty() && box.button(QMessageBox::Yes))
        box.button(QMessageBox::Yes)->setText(request.yesText);
    if (!request.noText.isEmpty() && box.button(QMessageBox::No))
        box.button(QMessageBox::No)->setText(request.noText);
    box.setEscapeButton(qtButton(escapeAnswer(request.buttons)));
    drawCrispIcon(box, request.icon);
    fitCaption(box);
    return answerOf(box.exec(), request.buttons);
}

class MessageBoxNoticeSink : public NoticeSink {
public:
    int show(NoticeKind kind, const std::string& caption, const std::string& text) override {
        MessageBoxRequest request;
        request.caption = QString::fromStdString(caption);
        request.text = QString::fromStdString(text);
        request.icon = kind == NoticeKind::Error ? MessageIcon::Error : MessageIcon::Information;
        return static_cast<int>(showMessageBox(request));
    }
};

} // namespace

int messageBoxCaptionWidth(const QString& caption) {
    // Title bars often use a bold face a little larger than the dialog's, and keep room for the
    // window's icon and its buttons.
    QFont title = QApplication::font();
    title.setBold(true);
    if (title.pointSizeF() > 0)
        title.setPointSizeF(title.pointSizeF() * 1.25);
    else
        title.setPixelSize(title.pixelSize() * 5 / 4);
    constexpr int kTitleBarRoom = 160;
    return QFontMetrics(title).horizontalAdvance(caption) + kTitleBarRoom;
}

MessageAnswer showMessageBox(const MessageBoxRequest& request) {
    FocusReturn focusReturn;
    if (messageBoxHandler()) {
        MessageBoxHandler handler = messageBoxHandler();
        return handler(request);
    }
    return showRealBox(request);
}

MessageAnswer askQuestion(const QString& caption, const QString& text, MessageButtons buttons,
                          MessageIcon icon, MessageAnswer defaultAnswer) {
    return showMessageBox({caption, text, icon, buttons, defaultAnswer, {}, {}});
}

void installMessageBoxes() {
    static MessageBoxNoticeSink sink;
    setNoticeSink(&sink);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(messageBoxHandler(), std::move(handler));
}

} // namespace ui
