#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Profile.h"
#include "unit/ConnectionAddress.h"

// The units the user has connected to: each entry a name and where the unit
// is, as a connection text ("serial:/dev/ttyUSB0:9600", "tcp:10.0.0.5:4001",
// "rfc2217:10.0.0.5:4002:9600", "modem:/dev/ttyS0:9600:5551234"). Kept in the profile, section
// "AddressBook", together with the name of the entry used last. Passwords are
// never kept.
struct AddressEntry {
    std::string m_strName;
    std::string m_strConnection;
};

// The connection text an entry's fields make, or the problem to show the user.
struct ConnectionCheck {
    std::optional<std::string> m_connection;
    const char* m_pszProblem = nullptr;  // in the user's language, lasting the program's run
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

    // The rules of an entry the user edits. A new entry is called "New unit",
    // numbered when that name is taken, and is on serial port `device` at the
    // default speed.
    AddressEntry NewEntry(const std::string& device) const;
    // Why entry `index` cannot be named `name` (no name, or another entry's), or nullptr.
    const char* NameProblem(size_t index, const std::string& name) const;
    // A TCP or RFC 2217 entry needs a host; a serial or modem entry a port (no colon in it);
    // a modem entry a number it can dial.
    static ConnectionCheck CheckConnection(const ConnectionAddress& where);

    std::string m_strLastUsed;

private:
    std::vector<AddressEntry> m_entries;
};
