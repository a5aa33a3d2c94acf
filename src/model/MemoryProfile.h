#pragma once

#include <map>
#include <string>
#include <utility>

#include "model/Profile.h"

// A profile held in memory, for tests and the command-line tool.
class MemoryProfile : public Profile {
public:
    int GetInt(const std::string& section, const std::string& key, int fallback) const override {
        const auto it = m_ints.find({section, key});
        return it == m_ints.end() ? fallback : it->second;
    }
    void SetInt(const std::string& section, const std::string& key, int value) override {
        m_ints[{section, key}] = value;
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override {
        const auto it = m_texts.find({section, key});
        return it == m_texts.end() ? fallback : it->second;
    }
    void SetString(const std::string& section, const std::string& key,
                   const std::string& value) override {
        m_texts[{section, key}] = value;
    }

private:
    std::map<std::pair<std::string, std::string>, int> m_ints;
    std::map<std::pair<std::string, std::string>, std::string> m_texts;
};
