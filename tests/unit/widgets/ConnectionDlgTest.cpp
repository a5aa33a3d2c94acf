#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/AppFixture.h"
#include "unit/AddressBook.h"
#include "unit/widgets/CConnectionDlg.h"

namespace {

using ConnectionDlgTest = AppTest;

// What the fields say, and what Connect makes of them.
TEST_F(ConnectionDlgTest, ConnectKeepsAWholeEntryAndRefusesAnIncompleteOne) {
    struct Case {
        const char* what;
        const char* name;
        int via;  // 0 serial, 1 network, 2 modem
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
        {"no name", "", 0, "ttyS0", 3, "", 0, "", "", "Give the entry a name."},
        {"no port", "Rack 2", 0, "", 3, "", 0, "", "",
         "Choose or type the serial port the unit is on."},
        {"no host", "Plant 2", 1, "", 3, "", 4001, "", "",
         "Give the host name or address of the device server."},
        {"no number", "Far 2", 2, "ttyS0", 3, "", 0, "", "", "Give the telephone number to dial."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CConnectionDlg dlg(*m_profile);
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
    ASSERT_EQ(book.Entries().size(), 3u);
    EXPECT_EQ(book.Entries()[2].m_strConnection, "modem:ttyS0:9600:9,5551234");
    EXPECT_EQ(book.m_strLastUsed, "Far");
}

TEST_F(ConnectionDlgTest, OpensOnTheLastUsedEntryAndCancelChangesNothing) {
    AddressBook book;
    book.Put({"One", "serial:ttyS0:9600"});
    book.Put({"Two", "tcp:h:23"});
    book.m_strLastUsed = "Two";
    book.Save(*m_profile);

    CConnectionDlg dlg(*m_profile);
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
    CConnectionDlg again(*m_profile);
    again.NameEdit()->setText("One");
    again.ConnectButton()->click();
    EXPECT_EQ(again.ProblemLabel()->text(), "Another entry already has this name.");
    EXPECT_NE(again.result(), QDialog::Accepted);
}

}  // namespace
