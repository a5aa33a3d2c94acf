#pragma once

#include <optional>
#include <string>

#include "document/DocumentOps.h"
#include "import/WizardAnswers.h"

inline constexpr int WIZARD_CANCELLED = static_cast<int>(0x80000099u);

// The numbering of a paging system described in the wizard: zones
// m_nOffset + 1 to m_nOffset + m_nZones.
struct GeneratedNumbering {
    int m_nZones = 0;
    int m_nOffset = 0;
};

// Nothing for a system type or digit count the wizard never lets through.
std::optional<GeneratedNumbering> GeneratedNumberingFor(int systemType, int expansionCount,
                                                        int dialDigits);

enum class PagingFileKind { Database, Quillon, Lunetta };

// Decided on the name alone, ignoring case: ".mdb", then "qpx", else a Lunetta folder.
PagingFileKind PagingFileKindOf(const std::string& name);

// The wizard's build from a named paging-system file of the given kind, with
// the answers' hardware: 0 when built, 1 when the file could not be read (it
// has said why; the configuration stays as it was).
int BuildFromPagingFile(DocumentContext& ctx, const WizardAnswers& answers, PagingFileKind kind);

// Runs the setup wizard and builds or opens the configuration it describes:
// 0 when built or opened, 1 when nothing could be built (the configuration
// stays as it was), WIZARD_CANCELLED when the page was not finished.
int RunSetupWizard(DocumentContext& ctx, WizardDialog& wizard);
// The build of answers the wizard gave, as RunSetupWizard makes it once the page is finished.
int BuildFromAnswers(DocumentContext& ctx, const WizardAnswers& answers);

// File > New: the save question, then the wizard. The configuration, its name
// and its tree stay as they are while the wizard is open; a New that builds or
// opens nothing leaves them so.
void NewConfigurationCommand(DocumentContext& ctx, WizardDialog& wizard);

// Posted once after start-up: the wizard, while the tree is still empty.
void StartupWizardCommand(DocumentContext& ctx, WizardDialog& wizard);
