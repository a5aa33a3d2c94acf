#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "model/ZrtCodec.h"
#include "support/Configs.h"

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

}  // namespace

// Writes one folder of seeds per fuzz target under the folder given.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_make_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];
    ZrtSeeds(root / "fuzz_zrt_file");
    return 0;
}
