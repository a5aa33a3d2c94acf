#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <string>

#include "LunettaFuzzFolder.h"
#include "document/RecoveryFile.h"
#include "import/LunettaFolder.h"
#include "import/M7700Database.h"
#include "import/QpxFile.h"
#include "import/StationAnswer.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "unit/BuildUnitImage.h"
#include "unit/LopMessages.h"
#include "unit/link/LinkFrame.h"
#include "unit/link/LinkProtocol.h"

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

void RecoverySeeds(const std::filesystem::path& dir) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildFromRecords(doc, tree, {{1, "21", "Hall"}, {2, "#*", "Gate"}}, 4, 1);
    WriteSeed(dir, "saved.zrt-recovery",
              EncodeRecovery({"/sites/sale%2.zrt", "sale%2.zrt", 1'700'000'000, EncodeZrt(doc)}));
    WriteSeed(dir, "untitled.zrt-recovery",
              EncodeRecovery({"", "untitled", 1'700'000'000, EncodeZrt(doc)}));
}

void UnitCopySeeds(const std::filesystem::path& dir) {
    WriteSeed(
        dir, "description.txt",
        std::string(1, '\0') +
            "time=2026-12-11T02:15:44+01:00\nkind=before write\nconnection=tcp:10.0.0.5:4001\n"
            "site=school.zrt\nmodel=M-4800\ncamera-units=2\ninputs=52\nerased=no\n"
            "partly-written=no\nsequence=12\n");
    for (const int ports : {4, 8}) {
        CZRTProDoc doc;
        MemoryTree tree;
        BuildFromRecords(doc, tree, {{1, "21", "Hall"}, {2, "#*", "Gate"}}, ports, 1);
        doc.m_nPagingSystem = kPagingM7700;
        doc.m_nDialDigits = 3;
        ScriptedPrompter prompter;
        const std::vector<uint8_t> image = BuildUnitImage(doc, prompter);
        WriteSeed(dir, "site-" + std::to_string(ports) + ".bin",
                  "\x02" + std::string(image.begin(), image.end()));
    }
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

void StationDatabaseSeeds(const std::filesystem::path& dir) {
    using namespace M7700Database;
    WriteSeed(dir, "one-unit.mdb", Site(1, Stations(48)).Bytes());
    WriteSeed(dir, "no-unit.mdb", Site(0, Stations(3)).Bytes());
    WriteSeed(dir, "no-config-row.mdb", Site(std::nullopt, Stations(2)).Bytes());
}

void StationAnswerSeeds(const std::filesystem::path& dir) {
    StationDatabaseResult site;
    site.m_records = {{0, " 101", "Lobby"}, {1, "2#9", ""}};
    WriteSeed(dir, "site", "O" + StationAnswer::Encode(site));
    StationDatabaseResult trouble;
    trouble.m_outcome = StationDatabaseResult::Outcome::TableTrouble;
    trouble.m_strEngineText = "The database has no table 'Clid'.";
    WriteSeed(dir, "trouble", "O" + StationAnswer::Encode(trouble));
}

std::string Framed(const std::vector<uint8_t>& lop) {
    const std::vector<uint8_t> frame = EncodeFrame(lop);
    return std::string(frame.begin(), frame.end());
}

// What the fuzz_link_session line delivers: a length byte, then the bytes.
std::string LineRead(const std::string& bytes) { return static_cast<char>(bytes.size()) + bytes; }

void LinkSessionSeeds(const std::filesystem::path& dir) {
    namespace LP = LinkProtocol;
    // Connect accepted, programming mode entered, then a cell read answered
    // whole and one answered in two pieces after noise and a quiet line.
    std::string session = "\x01";
    session += LineRead(Framed({2, LP::kOpConnect, LP::kConnectAccepted}));
    session += LineRead(Framed({2, LP::kOpProgram, 0}));
    const std::string cell = Framed({4, Lop::kReadCell, 0x10, 0x00, 0x5A});
    session += std::string("\x00\x10\x00") + LineRead(cell);
    session += std::string("\x00\x10\x00") + LineRead("\x07\x99") + '\0' +
               LineRead(cell.substr(0, 2)) + LineRead(cell.substr(2));
    WriteSeed(dir, "session", session);
    // A block read answered with its 32 cells.
    std::vector<uint8_t> block = {LP::kReadBlockReplyBody, Lop::kReadBlock, 0x20, 0x00};
    block.resize(LP::kReadBlockReplyBody + 1, 0xA5);
    WriteSeed(dir, "block", "\x00\x02\x20\x00" + LineRead(Framed(block)));
}

void UnitEndpointSeeds(const std::filesystem::path& dir) {
    namespace LP = LinkProtocol;
    std::string frames = Framed({5, LP::kOpConnect, '1', '2', '3', '4'}) +
                         Framed({2, LP::kOpProgram, 1}) + Framed(Lop::WriteCellMessage(0x10, 7)) +
                         Framed(Lop::ReadBlockMessage(0x00)) + Framed(Lop::ClearBlockMessage(1)) +
                         Framed(Lop::SetTimeMessage("03/09/04 08:05:07")) + Framed({1, LP::kOpBye});
    WriteSeed(dir, "direct", std::string("\x00\x00") + frames);
    WriteSeed(dir, "modem", std::string("\x01\x00") + "ATZ\rATE0\rATDT5551234\r" + frames);
}

// What a serial device server sends: Telnet options and COM port control answers.
void TelnetComPortSeeds(const std::filesystem::path& dir) {
    // Bytes by value: Telnet's option 0 (binary) is a NUL inside the stream.
    const auto bytes = [](std::initializer_list<int> values) {
        std::string out;
        for (int v : values) out += static_cast<char>(v);
        return out;
    };
    constexpr int iac = 0xFF, will = 0xFB, wont = 0xFC, doo = 0xFD, dont = 0xFE, sb = 0xFA,
                  se = 0xF0, nop = 0xF1, com = 0x2C;
    // Everything granted for 9600 baud, 8N1, then the unit's data with a doubled 0xFF.
    const std::string granted =
        bytes({iac, will, 0, iac, doo, 0, iac, will, 3, iac, doo, 3, iac, doo, com}) +
        bytes({iac, sb, com, 101, 0x00, 0x00, 0x25, 0x80, iac, se}) +
        bytes({iac, sb, com, 102, 8, iac, se, iac, sb, com, 103, 1, iac, se}) +
        bytes({iac, sb, com, 104, 1, iac, se});
    WriteSeed(dir, "granted", bytes({0, 0}) + granted + bytes({0x03, 0x40, iac, iac, 0x11}));
    WriteSeed(dir, "granted-in-pieces", bytes({0, 3}) + granted);
    // Another speed answered, a line state notification, an unknown option, a
    // command inside a subnegotiation and no-operations among the data.
    WriteSeed(dir, "refused",
              bytes({0, 0, iac, doo, com, iac, sb, com, 101, 0x00, 0x00, 0x4B, 0x00, iac, se}) +
                  bytes({iac, sb, com, 106, 0x60, iac, se, iac, will, 0x18}) +
                  bytes({iac, sb, com, 102, iac, nop, 'a', 'b', iac, nop, 'c'}));
    WriteSeed(dir, "com-port-refused",
              bytes({1, 0, iac, will, 0, iac, doo, 0, iac, wont, 0, iac, dont, com}));
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
    RecoverySeeds(root / "fuzz_recovery_file");
    UnitCopySeeds(root / "fuzz_unit_copy");
    LunettaSeeds(root / "fuzz_lunetta");
    StationDatabaseSeeds(root / "fuzz_station_database");
    StationAnswerSeeds(root / "fuzz_station_answer");
    LinkSessionSeeds(root / "fuzz_link_session");
    TelnetComPortSeeds(root / "fuzz_telnet_com_port");
    UnitEndpointSeeds(root / "fuzz_unit_endpoint");
    return 0;
}
