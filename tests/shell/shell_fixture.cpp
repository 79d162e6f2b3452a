#include "tests/shell/shell_fixture.h"

#include "listfile/list_writer.h"
#include "resources/command_ids.h"
#include "shell/menu_state.h"
#include "shell/quit_program.h"
#include "store/window_registry.h"
#include "ui/command_registry.h"
#include "ui/fonts.h"

#include <QFile>

namespace {

// The commands that open windows of the other layers.
constexpr int foreignCommands[] = {cmd::SystematicExam, cmd::ExamInOrder,    cmd::ExamRandom,
                                   cmd::ExamWrongWords, cmd::ExamKnownWords, cmd::NewCards,
                                   cmd::ModifyCards,    cmd::Overview,       cmd::Statistics,
                                   cmd::Print,          cmd::PrintCards,     cmd::ChooseLesson,
                                   cmd::LessonInOrder,  cmd::LessonRandom,   cmd::LessonSystematic,
                                   cmd::ChooseLevel,    cmd::LevelInOrder};

} // namespace

void ShellTest::SetUp() {
    ASSERT_TRUE(folder.isValid());
    resetCardStore();
    resetProgramState();
    resetPreferences();
    ui::resetFonts();
    setClockForTests([] { return 1234; });
    for (int id : foreignCommands)
        ui::setCommandHandler(id, [this, id] { commandsRun.push_back(id); });
    shell::setProfileStore(&profile);
    shell::setProgramExit([this](int status) { exitStatuses.push_back(status); });
    shell::applyStartState(host);
}

void ShellTest::TearDown() {
    closeAllWindows();
    resetCardStore();
    resetProgramState();
    resetPreferences();
    ui::resetFonts();
    ui::clearCommandHandlers();
    setClockForTests(nullptr);
    shell::setProfileStore(nullptr);
    shell::setProgramExit(nullptr);
}

std::string ShellTest::path(const char* name) const {
    return (folder.path() + QStringLiteral("/") + QString::fromUtf8(name)).toStdString();
}

std::string ShellTest::writeFile(const char* name, const std::string& bytes) {
    QFile file(QString::fromStdString(path(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path(name);
}

std::string ShellTest::writeList(const char* name, int mainCount, int knownCount) {
    CardList cards;
    CardList known;
    for (int i = 0; i < mainCount; ++i)
        addCard(cards, "q" + std::to_string(i), "a" + std::to_string(i), "-", "-");
    for (int i = 0; i < knownCount; ++i)
        addCard(known, "k" + std::to_string(i), "b" + std::to_string(i), "-", "-");
    std::string bytes = listFileBytes(cards, known, questionFont, answerFont);
    deleteAllCards(cards);
    deleteAllCards(known);
    nextCardId = 0;
    modifiedFlag = 0;
    return writeFile(name, bytes);
}

bool ShellTest::exists(const std::string& path) {
    return QFile::exists(QString::fromStdString(path));
}

std::string ShellTest::contents(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}
