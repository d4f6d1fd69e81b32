#include "ui/qsettings_store.h"

#include <QSettings>
#include <QString>

namespace qorvel {
namespace {

const char* kGroup = "software/qorvelsettings";

QString key(const std::string& name) { return QString(kGroup) + "/" + QString::fromStdString(name); }

}  // namespace

QSettingsStore::QSettingsStore() {
    const QByteArray file = qgetenv("QORVEL_SETTINGS_FILE");
    if (!file.isEmpty())
        settings_ = std::make_unique<QSettings>(QString::fromLocal8Bit(file), QSettings::IniFormat);
    else
        settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "qorvel", "qorvelsettings");
}

QSettingsStore::QSettingsStore(const std::string& iniFile)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

std::optional<int> QSettingsStore::readInt(const std::string& name) const {
    QVariant v = settings_->value(key(name));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    int value = v.toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

void QSettingsStore::writeInt(const std::string& name, int value) {
    settings_->setValue(key(name), value);
    settings_->sync();
}

std::optional<std::string> QSettingsStore::readText(const std::string& name) const {
    QVariant v = settings_->value(key(name));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
}

void QSettingsStore::writeText(const std::string& name, const std::string& value) {
    settings_->setValue(key(name), QString::fromStdString(value));
    settings_->sync();
}

}  // namespace qorvel
