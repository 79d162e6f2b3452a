#include "tests/support/qt_unexpected_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Settings, data and runtime files of the tests go to folders that vanish afterwards.
void isolateEnvironment(const QTemporaryDir& root) {
    const QByteArray config = (root.path() + QStringLiteral("/config")).toLocal8Bit();
    const QByteArray runtime = (root.path() + QStringLiteral("/runtime")).toLocal8Bit();
    const QByteArray data = (root.path() + QStringLiteral("/data")).toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_CONFIG_HOME", config.constData(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    setenv("XDG_DATA_HOME", data.constData(), 1); // backups and recovery files
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// The offscreen platform warns that it cannot pass size hints on every window shown; that says
// nothing about the tests, everything else is printed as usual.
QtMessageHandler standardHandler = nullptr;

void filterMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (standardHandler)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    isolateEnvironment(root);
    standardHandler = qInstallMessageHandler(filterMessages);
    QApplication app(argc, argv);
    const QString settings = root.path() + QStringLiteral("/settings");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
    installUnexpectedDialogHandlers();
    return RUN_ALL_TESTS();
}
