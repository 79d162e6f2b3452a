#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QPushButton;

// "Choose Languages": a vocabulary file holds more than two languages; the user picks the one
// the questions are in and the one of the answers (two different ones), OK or Cancel.
class LanguageChooserDialog : public QDialog {
    Q_OBJECT
public:
    explicit LanguageChooserDialog(const std::vector<std::string>& names,
                                   QWidget* parent = nullptr);
    int questionIndex() const;
    int answerIndex() const;

private:
    void updateOk();

    QComboBox* question_;
    QComboBox* answer_;
    QPushButton* ok_;
};

namespace shell {
// Asks with the dialog over the main window; false when the user cancelled. What the file
// readers call when a vocabulary has more than two languages.
bool chooseLanguages(const std::vector<std::string>& names, int& question, int& answer);
} // namespace shell
