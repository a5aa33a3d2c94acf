// Configurations made at random through every way the program builds one
// (the three imports with odd records, the wizard's numbering, CSV moves,
// edits) go through the unit's memory image and back, through the emulated
// unit, and through the configuration file. Each comes back the same in all
// an installer sees, or the write refused it before the erase, naming it.
//
// Reproducible: case n always uses the seed n. ZRT_ROUNDTRIP_CASES sets how
// many cases run, ZRT_ROUNDTRIP_FIRST the first one (to rerun a failure alone).

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>

#include "UnitRig.h"
#include "document/CsvText.h"
#include "document/InputPlaces.h"
#include "document/InputsCsv.h"
#include "import/ImportFiles.h"
#include "import/LunettaFolder.h"
#include "import/M7700Database.h"
#include "import/QpxFile.h"
#include "import/SetupWizardBuild.h"
#include "model/TrimText.h"
#include "model/ZrtCodec.h"
#include "pages/ArchAssign.h"
#include "support/TempDir.h"
#include "unit/BuildUnitImage.h"
#include "unit/DecodeUnitImage.h"
#include "unit/ImageFitCheck.h"
#include "unit/ReadUnit.h"
#include "unit/WriteUnit.h"

namespace {

int EnvInt(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

class Dice {
public:
    explicit Dice(unsigned seed) : m_rng(seed) {}
    int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool Chance(int percent) { return Pick(1, 100) <= percent; }
    template <typename T>
    const T& OneOf(const std::vector<T>& items) {
        return items[static_cast<size_t>(Pick(0, static_cast<int>(items.size()) - 1))];
    }

    // Mostly 2 to 4 characters, leading zeros, '*' and '#' among them; now
    // and then (`oddPercent`) one of 1 or 5 characters.
    std::string Arch(int oddPercent = 6) {
        const int length = !Chance(oddPercent) ? Pick(2, 4) : Chance(50) ? 1 : 5;
        std::string arch;
        for (int k = 0; k < length; ++k) {
            const int d = Pick(0, 13);
            arch += d < 10 ? static_cast<char>('0' + d) : d < 12 ? '0' : Chance(50) ? '*' : '#';
        }
        return arch;
    }

    // Up to 15 bytes (sometimes 16): letters, Latin-1 letters, blanks, and
    // now and then a control character.
    std::string Name() {
        const int length = Chance(5) ? 16 : Pick(0, 15);
        std::string name;
        for (int k = 0; k < length; ++k) {
            const int kind = Pick(0, 99);
            if (kind < 60)
                name += static_cast<char>('A' + Pick(0, 25));
            else if (kind < 80)
                name += static_cast<char>(Pick(0xC0, 0xFF));
            else if (kind < 95)
                name += ' ';
            else
                name += static_cast<char>(OneOf<int>({0x09, 0x0A, 0x7F, 0x85}));
        }
        return name;
    }

private:
    std::mt19937 m_rng;
};

// A wizard that answers as the user did.
class GivenWizard : public WizardDialog {
public:
    explicit GivenWizard(const WizardAnswers& answers) : m_answers(answers) {}
    bool Run(WizardAnswers& answers) override {
        answers = m_answers;
        return true;
    }

private:
    WizardAnswers m_answers;
};

// One digit of a Quillon dial code: 0-9, 11 for '*', 12 for '#'.
uint16_t QuillonCode(Dice& dice) {
    const int length = dice.Pick(1, 4);
    uint16_t code = 0xFFFF;
    for (int k = 0; k < length; ++k) {
        const int d = dice.Pick(0, 12);
        const uint16_t nibble = static_cast<uint16_t>(d == 10 ? 0 : d);
        code = static_cast<uint16_t>((code & ~(0xF << (4 * k))) | (nibble << (4 * k)));
    }
    return code;
}

uint8_t Bcd(int value) { return static_cast<uint8_t>((value / 10) << 4 | value % 10); }

// Everything an installer sees of a configuration, as text to compare.
std::string Seen(const ZrtConfig& c) {
    std::ostringstream out;
    out << "ports " << c.m_nPortCount << " units " << c.m_nCiuCount << "\n";
    for (int i = kFixedNodeCount; i < c.NodeCount(); ++i) {
        if (!c.IsInput(i)) continue;
        const CConfigNode& n = c.m_nodes[i];
        out << n.m_nInputCode << " [" << n.m_strArch << "] [" << n.m_strName << "] "
            << (n.IsNonPageable() ? "non-pageable" : "pageable") << "\n";
    }
    for (const CZoneEntry& z : c.m_zones)
        out << "zone [" << z.m_strArch << "] [" << z.m_strName << "] "
            << (z.IsNonPageable() ? "non-pageable" : "pageable") << "\n";
    out << "idle";
    for (const std::string& a : c.m_idleLoop) out << " [" << a << "]";
    out << " delay " << c.m_nIdleDelay << " no-video " << c.m_bIdleNoVideo << "\n";
    out << "priority " << (c.m_nPriority == 1 || c.m_nPriority == 2 ? c.m_nPriority : 3) << " time "
        << int{c.m_byTimeRefresh} << " paging " << c.m_nPagingSystem << "/" << c.m_nDialDigits
        << "\nadmin";
    for (int k = 0; k < c.AdminCount(); ++k) out << " " << c.m_adminArch[static_cast<size_t>(k)];
    return out.str();
}

class RoundTrip {
public:
    explicit RoundTrip(int seed) : m_nSeed(seed), m_dice(static_cast<unsigned>(seed)) {}

    void Run() {
        if (!Build()) return;
        Edit();
        CheckFile();
        CheckUnit();
    }

    std::string m_strPath;  // how the configuration was made, for failures

private:
    CZRTProDoc& Doc() { return m_rig.m_doc; }
    DocumentContext Context() { return {m_rig.m_doc, m_rig.m_tree, m_rig.m_prompter}; }

    WizardAnswers Hardware() {
        WizardAnswers a;
        a.m_nRows = m_dice.Pick(1, 2);
        a.m_nCiuCount = m_dice.Chance(60) ? 0 : m_dice.Pick(1, 2);
        return a;
    }

    bool Build() {
        switch (m_nSeed % 4) {
            case 0:
                return BuildLunetta();
            case 1:
                return BuildQuillon();
            case 2:
                return m_nSeed % 16 == 2 ? BuildM7700() : BuildWizard();
            default:
                return BuildWizard();
        }
    }

    bool FromFile(const WizardAnswers& a, PagingFileKind kind) {
        DocumentContext ctx = Context();
        const int built = BuildFromPagingFile(ctx, a, kind);
        m_rig.m_prompter.m_shown.clear();
        return built == 0;
    }

    bool BuildLunetta() {
        using namespace LunettaFolder;
        m_strPath = "lunetta";
        const int boards = m_dice.Pick(1, 2);
        std::vector<std::string> lines(15, "1");
        for (int b = 0; b < boards; ++b) {
            const int board = m_dice.Pick(1, 15);
            lines[static_cast<size_t>(board - 1)] = "0";
            std::vector<Slot> slots;
            for (int k = 0; k < 24; ++k) {
                Slot s;
                if (m_dice.Chance(80)) {
                    const int number = m_dice.Pick(1, 9999);
                    s.m_b0 = Bcd(number / 100);
                    s.m_b1 = Bcd(number % 100);
                    if (m_dice.Chance(2)) s.m_b0 = 0xA0;  // a nibble above 9
                }
                s.m_strName = m_dice.Name().substr(0, 15);
                slots.push_back(s);
            }
            m_dir.Write(StrFormat("tdx_bd%02d.usr", board), BoardFile(slots));
        }
        std::vector<std::pair<uint8_t, uint8_t>> admins;
        for (int k = 0; k < 4; ++k)
            admins.push_back(m_dice.Chance(30)
                                 ? std::pair<uint8_t, uint8_t>{0xFF, 0xFF}
                                 : std::pair{Bcd(m_dice.Pick(0, 99)), Bcd(m_dice.Pick(0, 99))});
        m_dir.Write("tdx_admn.usr", AdminFile(admins));
        m_dir.Write(kLunettaStationList, TdxFile(lines));
        WizardAnswers a = Hardware();
        a.m_strPagingFile = m_dir.PathOf(kLunettaStationList);
        return FromFile(a, PagingFileKind::Lunetta);
    }

    bool BuildQuillon() {
        m_strPath = "quillon";
        QpxFile qpx(static_cast<uint32_t>(m_dice.Pick(1, 4)));
        const int zones = m_dice.Pick(1, 136);
        for (int z = 0; z < zones; ++z)
            qpx.Zone(z, m_dice.Chance(10) ? 0x20 : 0x00, QuillonCode(m_dice));
        WizardAnswers a = Hardware();
        a.m_strPagingFile = m_dir.Write("site.qpx", qpx.Bytes());
        return FromFile(a, PagingFileKind::Quillon);
    }

    bool BuildM7700() {
        m_strPath = "m7700";
        using J = JetDatabase;
        std::vector<J::Row> rows;
        const int count = m_dice.Pick(1, 30);
        for (int k = 0; k < count; ++k) {
            std::string name;
            for (int c = m_dice.Chance(2) ? 16 : m_dice.Pick(0, 15); c > 0; --c)
                name += m_dice.Chance(70)   ? static_cast<char>('a' + m_dice.Pick(0, 25))
                        : m_dice.Chance(60) ? ' '
                        : m_dice.Chance(80) ? static_cast<char>(m_dice.Pick(0xC0, 0xFF))
                                            : '\t';
            const std::string arch = (m_dice.Chance(20) ? " " : "") + m_dice.Arch(1);
            rows.push_back(
                {J::Byte(static_cast<uint8_t>(m_dice.Chance(10) ? 0 : m_dice.Pick(1, 255))),
                 J::Text(name), J::Text(arch)});
        }
        WizardAnswers a = Hardware();
        a.m_strPagingFile = m_dir.Write("site.mdb", M7700Database::Site(1, rows).Bytes());
        return FromFile(a, PagingFileKind::Database);
    }

    bool BuildWizard() {
        m_strPath = "wizard";
        WizardAnswers a = Hardware();
        a.m_nInputMethod = kSourceManual;
        a.m_nSystemType = m_dice.Pick(1, 3);
        a.m_nDialDigits = a.m_nSystemType == kPagingLunetta ? 3 : m_dice.Pick(2, 3);
        a.m_nExpansionCount = a.m_nSystemType == kPagingQuillon
                                  ? m_dice.Pick(0, a.m_nDialDigits == 2 ? 3 : 8)
                              : a.m_nSystemType == kPagingLunetta ? m_dice.Pick(1, 15)
                                                                  : m_dice.Pick(0, 3);
        GivenWizard wizard(a);
        DocumentContext ctx = Context();
        const bool built = RunSetupWizard(ctx, wizard) == 0;
        m_rig.m_prompter.m_shown.clear();
        return built;
    }

    std::vector<int> Inputs() {
        std::vector<int> inputs;
        for (int i = kFixedNodeCount; i < Doc().NodeCount(); ++i)
            if (Doc().IsInput(i)) inputs.push_back(i);
        return inputs;
    }

    void Edit() {
        const std::vector<int> inputs = Inputs();
        for (int e = m_dice.Pick(0, 4); e > 0 && !inputs.empty(); --e) {
            const int i = m_dice.OneOf(inputs);
            switch (m_dice.Pick(0, 3)) {
                case 0: {  // the edit dialog
                    m_strPath += "+edit";
                    const CConfigNode& n = Doc().m_nodes[static_cast<size_t>(i)];
                    const ArchEdit edit{i, n.m_strArch, TrimEnd(n.m_strName), n.IsNonPageable()};
                    FinishArchEdit(Doc(), m_rig.m_tree, m_rig.m_prompter, edit, m_dice.Arch(),
                                   m_dice.Name());
                    break;
                }
                case 1:  // a number from the list
                    if (!Doc().m_zones.empty()) {
                        m_strPath += "+assign";
                        const CZoneEntry z = m_dice.OneOf(Doc().m_zones);
                        AssignArch(Doc(), m_rig.m_tree, i, z.m_strArch, z.m_strName, z.m_nZoneId);
                    }
                    break;
                case 2:
                    MoveByCsv(inputs);
                    break;
                default:
                    m_strPath += "+settings";
                    Doc().m_nPriority = static_cast<int16_t>(m_dice.Pick(1, 3));
                    Doc().m_nIdleDelay = m_dice.Pick(1, 100);
                    Doc().m_bIdleNoVideo = m_dice.Pick(0, 1);
                    Doc().m_byTimeRefresh = static_cast<uint8_t>(m_dice.Pick(0, 3));
                    Doc().m_idleLoop.clear();
                    for (int k = m_dice.Pick(0, 5); k > 0; --k)
                        Doc().m_idleLoop.push_back(
                            Doc().m_nodes[static_cast<size_t>(m_dice.OneOf(inputs))].m_strArch);
                    break;
            }
        }
        m_rig.m_prompter.m_shown.clear();
    }

    // Numbers swapped between inputs and new names, as a spreadsheet gives them back.
    void MoveByCsv(const std::vector<int>& inputs) {
        m_strPath += "+csv";
        std::string csv = "port,unit,input,arch,name\r\n";
        const std::vector<InputPlace> places = InputPlaces(Doc());
        for (int rows = m_dice.Pick(1, 3); rows > 0; --rows) {
            const InputPlace& p = m_dice.OneOf(places);
            const std::string arch =
                m_dice.Chance(70)
                    ? Doc().m_nodes[static_cast<size_t>(m_dice.OneOf(inputs))].m_strArch
                    : m_dice.Arch();
            std::string name;
            for (int c = m_dice.Pick(0, 15); c > 0; --c)
                name += m_dice.Chance(80) ? static_cast<char>('A' + m_dice.Pick(0, 25)) : '\xE9';
            csv += std::to_string(p.m_nPort) + "," +
                   (p.m_nUnit > 0 ? std::to_string(p.m_nUnit) : std::string()) + "," +
                   (p.m_nInput > 0 ? std::to_string(p.m_nInput) : std::string()) + "," +
                   CsvField(arch) + "," + CsvField(Latin1ToUtf8(name)) + "\r\n";
        }
        ImportInputsCsv(Doc(), csv);
    }

    // Saving and opening changes no byte; saving twice gives the same bytes.
    void CheckFile() {
        const std::string first = EncodeZrt(Doc());
        ZrtConfig back;
        ASSERT_EQ(DecodeZrt(first, back).m_status, ZrtStatus::Ok) << Describe();
        EXPECT_EQ(EncodeZrt(back), first) << Describe();
        EXPECT_EQ(EncodeZrt(Doc()), first) << Describe();
    }

    void CheckUnit() {
        ScriptedPrompter check;
        const bool conflicts = !Doc().CheckArchConflicts();
        const bool fits = !conflicts && CheckUnitImageFits(Doc(), check);
        if (conflicts) {
            ++s_nRefused;
            return;  // the tree marks them; Save and Write refuse them
        }
        if (!fits) {
            ASSERT_EQ(check.Texts().size(), 1u) << Describe();
            EXPECT_EQ(check.Texts()[0].rfind("Cannot write to the M-4400 unit: ", 0), 0u)
                << Describe();
            ++s_nRefused;
            if (m_nSeed % 10 == 0) CheckRefusedWrite();
            return;
        }
        ++s_nWritten;
        const std::string expected = Seen(Expected());
        ScriptedPrompter build;
        const std::vector<uint8_t> image = BuildUnitImage(Doc(), build);
        CZRTProDoc read;
        MemoryTree readTree;
        ScriptedPrompter decode;
        decode.m_unitModelAnswers.push_back({{Doc().m_nPortCount / 4, 0}, true});
        std::string password;
        ASSERT_TRUE(DecodeUnitImage(image, read, readTree, decode, password))
            << Describe() << decode.Texts().front();
        EXPECT_EQ(Seen(read), expected) << Describe();
        EXPECT_EQ(DifferingCells(BuildUnitImage(read, build), image), std::vector<size_t>{})
            << Describe();
        if (m_nSeed % 10 == 0) CheckEmulatedUnit(expected);
    }

    // What comes back: idle loop entries no input carries are left out by
    // the write, which says so (the loop's own editor cannot make them); "no
    // video" is a flag of the loop's records, so an empty loop has none.
    ZrtConfig Expected() {
        ZrtConfig c = Doc();
        std::erase_if(c.m_idleLoop, [&](const std::string& arch) {
            for (const CConfigNode& n : c.m_nodes)
                if (n.m_strArch == arch) return false;
            return true;
        });
        if (c.m_idleLoop.empty()) c.m_bIdleNoVideo = 0;
        return c;
    }

    void CheckEmulatedUnit(const std::string& expected) {
        m_rig.m_prompter.m_shown.clear();
        ASSERT_TRUE(WriteUnit(m_rig.m_ctx)) << Describe();
        m_rig.AnswerFourPorts();
        m_rig.m_prompter.m_unitModelAnswers.back().first.m_nRows = Doc().m_nPortCount / 4;
        m_rig.m_doc.SetModifiedFlag(false);
        m_rig.m_state.m_bVerifyPass = false;  // a Read of its own, not the write's verify
        ASSERT_TRUE(ReadUnit(m_rig.m_ctx)) << Describe();
        EXPECT_EQ(Seen(m_rig.m_doc), expected) << Describe();
    }

    // Refused before anything was sent: the unit keeps what it held.
    void CheckRefusedWrite() {
        m_rig.m_unit.SetCell(0x1234, 0x42);
        EXPECT_FALSE(WriteUnit(m_rig.m_ctx)) << Describe();
        EXPECT_EQ(m_rig.m_unit.Eeprom()[0x1234], 0x42) << Describe();
        EXPECT_TRUE(m_rig.m_link.m_sent.empty()) << Describe();
    }

    std::string Describe() const {
        return "case " + std::to_string(m_nSeed) + " (" + m_strPath + ")\n" + Seen(m_rig.m_doc) +
               "\n";
    }

    int m_nSeed;
    Dice m_dice;
    TempDir m_dir;
    UnitRig m_rig;

public:
    static int s_nWritten;
    static int s_nRefused;
};

int RoundTrip::s_nWritten = 0;
int RoundTrip::s_nRefused = 0;

}  // namespace

TEST(RoundTripProperty, EveryBuiltConfigurationComesBackOrIsRefusedByName) {
    const int first = EnvInt("ZRT_ROUNDTRIP_FIRST", 0);
    const int cases = EnvInt("ZRT_ROUNDTRIP_CASES", 400);
    for (int seed = first; seed < first + cases; ++seed) {
        RoundTrip trip(seed);
        trip.Run();
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "first failing case: ZRT_ROUNDTRIP_FIRST=" << seed
                          << " ZRT_ROUNDTRIP_CASES=1";
            break;
        }
    }
    std::cout << RoundTrip::s_nWritten << " written and read back, " << RoundTrip::s_nRefused
              << " refused before the write\n";
    // The generator makes both kinds, so both halves of the property are tried.
    EXPECT_GT(RoundTrip::s_nWritten, cases / 4);
    EXPECT_GT(RoundTrip::s_nRefused, 0);
}
