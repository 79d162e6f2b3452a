#pragma once

#include "ui/main_window_host.h"

#include <QMainWindow>

#include <map>
#include <string>

class QAction;
class QLabel;
class QPushButton;
class PictureButton;

// The program's one main window: the menu bar, the seven command buttons, the open/save and start
// picture buttons and the two counters. Every command of the program starts here. It installs
// itself as the main-window host while it lives.
class MainWindow : public QMainWindow, public ui::MainWindowHost {
    Q_OBJECT
public:
    // commandLine: the path of the list to open once the window is shown (empty: none).
    explicit MainWindow(std::string commandLine = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* window() override { return this; }
    void setCommandEnabled(int commandId, bool enabled) override;
    bool isCommandEnabled(int commandId) const override;
    void setButtonEnabled(int controlId, bool enabled) override;
    void updateCounters() override;

    // Carries out a command as its menu item or button does.
    void runCommand(int commandId);
    QAction* action(int commandId) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenu();
    void buildControls();
    QPushButton* addTextButton(QWidget* parent, int id, const char* text, QRect place);
    void firstShow();
    void startButtonPressed();
    void openSaveButtonPressed();

    std::string commandLine_;
    bool shown_ = false;
    std::map<int, QAction*> actions_;
    std::map<int, QPushButton*> buttons_;
    QLabel* cardCounter_ = nullptr;
    QLabel* knownCounter_ = nullptr;
    PictureButton* openSaveButton_ = nullptr;
    PictureButton* startButton_ = nullptr;
};
