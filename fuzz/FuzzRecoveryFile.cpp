#include <cstddef>
#include <cstdint>
#include <string_view>

#include "document/MainState.h"
#include "document/RecoveryFile.h"
#include "model/CZRTProDoc.h"
#include "support/ScriptedPrompter.h"
#include "tree/MemoryTree.h"

// A recovery file of any content: read as the window reads one at start, its
// question built and its work put into a window's document.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto record = DecodeRecovery(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!record) return 0;
    RecoveryQuestion(*record);
    CZRTProDoc doc;
    MemoryTree tree;
    ScriptedPrompter prompter;
    MainState state;
    DocumentContext ctx{doc, tree, prompter, &state};
    RecoverWork(ctx, *record);
    return 0;
}
