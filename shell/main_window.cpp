#include "shell/main_window.h"

#include "resources/app_icon.h"
#include "resources/command_ids.h"
#include "resources/menu_table.h"
#include "resources/picture_paths.h"
#include "resources/translations.h"
#include "shell/command_line.h"
#include "shell/dialog_units.h"
#include "shell/menu_state.h"
#include "shell/quit_program.h"
#include "shell/recovery.h"
#include "shell/shell_texts.h"
#include "store/card_store.h"
#include "store/notices.h"
#include "ui/picture_button.h"
#include "ui/tone.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

// The main window's controls, in dialog units of its 10-point font.
constexpr int kWidth = 313;
constexpr int kHeight = 174;

struct TextButton {
    int id;
    int command;
    const char* text;
    QRect place; // dialog units
};

const TextButton textButtons[] = {
    {ctl::SystematicButton,
     cmd::SystematicExam,
     QT_TRANSLATE_NOOP("MainWindow", "Systematic Examination"),
     {143, 18, 81, 14}},
    {ctl::InOrderButton,
     cmd::ExamInOrder,
     QT_TRANSLATE_NOOP("MainWindow", "Examination in Order"),
     {230, 18, 81, 14}},
    {ctl::RandomButton,
     cmd::ExamRandom,
     QT_TRANSLATE_NOOP("MainWindow", "Ex. in Random Order"),
     {143, 103, 81, 14}},
    {ctl::WrongWordsButton,
     cmd::ExamWrongWords,
     QT_TRANSLATE_NOOP("MainWindow", "Examine Wrong Words"),
     {230, 103, 81, 14}},
    {ctl::NewCardButton,
     cmd::NewCards,
     QT_TRANSLATE_NOOP("MainWindow", "New Card"),
     {7, 153, 100, 14}},
    {ctl::OverviewButton,
     cmd::Overview,
     QT_TRANSLATE_NOOP("MainWindow", "Overview"),
     {107, 153, 100, 14}},
    {ctl::ExchangeButton,
     cmd::ExchangeQA,
     QT_TRANSLATE_NOOP("MainWindow", " Question <-> Answer"),
     {207, 153, 100, 14}},
};

QList<QKeySequence> shortcutKeys(menu::Shortcut shortcut) {
    // The desktop's own keys where it has them, the usual ones where it has none.
    auto standard = [](QKeySequence::StandardKey key, QKeySequence fallback) {
        QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        return keys.isEmpty() ? QList<QKeySequence>{fallback} : keys;
    };
    switch (shortcut) {
    case menu::Shortcut::Open:
        return standard(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O));
    case menu::Shortcut::Save:
        return standard(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S));
    case menu::Shortcut::SaveAs:
        return standard(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    case menu::Shortcut::Print:
        return standard(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P));
    case menu::Shortcut::Close:
        return standard(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W));
    case menu::Shortcut::Quit:
        return standard(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    case menu::Shortcut::NewCards:
        return {QKeySequence(Qt::CTRL | Qt::Key_N)};
    case menu::Shortcut::About:
        return {QKeySequence(Qt::Key_F1)};
    case menu::Shortcut::None:
        break;
    }
    return {};
}

// Tab walks the controls as they are read: row by row from the top, left to right in a row.
void chainInReadingOrder(std::vector<QWidget*> controls) {
    std::stable_sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

// The controls keep the template's arrangement; a larger window shows it in its middle.
QWidget* centredFrame(QWidget* client, QSize templateSize) {
    const QRect used = client->childrenRect();
    client->setFixedSize(templateSize.expandedTo(QSize(used.right() + 1, used.bottom() + 1)));
    auto* frame = new QWidget;
    auto* layout = new QGridLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client, 0, 0, Qt::AlignCenter);
    return frame;
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    // The installed sans face runs wider than the template's font: never cut a label short.
    QRect fitted = place;
    fitted.setWidth(std::max(place.width(), label->sizeHint().width()));
    label->setGeometry(fitted);
    return label;
}

} // namespace

MainWindow::MainWindow(std::string commandLine, QWidget* parent)
    : QMainWindow(parent), commandLine_(std::move(commandLine)) {
    setWindowTitle(QStringLiteral("Zelkora"));
    setWindowIcon(pictures::applicationIcon());
    buildMenu();
    buildControls();
    shell::applyStartState(*this);
    updateCounters();
    ui::setMainWindowHost(this);
}

MainWindow::~MainWindow() {
    if (ui::mainWindowHost() == this)
        ui::setMainWindowHost(nullptr);
}

void MainWindow::buildMenu() {
    for (const menu::MenuPopup& popup : menu::mainMenu()) {
        QMenu* menu = menuBar()->addMenu(translations::menuText(popup.title));
        for (const menu::MenuEntry& entry : popup.entries) {
            if (entry.isSeparator()) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(translations::menuText(entry.text));
            action->setObjectName(QString::number(entry.command));
            action->setEnabled(entry.enabledAtStart);
            action->setShortcuts(shortcutKeys(entry.shortcut));
            int id = entry.command;
            connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
            actions_[id] = action;
        }
    }
    // The about box, which a window-system menu of the window would otherwise hold.
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(tr("About Zelkora..."));
    about->setObjectName(QString::number(cmd::About));
    about->setShortcuts(shortcutKeys(menu::kAboutShortcut));
    connect(about, &QAction::triggered, this, [this] { runCommand(cmd::About); });
    actions_[cmd::About] = about;
}

