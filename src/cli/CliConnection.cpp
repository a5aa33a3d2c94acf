#include "cli/CliConnection.h"

#include <QCoreApplication>
#include <iostream>

#include "cli/CliLanguage.h"
#include "cli/CliMessages.h"
#include "model/Format.h"
#include "unit/ConnectionAddress.h"
#include "unit/link/StreamUnitLink.h"

namespace {

constexpr const char* kUnitsim = "unitsim:";

}  // namespace

void EnsureQtCore() {
    static int argc = 1;
    static char name[] = "zrtpro-cli";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance()) return;
    new QCoreApplication(argc, argv);
    InstallCliLanguage();
}

std::unique_ptr<CliConnection> CliConnection::Open(const std::string& where,
                                                   const std::string& password,
                                                   const std::string& tracePath,
                                                   std::string& error) {
    std::unique_ptr<CliConnection> c(new CliConnection);
    if (where.rfind(kUnitsim, 0) == 0 && where.size() > std::string(kUnitsim).size()) {
        c->m_unit = std::make_unique<EmulatedUnit>();
        c->m_eepromFile = std::make_unique<EepromFile>(where.substr(std::string(kUnitsim).size()));
        if (c->m_eepromFile->Load(*c->m_unit) == EepromFile::LoadResult::Refused) {
            error = StrFormat(Tr("Cli", CliMessages::kMemoryFileSize).c_str(),
                              c->m_eepromFile->Path().c_str());
            return nullptr;
        }
        c->m_nRevision = c->m_unit->Revision();
        c->m_emulated = std::make_unique<EmulatedLink>(*c->m_unit);
        c->m_emulated->m_strOfferedPassword = password;
        c->m_link = c->m_emulated.get();
        return c;
    }
    if (ParseConnectionAddress(where)) {
        EnsureQtCore();
        auto stream = std::make_unique<StreamUnitLink>(
            [where]() -> std::optional<std::string> { return where; },
            [password]() -> std::optional<std::string> { return password; });
        if (!tracePath.empty()) {
            c->m_trace = std::make_unique<LinkTrace>(tracePath);
            if (!c->m_trace->Ok()) {
                error =
                    StrFormat(Tr("Cli", CliMessages::kCannotWriteTrace).c_str(), tracePath.c_str());
                return nullptr;
            }
            stream->SetTrace(c->m_trace.get());
        }
        c->m_link = stream.get();
        c->m_stream = std::move(stream);
        return c;
    }
    error = StrFormat(Tr("Cli", CliMessages::kUnknownConnection).c_str(), where.c_str());
    return nullptr;
}

CliConnection::~CliConnection() {
    if (m_link) m_link->comm_Disconnect();
}

bool CliConnection::Close() {
    if (m_link) m_link->comm_Disconnect();
    if (!m_unit || m_unit->Revision() == m_nRevision) return true;
    m_nRevision = m_unit->Revision();
    if (m_eepromFile->Save(*m_unit)) return true;
    std::cerr << StrFormat(Tr("Cli", CliMessages::kCannotSaveMemoryFile).c_str(),
                           m_eepromFile->Path().c_str())
              << '\n';
    return false;
}
