#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "LunettaFuzzFolder.h"
#include "import/LunettaFolder.h"
#include "import/QpxFile.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "unit/BuildUnitImage.h"

namespace {

void WriteSeed(const std::filesystem::path& dir, const std::string& name,
               const std::string& bytes) {
    std::filesystem::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary) << bytes;
}

void ZrtSeeds(const std::filesystem::path& dir) {
    struct Shape {
        int ports, ciu;
    };
    for (const Shape s : {Shape{4, 0}, Shape{4, 2}, Shape{8, 1}}) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFromRecords(doc, tree, {{1, "21", "Hall"}, {2, "#*", "Gate"}}, s.ports, s.ciu);
        doc.m_zones.push_back({"30", "Spare", 3});
        WriteSeed(dir, "site-" + std::to_string(s.ports) + "-" + std::to_string(s.ciu) + ".zrt",
                  EncodeZrt(doc));
    }
}

void UnitImageSeeds(const std::filesystem::path& dir) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{1, "21", "Hall"}, {2, "#*", "Gate"}}, 8, 2);
    doc.m_zones.push_back({"30", "Spare", 3});
    doc.m_nPagingSystem = kPagingM7700;
    doc.m_nDialDigits = 3;
    ScriptedPrompter prompter;
    const std::vector<uint8_t> image = BuildUnitImage(doc, prompter);
    // The first byte picks the 8-port unit.
    WriteSeed(dir, "site-8-2.bin", "\x01" + std::string(image.begin(), image.end()));
}

void QuillonSeeds(const std::filesystem::path& dir) {
    for (uint32_t version = 1; version <= 4; ++version)
        WriteSeed(dir, "v" + std::to_string(version) + ".qpx",
                  QpxFile(version).Zone(0, 0x00, 0xF021).Zone(1, 0x00, 0xFC12).Bytes());
}

void LunettaSeeds(const std::filesystem::path& dir) {
    using namespace LunettaFolder;
    std::array<std::string, 17> files;
    files[0] = TdxFile({"0", "0", "1"});  // boards 1 and 2 installed
    files[1] = AdminFile({{5, 1}, {5, 2}, {5, 3}, {5, 4}});
    files[2] = BoardFile({{0x02, 0x01, "Hall"}, {0xFF, 0xFF, ""}, {0x02, 0x03, "Gym"}});
    files[3] = BoardFile({{0x03, 0x01, "Yard"}});
    WriteSeed(dir, "folder", LunettaFuzzFolder::Pack(files));
}

}  // namespace

// Writes one folder of seeds per fuzz target under the folder given.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    ZrtSeeds(root / "fuzz_zrt_file");
    UnitImageSeeds(root / "fuzz_unit_image");
    QuillonSeeds(root / "fuzz_quillon");
    LunettaSeeds(root / "fuzz_lunetta");
    return 0;
}
