#include "window/QtProfile.h"

namespace {

QString KeyOf(const std::string& section, const std::string& key) {
    return QString::fromStdString(section + "/" + key);
}

}  // namespace

QtProfile::QtProfile() : m_pSettings(std::make_unique<QSettings>("NEXIL", "NEXIL")) {}

QtProfile::QtProfile(const QString& iniFile)
    : m_pSettings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

int QtProfile::GetInt(const std::string& section, const std::string& key, int fallback) const {
    bool ok = false;
    const int value = m_pSettings->value(KeyOf(section, key)).toInt(&ok);
    return ok ? value : fallback;
}

void QtProfile::SetInt(const std::string& section, const std::string& key, int value) {
    m_pSettings->setValue(KeyOf(section, key), value);
}

std::string QtProfile::GetString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
    const QVariant value = m_pSettings->value(KeyOf(section, key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtProfile::SetString(const std::string& section, const std::string& key,
                          const std::string& value) {
    m_pSettings->setValue(KeyOf(section, key), QString::fromStdString(value));
}
