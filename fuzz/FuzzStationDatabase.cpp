#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "import/CDatabaseImporter.h"
#include "support/ScriptedPrompter.h"

// An .mdb file of any content, read the way the program reads it: the helper
// program zrtpro-mdbread of this build runs mdbtools with a time limit, and
// its answer is read with bounds. A fault of the engine ends the helper and
// shows as a failed import; the fuzzer watches the program's own side.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/zrt-fuzz-" + std::to_string(::getpid()) + ".mdb";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ScriptedPrompter prompter;
    CDatabaseImporter importer(prompter);
    importer.Read(path);
    return 0;
}
