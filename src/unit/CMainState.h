#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the main window keeps about the unit: the memory image last built or
// read, the copy a verify compares against, the busy state of a transfer, the
// unit's password and the one waiting to be written.
struct CMainState {
    std::vector<uint8_t> m_image;
    std::vector<uint8_t> m_writtenImage;
    bool m_bBusy = false;
    bool m_bVerifyPass = false;
    bool m_bEnableVerify = false;
    std::string m_strUnitPassword;
    std::string m_strPendingPassword;
    bool m_bPasswordPending = false;
};
