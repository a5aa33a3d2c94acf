#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "import/CPagingImporter.h"

// Reads a Lunetta intercom folder: "TDX_FILE.DAT" says which station boards
// are installed, tdx_bdNN.usr holds each board's 24 stations and
// "tdx_admn.usr" the four administrator stations. Any file of the folder may
// be picked; only its folder is used. A folder that cannot be read says why,
// so that nothing is built from half an export without the user knowing.
class CLunettaImporter : public CPagingImporter {
public:
    using CPagingImporter::CPagingImporter;

    ImportStatus Read(const std::string& path) override;

    static constexpr int kBoards = 15;
    static constexpr int kSlotsPerBoard = 24;

    std::string m_strFolder;
    std::array<int32_t, kBoards> m_boardPresent{};
    std::array<int32_t, 4> m_adminArch{};

private:
    void ReadAdministrators();
    // False, after saying so, when TDX_FILE.DAT cannot be opened.
    bool ReadBoardPresence();
    // False, after saying so, when the board's file cannot be opened.
    bool ReadBoard(int board);
    bool CannotOpen(const std::string& path);
    void AppendSlot(const std::string& bytes, int slot);

    int m_nEmptyCounter = 999;
};

// A station number in packed BCD, most significant digit first; nibbles above
// 9 count at face value, so 0xFF 0xFF (an empty slot) gives 16665.
int DecodePackedBcd(uint8_t b0, uint8_t b1);
