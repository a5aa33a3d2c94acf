#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

#include "app/AppFixture.h"
#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "model/CommandIds.h"
#include "support/ModalAnswers.h"
#include "unit/AddressBook.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/FindCableDlg.h"

namespace {

using ConnectionDlgTest = AppTest;

// What the fields say, and what Connect makes of them.
TEST_F(ConnectionDlgTest, ConnectKeepsAWholeEntryAndRefusesAnIncompleteOne) {
    struct Case {
        const char* what;
        const char* name;
        int via;  // 0 serial, 1 network, 2 modem, 3 network (RFC 2217)
        const char* port;
        int speedIndex;
        const char* host;
        int tcpPort;
        const char* number;
        const char* connection;  // empty: refused
        const char* problem;
    };
    const Case cases[] = {
        {"serial", "Rack", 0, "/dev/ttyUSB1", 7, "", 0, "", "serial:/dev/ttyUSB1:115200", ""},
        {"network", "Plant", 1, "", 3, "10.1.2.3", 4002, "", "tcp:10.1.2.3:4002", ""},
        {"modem", "Far", 2, "ttyS0", 3, "", 0, "9,5551234", "modem:ttyS0:9600:9,5551234", ""},
        {"RFC 2217", "Yard", 3, "", 7, "ds.site", 2001, "", "rfc2217:ds.site:2001:115200", ""},
        {"no name", "", 0, "ttyS0", 3, "", 0, "", "", "Give the entry a name."},
        {"no port", "Rack 2", 0, "", 3, "", 0, "", "",
         "Choose or type the serial port the unit is on."},
        {"no host", "Plant 2", 1, "", 3, "", 4001, "", "",
         "Give the host name or address of the device server."},
        {"no number", "Far 2", 2, "ttyS0", 3, "", 0, "", "", "Give the telephone number to dial."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ConnectionDlg dlg(*m_profile);
        dlg.NewButton()->click();
        dlg.NameEdit()->setText(c.name);
        dlg.ViaBox()->setCurrentIndex(c.via);
        dlg.PortBox()->setCurrentText(c.port);
        dlg.SpeedBox()->setCurrentIndex(c.speedIndex);
        dlg.HostEdit()->setText(c.host);
        if (c.tcpPort) dlg.TcpPortBox()->setValue(c.tcpPort);
        dlg.NumberEdit()->setText(c.number);
        dlg.ConnectButton()->click();
        EXPECT_EQ(dlg.result() == QDialog::Accepted, *c.connection != '\0');
        EXPECT_EQ(dlg.Chosen(), c.connection);
        EXPECT_EQ(dlg.ProblemLabel()->text(), c.problem);
    }
    const AddressBook book = AddressBook::Load(*m_profile);
    ASSERT_EQ(book.Entries().size(), 4u);
    EXPECT_EQ(book.Entries()[2].m_strConnection, "modem:ttyS0:9600:9,5551234");
    EXPECT_EQ(book.m_strLastUsed, "Yard");
}

// Ctrl+V of a connection in the command-line tool's form fills the entry's
// fields; other text is pasted as text.
TEST_F(ConnectionDlgTest, APastedConnectionFillsTheEntry) {
    ConnectionDlg dlg(*m_profile);
    dlg.show();
    dlg.NewButton()->click();
    QGuiApplication::clipboard()->setText("Plant");
    QTest::keyClick(dlg.NameEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(dlg.NameEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.NameEdit()->text(), "Plant");
    QGuiApplication::clipboard()->setText(" tcp:10.1.2.3:4002\n");
    QTest::keyClick(dlg.NameEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.NameEdit()->text(), "Plant");
    EXPECT_EQ(dlg.ViaBox()->currentIndex(), 1);
    EXPECT_EQ(dlg.HostEdit()->text(), "10.1.2.3");
    EXPECT_EQ(dlg.TcpPortBox()->value(), 4002);
    QGuiApplication::clipboard()->setText("serial:/dev/ttyUSB3:19200");
    QTest::keyClick(dlg.HostEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.ViaBox()->currentIndex(), 0);
    EXPECT_EQ(dlg.PortDevice(), "/dev/ttyUSB3");
    // Pasted where the focus is when the port is typed: the combo box itself
    // hands the keys to its text field; and from the list of units or the TCP port.
    dlg.PortBox()->setFocus();
    QGuiApplication::clipboard()->setText("rfc2217:ds.site:2001:4800");
    QTest::keyClick(dlg.PortBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.ViaBox()->currentIndex(), 3);
    EXPECT_EQ(dlg.HostEdit()->text(), "ds.site");
    EXPECT_EQ(dlg.TcpPortBox()->value(), 2001);
    QGuiApplication::clipboard()->setText("serial:/dev/ttyUSB3:19200");
    QTest::keyClick(dlg.TcpPortBox(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.ViaBox()->currentIndex(), 0);
    EXPECT_FALSE(dlg.PortBox()->currentText().startsWith("serial:"));
    EXPECT_EQ(dlg.PortDevice(), "/dev/ttyUSB3");
    QGuiApplication::clipboard()->setText("tcp:10.9.8.7:4001");
    QTest::keyClick(dlg.Units(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.HostEdit()->text(), "10.9.8.7");
    QGuiApplication::clipboard()->setText("serial:/dev/ttyUSB3:19200");
    QTest::keyClick(dlg.PortBox()->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dlg.PortDevice(), "/dev/ttyUSB3");
    dlg.ConnectButton()->click();
    EXPECT_EQ(dlg.Chosen(), "serial:/dev/ttyUSB3:19200");
}

TEST_F(ConnectionDlgTest, OpensOnTheLastUsedEntryAndCancelChangesNothing) {
    AddressBook book;
    book.Put({"One", "serial:ttyS0:9600"});
    book.Put({"Two", "tcp:h:23"});
    book.m_strLastUsed = "Two";
    book.Save(*m_profile);

    ConnectionDlg dlg(*m_profile);
    EXPECT_EQ(dlg.Units()->count(), 3);
    EXPECT_EQ(dlg.Units()->item(0)->text(), "Demonstration unit (built in)");
    EXPECT_EQ(dlg.Units()->currentRow(), 2);
    EXPECT_EQ(dlg.NameEdit()->text(), "Two");
    EXPECT_EQ(dlg.HostEdit()->text(), "h");
    EXPECT_EQ(dlg.TcpPortBox()->value(), 23);
    EXPECT_FALSE(dlg.PortBox()->isVisibleTo(&dlg));
    dlg.DeleteButton()->click();
    dlg.NameEdit()->setText("Renamed");
    dlg.reject();
    EXPECT_EQ(AddressBook::Load(*m_profile).Entries().size(), 2u);

    // Renaming onto another entry's name is refused.
    ConnectionDlg again(*m_profile);
    again.NameEdit()->setText("One");
    again.ConnectButton()->click();
    EXPECT_EQ(again.ProblemLabel()->text(), "Another entry already has this name.");
    EXPECT_NE(again.result(), QDialog::Accepted);
}

// The ports as the system describes them; a new entry starts on the port used
// last; Find my cable offers the port that came with the cable.
TEST_F(ConnectionDlgTest, PortsAreLabelledAndFindMyCableChoosesTheNewOne) {
    const SerialPortEntry builtIn{"ttyS0", "", "", -1, -1};
    const SerialPortEntry usb{"ttyUSB0", "FT232R USB UART", "FTDI", 0x0403, 0x6001};
    const SerialPortEntry adapter{"ttyACM0", "Serial adapter", "Acme", 0x2341, 0x0043};
    std::vector<SerialPortEntry> present = {builtIn, usb};
    const auto lister = [&present] { return present; };
    {
        ConnectionDlg dlg(*m_profile, nullptr, lister);
        ASSERT_EQ(dlg.PortBox()->count(), 2);
        EXPECT_EQ(dlg.PortBox()->itemText(0), "ttyS0");
        EXPECT_EQ(dlg.PortBox()->itemText(1), "ttyUSB0 - FTDI FT232R USB UART (USB 0403:6001)");
        dlg.NewButton()->click();
        EXPECT_EQ(dlg.PortDevice(), "ttyS0");
        dlg.PortBox()->setCurrentIndex(1);
        dlg.ConnectButton()->click();
        EXPECT_EQ(dlg.Chosen(), "serial:ttyUSB0:9600");
    }
    EXPECT_EQ(m_profile->GetString("userdata", "LastSerialPort", ""), "ttyUSB0");

    ConnectionDlg dlg(*m_profile, nullptr, lister);
    dlg.NewButton()->click();
    EXPECT_EQ(dlg.PortDevice(), "ttyUSB0");
    EXPECT_EQ(dlg.PortBox()->currentText(), "ttyUSB0 - FTDI FT232R USB UART (USB 0403:6001)");
    QString instruction;
    WhenShown<FindCableDlg>([&](FindCableDlg& finder) {
        present = {builtIn, usb};  // the cable is unplugged
        finder.NextButton()->click();
        EXPECT_FALSE(finder.UseButton()->isEnabled());
        present = {adapter, builtIn, usb};  // and plugged in
        EXPECT_TRUE(QTest::qWaitFor([&] { return finder.UseButton()->isEnabled(); }, 3000));
        instruction = finder.Instruction()->text();
        ASSERT_EQ(finder.Found()->count(), 1);
        EXPECT_EQ(finder.Found()->item(0)->text(), "ttyACM0 - Acme Serial adapter (USB 2341:0043)");
        finder.UseButton()->click();
    });
    dlg.FindCableButton()->click();
    EXPECT_EQ(instruction, "Found the port of the cable:");
    EXPECT_EQ(dlg.PortDevice(), "ttyACM0");
    dlg.ConnectButton()->click();
    EXPECT_EQ(dlg.Chosen(), "serial:ttyACM0:9600");
}

}  // namespace

// The list shows an entry under the name being typed, also after another
// entry was looked at; Cancel keeps the book as it was.
TEST_F(ConnectionDlgTest, TheListFollowsTheNameAsItIsTyped) {
    AddressBook book;
    book.Put({"One", "serial:ttyS0:9600"});
    book.Save(*m_profile);
    ConnectionDlg dlg(*m_profile);
    dlg.NewButton()->click();
    const int row = dlg.Units()->currentRow();
    ASSERT_EQ(row, 2);
    QTest::keyClicks(dlg.NameEdit(), "Yard rack");
    EXPECT_EQ(dlg.Units()->item(row)->text(), "Yard rack");
    dlg.Units()->setCurrentRow(1);
    EXPECT_EQ(dlg.NameEdit()->text(), "One");
    dlg.Units()->setCurrentRow(row);
    EXPECT_EQ(dlg.NameEdit()->text(), "Yard rack");
    QTest::keyClick(dlg.NameEdit(), Qt::Key_Backspace);
    EXPECT_EQ(dlg.Units()->item(row)->text(), "Yard rac");
    dlg.reject();
    EXPECT_EQ(AddressBook::Load(*m_profile).Entries().size(), 1u);
}

// "Attempting connect" is said once the connection is chosen, after the
// dialog's OK, never while the user is still choosing; a cancelled dialog
// never says it.
TEST_F(ConnectionDlgTest, AttemptingConnectShowsOnlyOnceTheConnectionIsChosen) {
    const QString attempting = "Attempting connect to M-4400 . . .";
    m_profile->SetInt("userdata", "KeepBeforeWrite", 0);
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("site.zrt", 4, 0, 10))));
    std::vector<std::pair<QString, bool>> said;  // the text, and whether the dialog was open
    const auto sink = frame.Prompter().m_statusSink;
    frame.Prompter().m_statusSink = [&](const QString& text, const QString& elapsed) {
        bool open = false;
        for (ConnectionDlg* dlg : frame.findChildren<ConnectionDlg*>()) open |= dlg->isVisible();
        said.emplace_back(text, open);
        sink(text, elapsed);
    };
    for (bool connect : {false, true}) {
        SCOPED_TRACE(connect ? "connected" : "cancelled");
        said.clear();
        QString whileOpen;
        WhenShown<ConnectionDlg>([&](ConnectionDlg& dlg) {
            whileOpen = frame.StatusText();
            if (connect)
                dlg.ConnectButton()->click();
            else
                dlg.reject();
        });
        if (connect) WhenShown<DiffDialog>([](DiffDialog& dlg) { dlg.reject(); });
        frame.Action(kCmdWriteUnit)->trigger();
        EXPECT_NE(whileOpen, attempting);
        const auto at = std::find_if(said.begin(), said.end(),
                                     [&](const auto& s) { return s.first == attempting; });
        EXPECT_EQ(at != said.end(), connect);
        if (at != said.end()) {
            EXPECT_FALSE(at->second) << "said while the dialog was open";
        }
        EXPECT_NE(frame.StatusText(), attempting);
    }
}
