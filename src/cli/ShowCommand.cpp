#include "cli/ShowCommand.h"

#include "tree/BuildTree.h"

void PrintConfiguration(const CZRTProDoc& doc, std::ostream& out) {
    out << "System: " << doc.m_nPortCount << " ports, " << doc.m_nCiuCount
        << " camera interface units, paging system " << doc.m_nPagingSystem << ", "
        << doc.m_nDialDigits << " digits, source " << doc.m_nConfigSource << '\n';
    out << "Priority: " << doc.m_nPriority << "  Time refresh: "
        << static_cast<int>(doc.m_byTimeRefresh) << "  Admin:";
    for (int a : doc.m_adminArch) out << ' ' << a;
    out << "\nIdle loop (" << doc.m_nIdleDelay << " s" << (doc.m_bIdleNoVideo ? ", no video" : "")
        << "):";
    for (const auto& arch : doc.m_idleLoop) out << ' ' << arch;
    out << "\nInputs:\n";
    for (int i = kFixedNodeCount; i < doc.NodeCount(); ++i)
        out << "  " << NodeItemText(doc, i) << (doc.m_nodes[i].IsNonPageable() && doc.IsInput(i)
                                                     ? "  (non-pageable)"
                                                     : "")
            << '\n';
    out << "Unassigned zones:\n";
    for (const auto& z : doc.m_zones)
        out << "  " << z.m_strArch << "  " << z.m_strName << (z.IsNonPageable() ? "  (non-pageable)" : "")
            << '\n';
}
