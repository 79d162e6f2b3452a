#include "shell/file_commands.h"

#include "listfile/foreign_export.h"
#include "listfile/imported_cards.h"
#include "listfile/list_reader.h"
#include "listfile/list_writer.h"
#include "listfile/text_export.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "shell/file_messages.h"
#include "shell/font_commands.h"
#include "shell/menu_state.h"
#include "shell/recovery.h"
#include "shell/shell_texts.h"
#include "store/card_store.h"
#include "store/clock.h"
#include "store/notices.h"
#include "store/program_state.h"
#include "store/window_registry.h"
#include "ui/command_registry.h"
#include "ui/file_dialogs.h"
#include "ui/fonts.h"

#include "ui/main_window_host.h"
#include "ui/message_boxes.h"
#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

const char* const kUntitled = "UNTITLED";

// A list imported from a plain text file has no list file yet: Save List asks for a name, so the
// user's text file is never overwritten in the list format.
bool listIsTextImport = false;

bool isTextImport() {
    return listIsTextImport && currentFileName != kUntitled;
}

QString tableText(int number) {
    return QString::fromUtf8(strings::text(number));
}

// Carries out a command of the main window, also while its menu item is grayed (the start
// after opening a list, New List's new-card window).
void run(int commandId) {
    if (commandId != 0)
        ui::runCommand(commandId);
}

bool writeList(const std::string& path) {
    FileInfo info;
    if (!showFileResult(writeListFile(mainList, path, info, questionFont, answerFont)))
        return false;
    discardRecovery();
    return true;
}

FileResult exportTo(SaveKind kind, const std::string& path) {
    FileInfo info;
    if (kind == SaveKind::Cards)
        return exportCards(mainList, path, info);
    if (kind == SaveKind::Questions)
        return exportQuestions(mainList, path, info);
    if (kind == SaveKind::OtherPrograms)
        return exportForOtherPrograms(mainList, knownList, path);
    return exportAnswers(mainList, path, info);
}

bool writeExport(SaveKind kind, const std::string& path) {
    return showFileResult(exportTo(kind, path));
}

// The name the list's save dialog starts with: for an imported list the text file's name as a
// list file (unless that is the text file itself), else "UNTITLED".
QString suggestedListName() {
    const QString untitled = QString::fromLatin1(kUntitled);
    if (!isTextImport())
        return untitled;
    QFileInfo text(QFile::decodeName(QByteArray::fromStdString(currentFileName)));
    if (text.suffix().compare(QStringLiteral("zlk"), Qt::CaseInsensitive) == 0)
        return untitled;
    return text.dir().filePath(text.completeBaseName() + QStringLiteral(".zlk"));
}

ui::FileDialogResult askSavePath(SaveKind kind) {
    if (kind == SaveKind::List)
        return ui::getSaveFileName(tableText(text::SaveAsTitle),
                                   {{QCoreApplication::translate("FileCommands", "Zelkora-File"),
                                     QStringLiteral("*.zlk")}},
                                   QStringLiteral("zlk"), suggestedListName());
    if (kind == SaveKind::OtherPrograms)
        return ui::getSaveFileName(
            tableText(text::ExportTitle),
            {{QCoreApplication::translate("FileCommands", "KVTML Vocabularies (*.KVTML)"),
              QStringLiteral("*.kvtml")},
             {QCoreApplication::translate("FileCommands", "CSV Tables (*.CSV)"),
              QStringLiteral("*.csv")},
             {QCoreApplication::translate("FileCommands", "Tab-Separated Tables (*.TSV)"),
              QStringLiteral("*.tsv")}},
            QStringLiteral("kvtml"));
    return ui::getSaveFileName(
        tableText(text::ExportTitle),
        {{QCoreApplication::translate("FileCommands", "text file"), QStringLiteral("*.txt")}},
        QStringLiteral("txt"));
}

} // namespace

