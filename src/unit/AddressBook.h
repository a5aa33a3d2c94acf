#pragma once

#include <string>
#include <vector>

#include "model/Profile.h"

// The units the user has connected to: each entry a name and where the unit
// is, as a connection text ("serial:/dev/ttyUSB0:9600", "tcp:10.0.0.5:4001",
// "modem:/dev/ttyS0:9600:5551234"). Kept in the profile, section
// "AddressBook", together with the name of the entry used last. Passwords are
// never kept.
struct AddressEntry {
    std::string m_strName;
    std::string m_strConnection;
};

class AddressBook {
public:
    static AddressBook Load(const Profile& profile);
    void Save(Profile& profile) const;

    const std::vector<AddressEntry>& Entries() const { return m_entries; }
    // Adds the entry, or replaces the one of the same name; returns its index.
    size_t Put(const AddressEntry& entry);
    // Replaces entry `index` (a rename keeps its place in the book).
    void Replace(size_t index, const AddressEntry& entry);
    void Remove(size_t index);
    // The index of the entry named `name`, or -1.
    int Find(const std::string& name) const;

    std::string m_strLastUsed;

private:
    std::vector<AddressEntry> m_entries;
};
