#include "shell/preferences_dialog.h"

#include "shell/dialog_units.h"
#include "shell/preferences_control_ids.h"
#include "shell/wrapping_radio_button.h"
#include "store/preferences.h"
#include "ui/dialog_button.h"
#include "ui/field_exchange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// 100 passes the check but is not taken as the threshold.
constexpr int kThresholdLimit = 100;

template <class Control> Control* place(Control* control, int id, const QRect& where) {
    if (id != 0)
        control->setObjectName(QString::number(id));
    control->setGeometry(where);
    return control;
}

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Preferences"));
    setFont(dialogFont(8));
    buildControls();
    printA7_->setChecked(preferences.printA7 == 1);
    refresh();
}

void PreferencesDialog::buildControls() {
    DialogUnits du(font());
    setFixedSize(du.size(302, 162));
    auto* ok = place(ui::dialogButton(tr("OK"), prefctl::Ok, this), 0, du.rect(234, 7, 61, 14));
    ok->setDefault(true);
    auto* cancel =
        place(ui::dialogButton(tr("Cancel"), prefctl::Cancel, this), 0, du.rect(234, 25, 61, 14));
    auto* defaults = place(ui::dialogButton(tr("Defaults"), prefctl::Defaults, this), 0,
                           du.rect(234, 43, 61, 14));
    auto* prompt = place(new QLabel(tr("Enter the number of times that a word must be "
                                       "answered correctly before it can be "
                                       "considered known"),
                                    this),
                         0, du.rect(7, 18, 220, 20));
    prompt->setWordWrap(true);
    threshold_ = place(new QLineEdit(this), prefctl::Threshold, du.rect(7, 41, 86, 14));
    showInfo_ = place(new QCheckBox(tr("Show additional information during an examination"), this),
                      prefctl::ShowAdditionalInfo, du.rect(7, 65, 173, 10));
    duplex_ = place(new QCheckBox(tr("Use duplex mode for printing vocabulary cards "
                                     "(print Q-A-Q-A, not QQ..., AA)"),
                                  this),
                    prefctl::DuplexPrinting, du.rect(7, 77, 261, 10));
    printA7_ = place(new QCheckBox(tr("Print cards in the format A7 instead of A6."), this),
                     prefctl::PrintA7, du.rect(7, 88, 251, 10));
    place(new QGroupBox(this), 0, du.rect(7, 102, 288, 53));
    inOrder_ = place(new QRadioButton(tr("Meanings (answers) have to be entered in "
                                         "the right order."),
                                      this),
                     prefctl::MeaningsInOrder, du.rect(9, 108, 195, 10));
    allMeanings_ = place(new WrappingRadioButton(tr("The meanings do not need to be entered in "
                                                    "the right order, but you have to enter all "
                                                    "words."),
                                                 this),
                         prefctl::AllMeanings, du.rect(9, 116, 280, 25));
    anyMeanings_ =
        place(new QRadioButton(tr("You do not need to enter all meanings of a word"), this),
              prefctl::AnyMeanings, du.rect(9, 141, 167, 10));
    auto* rules = new QButtonGroup(this);
    for (QRadioButton* button : {inOrder_, allMeanings_, anyMeanings_})
        rules->addButton(button);

    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::okPressed);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &PreferencesDialog::restoreDefaults);
}

void PreferencesDialog::refresh() {
    threshold_->setText(QString::number(preferences.knownThreshold));
    showInfo_->setChecked(additionalInfoShown());
    duplex_->setChecked(preferences.duplexPrinting == 1);
    if (preferences.meaningsInOrder == 1)
        inOrder_->setChecked(true);
    else if (preferences.allMeanings == 1)
        allMeanings_->setChecked(true);
    else
        anyMeanings_->setChecked(true);
}

void PreferencesDialog::restoreDefaults() {
    // These four are taken at once and stay even when the dialog is then cancelled.
    preferences.knownThreshold = 5;
    preferences.allMeanings = 1;
    preferences.meaningsInOrder = 0;
    preferences.showAdditionalInfo = 0;
    refresh();
}

bool PreferencesDialog::store() {
    int threshold = 0;
    if (!ui::readIntField(threshold_, 0, kThresholdLimit, threshold))
        return false;
    if (threshold < kThresholdLimit)
        preferences.knownThreshold = threshold;
    preferences.showAdditionalInfo = showInfo_->isChecked() ? 1 : 0;
    preferences.duplexPrinting = duplex_->isChecked() ? 1 : 0;
    preferences.printA7 = printA7_->isChecked() ? 1 : 0;
    if (inOrder_->isChecked()) {
        preferences.meaningsInOrder = 1;
    } else if (allMeanings_->isChecked()) {
        preferences.meaningsInOrder = 0;
        preferences.allMeanings = 1;
    } else {
        preferences.meaningsInOrder = 0;
        preferences.allMeanings = 0;
    }
    return true;
}

void PreferencesDialog::okPressed() {
    if (store())
        accept();
}
