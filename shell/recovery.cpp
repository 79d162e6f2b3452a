#include "shell/recovery.h"

#include "listfile/list_writer.h"
#include "listfile/recovery_file.h"
#include "resources/string_table.h"
#include "shell/file_commands.h"
#include "shell/shell_texts.h"
#include "store/card_store.h"
#include "store/program_state.h"
#include "ui/fonts.h"
#include "ui/message_boxes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHashFunctions>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

namespace shell {
namespace {

constexpr int kAutosaveMillis = 60 * 1000;

// What a recovery file holds, told apart from other bytes without keeping a copy of them (a
// copy would hold a large list's whole file in memory for the rest of the run).
struct Fingerprint {
    std::size_t size = 0;
    std::size_t hash = 0;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprintOf(const LargeBytes& bytes) {
    return {bytes.size(), qHashBits(bytes.data(), bytes.size(), 0x5a656c6b)};
}

struct Autosave {
    std::thread worker;
    std::atomic<bool> busy{false};
    std::optional<Fingerprint> written; // what the recovery file holds
    std::string writtenFor;             // the list it was written for
    ~Autosave() {
        if (worker.joinable())
            worker.join();
    }
};

Autosave& autosave() {
    static Autosave state;
    return state;
}

QString tableText(int number) {
    return QString::fromUtf8(strings::text(number));
}

QString listName(const std::string& listPath) {
    if (listPath == "UNTITLED")
        return QStringLiteral("UNTITLED");
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(listPath))).fileName();
}

ui::MessageAnswer askAboutRecovery(const Recovery& recovery) {
    QString time =
        QLocale().toString(QDateTime::fromSecsSinceEpoch(recovery.savedAt), QLocale::ShortFormat);
    ui::MessageBoxRequest request;
    request.caption = tableText(text::RecoveryCaption);
    request.text = tableText(text::RecoveryQuestion).arg(listName(recovery.listPath), time);
    request.icon = ui::MessageIcon::Question;
    request.buttons = ui::MessageButtons::YesNoCancel;
    request.defaultAnswer = ui::MessageAnswer::Yes;
    request.yesText = tableText(text::RecoveryRestore);
    request.noText = tableText(text::RecoveryDiscard);
    return ui::showMessageBox(request);
}

} // namespace

std::string dataFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QFile::encodeName(QDir(data).filePath(QStringLiteral("Zelkora"))).toStdString();
}

std::string backupFolder() {
    return dataFolder() + "/backups";
}

std::string recoveryFolder() {
    return dataFolder() + "/recovery";
}

void startSafeKeeping() {
    setListBackupFolder(backupFolder());
    static QTimer* timer = nullptr;
    if (timer || !QCoreApplication::instance())
        return;
    timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(kAutosaveMillis);
    QObject::connect(timer, &QTimer::timeout, [] { autosaveNow(); });
    timer->start();
}

bool offerRecovery() {
    for (const Recovery& recovery : pendingRecoveries(recoveryFolder())) {
        ui::MessageAnswer answer = askAboutRecovery(recovery);
        if (answer == ui::MessageAnswer::Yes)
            return restoreList(recovery.recoveryPath, recovery.listPath);
        if (answer == ui::MessageAnswer::No)
            removeRecovery(recoveryFolder(), recovery.listPath);
    }
    return false;
}

bool autosaveNow() {
    Autosave& state = autosave();
    if (modifiedFlag != 1 || (mainList.empty() && knownList.empty()) || state.busy)
        return false;
    // Only the bytes are made here, between two answers; the disk is written in the background.
    auto bytes = std::make_shared<const LargeBytes>(
        listFileBuffer(mainList, knownList, questionFont, answerFont));
    Fingerprint fingerprint = fingerprintOf(*bytes);
    if (state.written == fingerprint && state.writtenFor == currentFileName)
        return false;
    waitForAutosave();
    state.written = fingerprint;
    state.writtenFor = currentFileName;
    state.busy = true;
    state.worker = std::thread([bytes, folder = recoveryFolder(), list = currentFileName] {
        writeRecovery(folder, list, {bytes->data(), bytes->size()});
        autosave().busy = false;
    });
    return true;
}

void waitForAutosave() {
    if (autosave().worker.joinable())
        autosave().worker.join();
}

void discardRecovery() {
    Autosave& state = autosave();
    waitForAutosave();
    if (!state.writtenFor.empty())
        removeRecovery(recoveryFolder(), state.writtenFor);
    // A list restored at start has its recovery file from the run before.
    removeRecovery(recoveryFolder(), currentFileName);
    state.writtenFor.clear();
    state.written.reset();
}

} // namespace shell
