#include "shell/about_dialog.h"

#include "resources/app_icon.h"
#include "resources/version.h"
#include "shell/dialog_units.h"
#include "ui/dialog_button.h"

#include <QLabel>
#include <QPushButton>

namespace {

const char* const kInformation = QT_TRANSLATE_NOOP(
    "AboutDialog",
    "A flash-card trainer for learning vocabulary.\n\n"
    "Type the answer to each card; right answers raise its level, wrong ones bring it back "
    "for another round, and cards you know well are put aside.\n\n"
    "Lists are kept in .zlk files.");

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Zelkora"));
    setFont(dialogFont(8));
    DialogUnits du(font());
    setFixedSize(du.size(221, 141));

    auto* icon = new QLabel(this);
    icon->setPixmap(pictures::applicationIcon().pixmap(du.x(24), du.x(24)));
    icon->setGeometry(du.rect(11, 10, 24, 24));

    auto* name = new QLabel(tr("Zelkora, Linux Version"), this);
    QFont bold = font();
    bold.setBold(true);
    name->setFont(bold);
    name->setGeometry(du.rect(44, 10, 160, 10));

    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(ZELKORA_VERSION)), this);
    version->setObjectName(QStringLiteral("version"));
    version->setGeometry(du.rect(44, 21, 160, 9));

    auto* information = new QLabel(tr(kInformation), this);
    information->setWordWrap(true);
    information->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    information->setGeometry(du.rect(44, 34, 168, 80));

    QPushButton* ok = ui::dialogButton(tr("OK"), ui::kOkButton, this);
    ok->setDefault(true);
    ok->setGeometry(du.rect(164, 120, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
