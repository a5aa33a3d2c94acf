#pragma once

#include <QSettings>
#include <memory>

#include "model/Profile.h"

// The user's profile in QSettings under the program key "NEXIL"; sections
// become groups ("userdata", "Directories", "Recent File List").
class QtProfile : public Profile {
public:
    QtProfile();
    // A profile kept in the given file, for tests and portable set-ups.
    explicit QtProfile(const QString& iniFile);

    int GetInt(const std::string& section, const std::string& key, int fallback) const override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override;

private:
    std::unique_ptr<QSettings> m_pSettings;
};