std::string pathBytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool openList(const std::string& path) {
    FileInfo info;
    const FileResult read = readListFile(mainList, path, info, &restoreFonts);
    if (!showFileResult(read)) {
        // The old format is explained first, then refused as any file that could not be read.
        if (read.error == FileError::OldFormat)
            showError(text::OpenFailed);
        return false;
    }
    // A window left open from before (the new-card window of a list begun but never filled)
    // would add to or store into the list just read: it closes first.
    closeAllWindows();
    currentFileName = path;
    listIsTextImport = isImportedFormat(info.formatName);
    ui::MainWindowHost* host = ui::mainWindowHost();
    int mainCount = countCards(mainList);
    if (host)
        applyOpenedListState(*host, mainCount, countCards(knownList));
    run(autoStartCommand(mainCount));
    if (host)
        host->updateCounters();
    currentList = &mainList;
    listStartTime = clockMillis();
    return true;
}

bool restoreList(const std::string& recoveryPath, const std::string& listPath) {
    if (!openList(recoveryPath))
        return false;
    currentFileName = listPath;
    listIsTextImport = false;
    modifiedFlag = 1;
    return true;
}

void openListCommand() {
    validateCards(mainList);
    validateCards(knownList);
    ui::FileDialogResult chosen = ui::getOpenFileName(
        tableText(text::OpenTitle),
        {{QCoreApplication::translate("FileCommands", "Zelkora Files (*.ZLK)"),
          QStringLiteral("*.zlk")},
         {QCoreApplication::translate("FileCommands", "Text Files (*.TXT)"),
          QStringLiteral("*.txt")},
         {QCoreApplication::translate("FileCommands", "KVTML Vocabularies (*.KVTML)"),
          QStringLiteral("*.kvtml")},
         {QCoreApplication::translate("FileCommands", "CSV Tables (*.CSV)"),
          QStringLiteral("*.csv")},
         {QCoreApplication::translate("FileCommands", "Tab-Separated Tables (*.TSV)"),
          QStringLiteral("*.tsv")}},
        QStringLiteral("zlk"));
    if (chosen.status == ui::FileDialogStatus::Failed)
        showError(text::OpenFailed);
    else if (chosen.status == ui::FileDialogStatus::Accepted)
        openList(pathBytes(chosen.path));
}

void newList() {
    if (ui::MainWindowHost* host = ui::mainWindowHost())
        applyNewListState(*host);
    run(cmd::NewCards);
    listStartTime = clockMillis();
}

bool saveList() {
    if (currentFileName == kUntitled || isTextImport())
        return saveAs(SaveKind::List);
    return writeList(currentFileName);
}

bool saveAs(SaveKind kind) {
    ui::FileDialogResult chosen = askSavePath(kind);
    if (chosen.status == ui::FileDialogStatus::Cancelled)
        return false;
    if (chosen.status == ui::FileDialogStatus::Failed) {
        showError(text::SaveFailed);
        return false;
    }
    std::string path = pathBytes(chosen.path);
    bool written = kind == SaveKind::List ? writeList(path) : writeExport(kind, path);
    if (kind == SaveKind::List) {
        currentFileName = path; // also after a failed write: the user chose this name
        listIsTextImport = false;
    }
    return written;
}

bool offerToSave(SaveQuestion purpose) {
    if (modifiedFlag != 1)
        return true;
    ui::MessageAnswer answer =
        ui::askQuestion(tableText(text::CautionCaption), tableText(text::SaveBeforeClose),
                        ui::MessageButtons::YesNoCancel, ui::MessageIcon::Warning);
    if (answer == ui::MessageAnswer::No)
        return true;
    if (answer != ui::MessageAnswer::Yes)
        return false;
    // Closing asks for a name every time; quitting saves to the list's own file when it has one.
    return purpose == SaveQuestion::Close ? saveAs(SaveKind::List) : saveList();
}

bool closeList() {
    if (!offerToSave(SaveQuestion::Close))
        return false;
    // The windows go first: they may still refer to cards until they are destroyed.
    closeAllWindows();
    discardRecovery();
    modifiedFlag = 0;
    currentFileName = kUntitled;
    listIsTextImport = false;
    resetCardStore();
    if (ui::MainWindowHost* host = ui::mainWindowHost()) {
        applyNoListState(*host);
        host->updateCounters();
    }
    return true;
}

} // namespace shell