QPushButton* MainWindow::addTextButton(QWidget* parent, int id, const char* text, QRect place) {
    auto* button = new QPushButton(tr(text), parent);
    button->setObjectName(QString::number(id));
    button->setGeometry(place);
    button->setEnabled(false);
    buttons_[id] = button;
    return button;
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setFont(dialogFont(10));
    DialogUnits du(client->font());
    for (const TextButton& b : textButtons) {
        QRect place = du.rect(b.place.x(), b.place.y(), b.place.width(), b.place.height());
        QPushButton* button = addTextButton(client, b.id, b.text, place);
        int command = b.command;
        connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
    }
    // The counters hold numbers of up to eight digits; their captions move right to make room.
    const int counterWidth =
        std::max(du.x(17), client->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    const int widening = counterWidth - du.x(17);
    addLabel(client, tr("Number of cards"), du.rect(27, 117, 51, 8).translated(widening, 0));
    addLabel(client, tr("Known cards"), du.rect(27, 132, 39, 8).translated(widening, 0));
    cardCounter_ = addLabel(client, QStringLiteral("0"), du.rect(10, 117, 17, 8));
    cardCounter_->setObjectName(QString::number(ctl::CardCounter));
    knownCounter_ = addLabel(client, QStringLiteral("0"), du.rect(10, 132, 17, 8));
    knownCounter_->setObjectName(QString::number(ctl::KnownCounter));
    for (QLabel* counter : {cardCounter_, knownCounter_})
        counter->resize(counterWidth, counter->height());
    (new QGroupBox(client))->setGeometry(du.rect(7, 107, 95, 38).adjusted(0, 0, widening, 0));

    openSaveButton_ = new PictureButton(client);
    openSaveButton_->setObjectName(QString::number(ctl::OpenSaveButton));
    openSaveButton_->setGeometry(du.rect(7, 7, 135, 102));
    startButton_ = new PictureButton(client);
    startButton_->setObjectName(QString::number(ctl::StartButton));
    startButton_->setGeometry(du.rect(177, 33, 94, 69));
    for (PictureButton* button : {openSaveButton_, startButton_})
        button->setFlat(true);
    connect(openSaveButton_, &QPushButton::clicked, this, &MainWindow::openSaveButtonPressed);
    connect(startButton_, &QPushButton::clicked, this, &MainWindow::startButtonPressed);

    std::vector<QWidget*> controls{openSaveButton_, startButton_};
    for (const auto& [id, button] : buttons_)
        controls.push_back(button);
    for (QWidget* control : controls)
        control->setFocusPolicy(Qt::StrongFocus);
    chainInReadingOrder(controls);
    setCentralWidget(centredFrame(client, du.size(kWidth, kHeight)));
}

void MainWindow::setCommandEnabled(int commandId, bool enabled) {
    if (QAction* a = action(commandId))
        a->setEnabled(enabled);
}

bool MainWindow::isCommandEnabled(int commandId) const {
    QAction* a = action(commandId);
    return a && a->isEnabled();
}

void MainWindow::setButtonEnabled(int controlId, bool enabled) {
    auto it = buttons_.find(controlId);
    if (it == buttons_.end())
        return;
    it->second->setEnabled(enabled);
    update();
}

void MainWindow::updateCounters() {
    int known = countCards(knownList);
    cardCounter_->setText(QString::number(countCards(mainList) + known));
    knownCounter_->setText(QString::number(known));
    bool holdsCards = !mainList.empty() || !knownList.empty();
    openSaveButton_->setPicture(
        QString::fromLatin1(holdsCards ? pictures::kSave : pictures::kOpen));
}

QAction* MainWindow::action(int commandId) const {
    auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // After the window has been drawn once, so that a list that starts an examination opens it
    // over a complete main window.
    QTimer::singleShot(0, this, &MainWindow::firstShow);
}

void MainWindow::firstShow() {
    bool loaded = startButton_->setPicture(QString::fromLatin1(pictures::kStart));
    loaded = openSaveButton_->setPicture(QString::fromLatin1(pictures::kSave)) && loaded;
    loaded = openSaveButton_->setPicture(QString::fromLatin1(pictures::kOpen)) && loaded;
    if (!loaded)
        showError(shell::text::PictureFailed);
    updateCounters();
    startButton_->setFocus();
    shell::startSafeKeeping();
    // A list restored from its recovery file is the list to work on; the command line waits.
    if (!shell::offerRecovery())
        shell::openCommandLineList(commandLine_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The window stays; quitting ends the program once the user has decided about unsaved cards.
    event->ignore();
    shell::quitProgram();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter presses the button that has the focus, else the default button (open or save), as
    // in a dialog; Escape does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused && focused->isEnabled() ? focused : openSaveButton_)->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::startButtonPressed() {
    int command = shell::startButtonCommand(*this);
    if (command == 0)
        ui::beep(400, 100); // no examination can start
    else
        runCommand(command);
}

void MainWindow::openSaveButtonPressed() {
    bool holdsCards = !mainList.empty() || !knownList.empty();
    runCommand(holdsCards ? cmd::SaveList : cmd::OpenList);
}
