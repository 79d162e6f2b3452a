#pragma once

#include <QDialog>

// "About Zelkora": the icon, the program's name and version line, a few lines about it, OK.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
