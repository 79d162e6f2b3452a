#pragma once

#include "store/window_registry.h"

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

// Lists the lesson names of the open list; the lessons chosen fill the lesson list and start
// the lesson examination that suits their number of cards. Modeless, made anew by every
// command; it stays open on a refusal. Close List destroys it with the list it was made from.
class LessonChooser : public QDialog, public RegisteredWindow {
    Q_OBJECT
public:
    explicit LessonChooser(QWidget* parent = nullptr);
    ~LessonChooser() override;

    void destroyWindow() override;

    const std::vector<std::string>& names() const { return names_; }

private:
    void choose();

    std::vector<std::string> names_; // the rows of the list, top to bottom
    QListWidget* list_ = nullptr;
};
