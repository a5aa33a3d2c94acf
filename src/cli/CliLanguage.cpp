#include "cli/CliLanguage.h"

#include "lang/ProgramLanguage.h"

namespace {

ProgramLanguage* g_language = nullptr;

}  // namespace

void SetCliLanguage(ProgramLanguage* language) { g_language = language; }

void InstallCliLanguage() {
    if (g_language) g_language->InstallInApplication();
}
