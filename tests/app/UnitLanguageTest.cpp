#include <functional>

#include "app/AppFixture.h"
#include "lang/ProgramLanguage.h"
#include "lang/ShownText.h"
#include "model/Format.h"
#include "model/Translate.h"
#include "unit/AddressBook.h"
#include "unit/PortHolder.h"
#include "unit/ReportLinkError.h"
#include "unit/UnitHistory.h"
#include "unit/UnitLink.h"
#include "unit/UnitMessages.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/UnitHistoryDlg.h"

namespace {

using UnitLanguageTest = AppTest;

// The unit's texts follow the program's language: a dialog's title, a message
// box of the core, what the connection dialog and the unit history say. The
// English stays as it was; German is complete.
TEST_F(UnitLanguageTest, TheUnitsTextsComeInTheProgramsLanguage) {
    UnitHistoryEntry kept;
    kept.m_strModel = "M-4400";
    kept.m_nCameraUnits = 2;
    kept.m_nInputs = 20;
    PortHolder modemManager{PortHolder::Seen::Program, "ModemManager", 812};
    struct Case {
        const char* what;
        std::function<QString()> text;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        {"connection dialog's title",
         [this] { return ConnectionDlg(*m_profile, nullptr).windowTitle(); },
         "Connect to M-4400 Unit", "Mit Gerät M-4400 verbinden"},
        {"unit history's title",
         [this] { return UnitHistoryDlg(UnitHistory(PathOf("h")), {}, nullptr).windowTitle(); },
         "Unit History", "Geräteverlauf"},
        {"failed connect",
         [] {
             return ShownText(
                 LinkErrorText(UnitLink::kNoUnitFound, Tr("Unit", UnitMessages::kConnectFailed)));
         },
         "Error - Failed to connect to unit\n\nNo unit found",
         "Fehler - Verbindung zum Gerät fehlgeschlagen\n\nKein Gerät gefunden"},
        {"port held",
         [&modemManager] { return ShownText(PortInUseText("/dev/ttyUSB0", modemManager)); },
         "/dev/ttyUSB0 is in use by ModemManager (process 812). ModemManager probes new serial "
         "adapters; stop it while you work with: sudo systemctl stop ModemManager",
         "/dev/ttyUSB0 wird von ModemManager belegt (Prozess 812). ModemManager untersucht neue "
         "serielle Adapter; halten Sie ihn während der Arbeit an mit: sudo systemctl stop "
         "ModemManager"},
        {"entry without a port",
         [] { return ShownText(AddressBook::CheckConnection({}).m_pszProblem); },
         "Choose or type the serial port the unit is on.",
         "Wählen Sie den seriellen Anschluss des Geräts oder geben Sie ihn ein."},
        {"what a kept copy held", [&kept] { return ShownText(HeldText(kept)); },
         "M-4400, 2 camera interface units, 20 inputs",
         "M-4400, 2 Kamera-Schnittstelleneinheiten, 20 Eingänge"},
        {"transfer line",
         [this] {
             CMainFrame& frame = NewFrame();
             frame.Prompter().SetTransferLine(
                 StrFormat(Tr("Unit", UnitMessages::kVerifying).c_str(), 45), "");
             return frame.StatusText();
         },
         "Verifying...   45%", "Prüfen...   45 %"},
        {"kind of a kept copy", [] { return ShownText(KindText(UnitMessages::kKindBeforeWrite)); },
         "before write", "vor dem Schreiben"},
    };
    for (const char* language : {"de", "en"}) {
        ProgramLanguage speaks({language}, {ZRT_TRANSLATIONS_DIR});
        speaks.InstallInApplication();
        const bool german = std::string(language) == "de";
        for (const Case& c : cases)
            EXPECT_EQ(c.text(), QString::fromUtf8(german ? c.german : c.english))
                << language << ": " << c.what;
    }
    // With the language object gone the core speaks English again.
    EXPECT_EQ(ShownText(HeldText(kept)), "M-4400, 2 camera interface units, 20 inputs");
}

}  // namespace
