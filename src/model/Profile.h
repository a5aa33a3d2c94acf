#pragma once

#include <string>

// The user's profile: values by section and key under the program key "NEXIL".
class Profile {
public:
    virtual ~Profile() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int fallback) const = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const = 0;
    virtual void SetString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

inline constexpr const char* kSectionUserData = "userdata";
inline constexpr const char* kSectionDirectories = "Directories";
