#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

// "Preferences": the known-card threshold, the additional information, the two printing switches
// and the rule by which the meanings of an answer must be typed. Changes the values in memory
// only; they are written to the profile store when the program quits.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

private:
    void buildControls();
    // Shows the stored values (not the A7 switch, which is shown once when the dialog opens).
    void refresh();
    void restoreDefaults();
    // Takes the controls into the preferences; false (dialog stays open) for a bad threshold.
    bool store();
    void okPressed();

    QLineEdit* threshold_ = nullptr;
    QCheckBox* showInfo_ = nullptr;
    QCheckBox* duplex_ = nullptr;
    QCheckBox* printA7_ = nullptr;
    QRadioButton* inOrder_ = nullptr;
    QRadioButton* allMeanings_ = nullptr;
    QRadioButton* anyMeanings_ = nullptr;
};
