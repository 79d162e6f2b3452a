#include "ui/profile_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace ui {
namespace {

QString& applicationNameOverride() {
    static QString name;
    return name;
}

QString profileApplicationName() {
    if (!applicationNameOverride().isEmpty())
        return applicationNameOverride();
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("zelkora") : name;
}

std::unique_ptr<QSettings> openStore() {
    auto settings =
        std::make_unique<QSettings>(QStringLiteral("Zelkora"), profileApplicationName());
    settings->beginGroup(QStringLiteral("PrefsSection"));
    return settings;
}

bool writeValue(const char* key, const QVariant& value) {
    auto settings = openStore();
    if (settings->status() != QSettings::NoError || !settings->isWritable())
        return false;
    settings->setValue(QString::fromUtf8(key), value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace

int readProfileInt(const char* key, int defaultValue) {
    QVariant value = openStore()->value(QString::fromUtf8(key));
    bool ok = false;
    int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

bool writeProfileInt(const char* key, int value) {
    return writeValue(key, value);
}

std::string readProfileString(const char* key, const std::string& defaultValue) {
    QVariant value = openStore()->value(QString::fromUtf8(key));
    if (!value.isValid())
        return defaultValue;
    return value.toString().toStdString();
}

bool writeProfileString(const char* key, const std::string& value) {
    return writeValue(key, QString::fromStdString(value));
}

void setProfileApplicationName(const char* name) {
    applicationNameOverride() = name ? QString::fromUtf8(name) : QString();
}

} // namespace ui
