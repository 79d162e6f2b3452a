#pragma once

#include <QString>

#include <functional>

namespace ui {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
// The values are the answers a Windows message box gives, so callers may compare with 1, 2, 6, 7.
enum class MessageAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageBoxRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    MessageAnswer defaultAnswer = MessageAnswer::Ok;
    // Own words for the Yes and No buttons, where a question needs them ("Restore", "Discard").
    QString yesText;
    QString noText;
};

// Shows a modal message box over the window that raised it (see dialogParent) and returns the
// button pressed; the keyboard then goes back to the control that had it. Escape and the close
// box give Cancel where there is one, otherwise No (or OK).
MessageAnswer showMessageBox(const MessageBoxRequest& request);

// A question box: caption, text, buttons, icon, default button.
MessageAnswer askQuestion(const QString& caption, const QString& text, MessageButtons buttons,
                          MessageIcon icon = MessageIcon::Question,
                          MessageAnswer defaultAnswer = MessageAnswer::Yes);

// The least width of a box whose caption the window manager can show whole.
int messageBoxCaptionWidth(const QString& caption);

// Routes showError/showNotice (store/notices.h) to real message boxes: "An error occurred" with
// the error icon, "Message:" with the information icon, an OK button.
void installMessageBoxes();

// Tests answer every box through the handler instead of showing it; nullptr shows real boxes.
using MessageBoxHandler = std::function<MessageAnswer(const MessageBoxRequest&)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace ui
