#include "unit/AddressBook.h"

#include <algorithm>

#include "model/ShownText.h"
#include "model/Translate.h"
#include "unit/LastingText.h"
#include "unit/UnitMessages.h"

namespace {

constexpr const char* kSection = "AddressBook";
constexpr const char* kCount = "Count";
constexpr const char* kLastUsed = "LastUsed";
// A profile edited by hand must not make the program read without end.
constexpr int kMostEntries = 1000;

std::string NameKey(size_t i) { return "Name" + std::to_string(i + 1); }
std::string ConnectionKey(size_t i) { return "Connection" + std::to_string(i + 1); }

// The book keeps names in Latin-1, as the connection dialog takes them; a
// translated text comes in UTF-8. A letter Latin-1 lacks becomes '?'.
std::string Latin1Of(const std::string& utf8) {
    std::string latin1;
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = Utf8SequenceLength(utf8, i);
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (length <= 1) {
            latin1 += utf8[i++];
            continue;
        }
        if (length == 2 && lead <= 0xC3)
            latin1 += static_cast<char>(((lead & 0x03) << 6) | (utf8[i + 1] & 0x3F));
        else
            latin1 += '?';
        i += length;
    }
    return latin1;
}

}  // namespace

AddressBook AddressBook::Load(const Profile& profile) {
    AddressBook book;
    const int count = std::min(profile.GetInt(kSection, kCount, 0), kMostEntries);
    for (size_t i = 0; i < static_cast<size_t>(std::max(count, 0)); ++i) {
        AddressEntry entry{profile.GetString(kSection, NameKey(i), ""),
                           profile.GetString(kSection, ConnectionKey(i), "")};
        if (!entry.m_strName.empty() && book.Find(entry.m_strName) < 0)
            book.m_entries.push_back(std::move(entry));
    }
    book.m_strLastUsed = profile.GetString(kSection, kLastUsed, "");
    return book;
}

void AddressBook::Save(Profile& profile) const {
    profile.SetInt(kSection, kCount, static_cast<int>(m_entries.size()));
    for (size_t i = 0; i < m_entries.size(); ++i) {
        profile.SetString(kSection, NameKey(i), m_entries[i].m_strName);
        profile.SetString(kSection, ConnectionKey(i), m_entries[i].m_strConnection);
    }
    profile.SetString(kSection, kLastUsed, m_strLastUsed);
}

size_t AddressBook::Put(const AddressEntry& entry) {
    const int found = Find(entry.m_strName);
    if (found >= 0) {
        m_entries[static_cast<size_t>(found)] = entry;
        return static_cast<size_t>(found);
    }
    m_entries.push_back(entry);
    return m_entries.size() - 1;
}

void AddressBook::Replace(size_t index, const AddressEntry& entry) {
    if (index < m_entries.size()) m_entries[index] = entry;
}

void AddressBook::Remove(size_t index) {
    if (index < m_entries.size())
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}

int AddressBook::Find(const std::string& name) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].m_strName == name) return static_cast<int>(i);
    return -1;
}

AddressEntry AddressBook::NewEntry(const std::string& device) const {
    const std::string first = Latin1Of(Tr("Unit", UnitMessages::kNewEntryName));
    std::string name = first;
    for (int n = 2; Find(name) >= 0; ++n) name = first + " " + std::to_string(n);
    ConnectionAddress where;
    where.m_strDevice = device;
    where.m_nBaud = ConnectionAddress::kDefaultBaud;
    return {name, FormatConnectionAddress(where)};
}

const char* AddressBook::NameProblem(size_t index, const std::string& name) const {
    if (name.empty()) return LastingText(Tr("Unit", UnitMessages::kNeedName));
    const int other = Find(name);
    if (other >= 0 && static_cast<size_t>(other) != index)
        return LastingText(Tr("Unit", UnitMessages::kNameTaken));
    return nullptr;
}

ConnectionCheck AddressBook::CheckConnection(const ConnectionAddress& where) {
    const bool modem = where.m_kind == ConnectionAddress::Kind::Modem;
    std::string problem;
    if (where.m_kind == ConnectionAddress::Kind::Tcp ||
        where.m_kind == ConnectionAddress::Kind::Rfc2217) {
        if (where.m_strHost.empty()) problem = Tr("Unit", UnitMessages::kNeedHost);
    } else if (where.m_strDevice.empty() || where.m_strDevice.find(':') != std::string::npos) {
        problem = Tr("Unit", UnitMessages::kNeedPort);
    } else if (modem && where.m_strNumber.empty()) {
        problem = Tr("Unit", UnitMessages::kNeedNumber);
    }
    if (!problem.empty()) return {std::nullopt, LastingText(problem)};
    std::string text = FormatConnectionAddress(where);
    if (!ParseConnectionAddress(text))
        return {std::nullopt, LastingText(modem ? Tr("Unit", UnitMessages::kNeedNumber)
                                                : Tr("Unit", UnitMessages::kNeedHost))};
    return {std::move(text), nullptr};
}
