#include <cstddef>
#include <cstdint>
#include <string>

#include "document/ConfigDiff.h"
#include "document/InputsCsv.h"
#include "support/Configs.h"

// A CSV file of any content is refused or taken whole; what it leaves
// exports to a file that, imported again, changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const CZRTProDoc site = [] {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildNumbered(doc, tree, 4, 1, 10);
        doc.m_zones.push_back({"90", "Spare", 9});
        return doc;
    }();
    CZRTProDoc doc = site;
    std::string error;
    if (!ImportInputsCsv(doc, std::string(reinterpret_cast<const char*>(data), size), error))
        return 0;
    CZRTProDoc again = doc;
    if (!ImportInputsCsv(again, ExportInputsCsv(doc), error)) __builtin_trap();
    if (!CompareConfigurations(doc, again).empty()) __builtin_trap();
    return 0;
}
