#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "import/CQuillonImporter.h"
#include "support/ScriptedPrompter.h"

// A .qpx file of any content.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/zrt-fuzz-" + std::to_string(::getpid()) + ".qpx";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ScriptedPrompter prompter;
    CQuillonImporter importer(prompter);
    importer.Read(path);
    return 0;
}
