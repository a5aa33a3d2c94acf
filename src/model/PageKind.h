#pragma once

// Which right-hand page a tree node shows when it is selected. The widgets map
// each kind to the page they create.
enum class PageKind {
    None,
    testview,
    CSettingsForm,
    CIdleLoopForm,
    CZRTForm,
    CInfoForm,
    CUnusedArchForm,
    CStatusForm,
};
