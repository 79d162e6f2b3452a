#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

// Lists the lesson names of the open list; the lessons chosen fill the lesson list and start
// the lesson examination that suits their number of cards. Modeless, made anew by every
// command; it stays open on a refusal.
class LessonChooser : public QDialog {
    Q_OBJECT
public:
    explicit LessonChooser(QWidget* parent = nullptr);

    const std::vector<std::string>& names() const { return names_; }

private:
    void choose();

    std::vector<std::string> names_; // the rows of the list, top to bottom
    QListWidget* list_ = nullptr;
};
