// The window's event loop during the longest journeys of a user: opening the
// largest configuration, an M-7700 import, a write with verify and a read
// over a pseudo-terminal to zrtpro-unitsim, and the remote modem set-up.
// Prints the longest stall of each journey; the aim is none above 100 ms.
//   zrt_stall_bench [BAUD]   the emulated unit's line speed, 115200 unless given
// (offscreen unless QT_QPA_PLATFORM says otherwise).

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <functional>

#include "StallMeter.h"
#include "app/CMainFrame.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/M7700Database.h"
#include "model/CommandIds.h"
#include "model/ZrtCodec.h"
#include "support/Configs.h"
#include "support/ModalAnswers.h"
#include "support/SimProcess.h"
#include "unit/UnitHistory.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/ModemDlg.h"
#include "unit/widgets/PasswordDlg.h"
#include "unit/widgets/UnitCommandGroup.h"
#include "window/QtProfile.h"
#include "window/QtPrompter.h"

namespace {

constexpr qint64 kGoalMs = 100;
constexpr const char* kPassword = "4321";

// The fullest configuration a unit takes: 8 ports with 8 camera interface
// units (192 inputs) and 298 unassigned numbers, 490 records in all.
std::string WriteLargestSite(const QString& folder) {
    CZRTProDoc doc;
    MemoryTree tree;
    BuildNumbered(doc, tree, 8, 8, 1000);
    doc.m_nPagingSystem = kPagingLunetta;
    doc.m_nDialDigits = 3;
    for (int k = 0; k < 298; ++k) doc.m_zones.push_back({std::to_string(3000 + k), "Zone", k});
    const std::string path = (folder + "/largest.zrt").toStdString();
    std::ofstream(path, std::ios::binary) << EncodeZrt(doc);
    return path;
}

// A station database of ten units: 240 stations.
std::string WriteLargestDatabase(const QString& folder) {
    const std::string path = (folder + "/site.mdb").toStdString();
    std::ofstream(path, std::ios::binary)
        << M7700Database::Site(9, M7700Database::Stations(240)).Bytes();
    return path;
}

// Picks (or first adds) the address-book entry for the serial port `port`, then types the password.
void AnswerConnection(const std::string& port) {
    WhenShown<ConnectionDlg>([port](ConnectionDlg& dlg) {
        const QList<QListWidgetItem*> found = dlg.Units()->findItems("Bench", Qt::MatchExactly);
        if (found.isEmpty()) {
            dlg.NewButton()->click();
            dlg.NameEdit()->setText("Bench");
            dlg.ViaBox()->setCurrentIndex(0);
            dlg.PortBox()->setCurrentText(QString::fromStdString(port));
        } else {
            dlg.Units()->setCurrentItem(found.front());
        }
        dlg.ConnectButton()->click();
    });
    WhenShown<PasswordDlg>([](PasswordDlg& dlg) {
        QTest::keyClicks(dlg.PasswordEdit(), kPassword);
        QTest::keyClick(dlg.PasswordEdit(), Qt::Key_Return);
    });
}

// Answers the question before a write with Write.
void AnswerWrite() {
    WhenShown<DiffDialog>([](DiffDialog& dlg) { dlg.accept(); });
}

UnitCommandGroup* UnitCommands(CMainFrame& frame) {
    for (QObject* child : frame.children())
        if (auto* group = dynamic_cast<UnitCommandGroup*>(child)) return group;
    return nullptr;
}

// Runs `journey` from the event loop, as a menu command runs, and prints
// the longest stall meanwhile.
bool Measure(const char* name, CMainFrame& frame, const std::function<void()>& journey) {
    frame.Prompter().ClearShown();
    StallMeter meter;
    QEventLoop loop;
    QElapsedTimer clock;
    meter.Start();
    clock.start();
    QTimer::singleShot(0, [&] {
        journey();
        loop.quit();
    });
    loop.exec();
    const qint64 stall = meter.Stop();
    std::printf("%-40s longest stall %5lld ms  (journey %6lld ms)%s\n", name,
                static_cast<long long>(stall), static_cast<long long>(clock.elapsed()),
                stall > kGoalMs ? "  ABOVE 100 ms" : "");
    for (const std::string& text : frame.Prompter().ShownTexts())
        std::printf("    message: %s\n", text.c_str());
    return stall <= kGoalMs;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toLocal8Bit());
    QApplication app(argc, argv);
    const std::string baud = argc > 1 ? argv[1] : "115200";

    SimProcess unit;
    SimProcess modem;
    const std::string eeprom = (home.path() + "/unit.bin").toStdString();
    if (!unit.Start({"--eeprom", eeprom, "--password", kPassword, "--baud", baud}) ||
        !modem.Start({"--eeprom", eeprom + ".modem", "--modem"})) {
        std::fprintf(stderr, "zrtpro-unitsim did not start\n");
        return 1;
    }
    const std::string unitPort = unit.Connection().substr(std::string("serial:").size());
    const QString modemPort =
        QString::fromStdString(modem.Connection().substr(std::string("serial:").size()));

    CZRTProDoc doc;
    QtProfile profile(home.path() + "/profile.ini");
    CMainFrame frame(doc, profile);
    frame.Prompter().SetScripted(true);
    frame.resize(1000, 700);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame)) return 1;

    const std::string site = WriteLargestSite(home.path());
    const std::string database = WriteLargestDatabase(home.path());
    bool ok = true;
    ok &= Measure("open the largest configuration", frame,
                  [&] { frame.Documents().OpenFile(QString::fromStdString(site)); });
    frame.Action(kCmdVerifyWrite)->trigger();
    std::printf("the emulated unit on a pseudo-terminal at %s baud\n", baud.c_str());
    ok &= Measure("safe write (copy, write, verify)", frame, [&] {
        AnswerConnection(unitPort);
        AnswerWrite();
        frame.Action(kCmdWriteUnit)->trigger();
    });
    ok &= Measure("read over a pseudo-terminal", frame, [&] {
        frame.Prompter().SetNextAnswer(PromptAnswer::No);  // the configuration is not saved
        frame.Prompter().SetNextUnitModel({2, 8});
        AnswerConnection(unitPort);
        frame.Action(kCmdReadUnit)->trigger();
    });
    ok &= Measure("restore of the copy the read kept", frame, [&] {
        const auto kept = UnitHistory(frame.State().m_strHistoryFolder).List();
        const auto image =
            kept.empty() ? std::nullopt : UnitHistory::LoadImage(kept[0].m_strImagePath);
        if (!image) return;
        AnswerConnection(unitPort);
        AnswerWrite();
        UnitCommands(frame)->RestoreToUnit(*image);
    });
    ok &= Measure("M-7700 import (240 stations)", frame, [&] {
        frame.Prompter().SetNextAnswer(PromptAnswer::No);  // the read configuration is not saved
        frame.Prompter().SetNextFile(QString::fromStdString(database));
        frame.Prompter().SetNextUnitModel({2, 8});
        frame.Action(kCmdImportM7700)->trigger();
    });
    ModemDlg modemDialog(&frame);
    modemDialog.show();
    modemDialog.NextButton()->click();
    modemDialog.PortBox()->setCurrentText(modemPort);
    ok &= Measure("remote modem set-up, steps 3 to 5", frame, [&] {
        modemDialog.NextButton()->click();
        modemDialog.NextButton()->click();
        modemDialog.NextButton()->click();
    });
    return ok ? 0 : 1;
}
