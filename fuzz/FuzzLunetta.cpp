#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "LunettaFuzzFolder.h"
#include "import/CLunettaImporter.h"
#include "support/ScriptedPrompter.h"

// A Lunetta folder of any content, unpacked from the fuzz input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("zrt-fuzz-lunetta-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    size_t at = 0;
    for (const std::string& name : LunettaFuzzFolder::kNames) {
        if (at + 2 > size) break;
        const size_t length = data[at] | (static_cast<size_t>(data[at + 1]) << 8);
        at += 2;
        const size_t take = std::min(length, size - at);
        std::ofstream(folder / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(data + at), static_cast<std::streamsize>(take));
        at += take;
    }
    ScriptedPrompter prompter;
    CLunettaImporter importer(prompter);
    importer.Read((folder / "TDX_FILE.DAT").string());
    return 0;
}
