#pragma once

class ProgramLanguage;

// The language the tool speaks, loaded by main() before anything runs, for
// the Qt application a command makes later (report paints, the serial and
// network links need an event loop): Qt's own texts then follow it too.
void SetCliLanguage(ProgramLanguage* language);

// Puts the tool's language into the Qt application just made; nothing when
// main() set none.
void InstallCliLanguage();
