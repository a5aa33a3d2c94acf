#include "unit/OpenUnitImage.h"

#include "document/DocumentOps.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "unit/DecodeUnitCopy.h"
#include "unit/DescribeUnitCopy.h"
#include "unit/UnitMessages.h"

bool OpenUnitImage(UnitContext& c, std::span<const uint8_t> image) {
    MainState& s = c.m_state;
    if (s.m_bBusy) return false;
    const UnitCopyContents held = DescribeUnitCopy(image);
    if (held.m_kind != UnitCopyContents::Kind::Configuration) {
        c.m_prompter.Message(StrFormat(Tr("Unit", UnitMessages::kCopyNotOpened).c_str(),
                                       ContentsText(held).c_str()));
        return false;
    }
    if (c.m_doc.IsModified()) {
        DocumentContext doc{c.m_doc, c.m_tree, c.m_prompter, &s};
        if (!ConfirmLeave(doc)) return false;
    }
    std::string password;
    if (!DecodeUnitImageAs(image, held.m_nPorts, c.m_doc, c.m_tree, c.m_prompter, password))
        return false;
    c.m_doc.SetModifiedFlag(true);
    s.m_history.Start(c.m_doc);
    // A password waiting for a write was meant for the configuration replaced.
    s.m_strPendingPassword.clear();
    s.m_bPasswordPending = false;
    return true;
}
