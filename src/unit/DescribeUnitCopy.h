#pragma once

#include <cstdint>
#include <span>
#include <string>

// What a copy of a unit's memory holds, worked out from the copy alone.
struct UnitCopyContents {
    enum class Kind {
        Configuration,  // a whole configuration of the model below
        Erased,         // nothing but the unit's own switches cell
        PartlyWritten,  // a write that did not reach the settings block at the end
        Unreadable,     // no configuration this program can read
    };
    Kind m_kind = Kind::Unreadable;
    std::string m_strModel;  // "M-4400" or "M-4800" for a configuration
    int m_nPorts = 0;        // 4 or 8 for a configuration
    int m_nCameraUnits = 0;
    int m_nInputs = 0;
};

// Reads a copy of any length (only 65,536 bytes are a unit's memory) without
// asking anything. A write puts the cells in in address order and the settings
// block last, its first signature cell never erased: a memory holding data but
// not that cell was left partly written. The model is the one the copy decodes
// as: an eight-port unit holds inputs on ports a four-port one has not.
UnitCopyContents DescribeUnitCopy(std::span<const uint8_t> image);

// The description the history and its lists show: "M-4800, 2 camera interface
// units, 52 inputs", "erased", "partly written" or "not a configuration".
std::string ContentsText(const UnitCopyContents& contents);
