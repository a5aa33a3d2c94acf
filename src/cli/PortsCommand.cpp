#include "cli/PortsCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <iostream>

#include "cli/CliArgs.h"
#include "cli/CliConnection.h"
#include "cli/CliMessages.h"
#include "model/Format.h"
#include "unit/link/SerialPortStatus.h"

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

QJsonValue Usb(const SerialPortEntry& port) {
    if (port.m_nVendorId < 0 || port.m_nProductId < 0) return QJsonValue::Null;
    return Text(StrFormat("%04x:%04x", port.m_nVendorId, port.m_nProductId));
}

void PrintJson(const std::vector<SerialPortStatus>& ports) {
    QJsonArray list;
    for (const SerialPortStatus& p : ports) {
        QJsonObject held;
        if (p.m_holder.m_seen == PortHolder::Seen::Program) {
            held["program"] = Text(p.m_holder.m_strProgram);
            held["pid"] = p.m_holder.m_nPid;
        }
        QJsonObject entry;
        entry["device"] = Text(p.m_strDevice);
        entry["label"] = Text(SerialPortLabel(p.m_port));
        entry["description"] = Text(p.m_port.m_strDescription);
        entry["manufacturer"] = Text(p.m_port.m_strManufacturer);
        entry["usb"] = Usb(p.m_port);
        entry["serialNumber"] = Text(p.m_strSerialNumber);
        entry["mayOpen"] = p.m_bMayOpen;
        entry["heldBy"] = held.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(held);
        list.append(entry);
    }
    std::cout << QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString();
}

void PrintText(const std::vector<SerialPortStatus>& ports) {
    namespace M = CliMessages;
    if (ports.empty()) std::cout << Tr("Cli", M::kNoSerialPorts) << '\n';
    for (const SerialPortStatus& p : ports) {
        std::cout << SerialPortLabel(p.m_port) << '\n' << "    " << p.m_strDevice;
        if (!p.m_strSerialNumber.empty())
            std::cout << StrFormat(Tr("Cli", M::kPortSerialNumber).c_str(),
                                   p.m_strSerialNumber.c_str());
        std::cout << Tr("Cli", p.m_bMayOpen ? M::kPortMayOpen : M::kPortMayNotOpen) << '\n';
        if (p.m_holder.m_seen == PortHolder::Seen::Program)
            std::cout << StrFormat(Tr("Cli", M::kPortInUse).c_str(),
                                   p.m_holder.m_strProgram.c_str(), p.m_holder.m_nPid)
                      << '\n';
    }
}

int RunPorts(const CliArgs& args) {
    if (!args.Positionals().empty()) return kExitUsage;
    EnsureQtCore();
    const std::vector<SerialPortStatus> ports = ListSerialPortStatus();
    if (args.Has("json"))
        PrintJson(ports);
    else
        PrintText(ports);
    return kExitOk;
}

}  // namespace

const CliCommand kPortsCommand{
    "ports",
    //: The arguments of `zrtpro-cli ports`. Keep option names and the words between |;
    //: placeholders in capitals may be translated.
    ZRT_TRANSLATE_NOOP("Cli", "[--json]"),
    //: `zrtpro-cli ports --help`. Keep command and option names and the --json keys as they
    //: are.
    ZRT_TRANSLATE_NOOP(
        "Cli",
        "Lists the serial ports as the connection dialog shows them: the port with its\n"
        "description and USB vendor:product, its device file, the adapter's serial\n"
        "number, whether this user may open it and, when a program holds it, which.\n"
        "Nothing is opened. --json prints the same as a JSON array for scripts: device,\n"
        "label, description, manufacturer, usb (null when not USB), serialNumber,\n"
        "mayOpen, heldBy ({program, pid} or null)."),
    {},
    {"json"},
    RunPorts};
