#include "ui/message_boxes.h"

#include "store/notices.h"
#include "ui/dialog_parent.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
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

MessageAnswer showRealBox(const MessageBoxRequest& request) {
    QMessageBox box(qtIcon(request.icon), request.caption, request.text, qtButtons(request.buttons),
                    dialogParent());
    box.setDefaultButton(qtButton(request.defaultAnswer));
    if (!request.yesText.isEmpty() && box.button(QMessageBox::Yes))
        box.button(QMessageBox::Yes)->setText(request.yesText);
    if (!request.noText.isEmpty() && box.button(QMessageBox::No))
        box.button(QMessageBox::No)->setText(request.noText);
    box.setEscapeButton(qtButton(escapeAnswer(request.buttons)));
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

MessageAnswer showMessageBox(const MessageBoxRequest& request) {
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
