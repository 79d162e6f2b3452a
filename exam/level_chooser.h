#pragma once

#include <QDialog>

class QLineEdit;

// Asks for a level (0 to 10000) and fills the level list with the main list's cards on it. It
// stays open on a refusal; OK means the level list is ready.
class LevelChooser : public QDialog {
    Q_OBJECT
public:
    explicit LevelChooser(QWidget* parent = nullptr);

    int chosenLevel() const { return chosenLevel_; }

private:
    void choose();

    int chosenLevel_ = 0;
    QLineEdit* levelField_ = nullptr;
};
