#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

// The MIME test reads the program's type definition from a data folder of its own; the folder
// must be named before Qt looks for MIME data for the first time.
QString mimeDataRoot;

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QTemporaryDir root;
    if (!root.isValid())
        return 1;
    const QString packages = root.path() + QStringLiteral("/mime/packages");
    QDir().mkpath(packages);
    QFile::copy(QStringLiteral(ZELKORA_RESOURCES_DIR "/zelkora-mime.xml"),
                packages + QStringLiteral("/zelkora.xml"));
    mimeDataRoot = root.path();
    const QByteArray dataDirs = (root.path() + QStringLiteral(":/usr/share")).toLocal8Bit();
    setenv("XDG_DATA_DIRS", dataDirs.constData(), 1);
    setenv("XDG_DATA_HOME", (root.path() + QStringLiteral("/home")).toLocal8Bit().constData(), 1);
    setenv("XDG_RUNTIME_DIR", root.path().toLocal8Bit().constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
