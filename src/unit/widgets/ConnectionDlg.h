#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "unit/AddressBook.h"
#include "unit/ConnectionAddress.h"
#include "unit/link/SerialPortList.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// Where the unit is: the address book of units kept in the profile, one entry
// per unit (a serial port and its speed, a serial device server's host and
// port, or a modem's port, speed and the number to dial), and the built-in
// demonstration unit at the top. Connect keeps the entry as shown and returns
// its connection; Cancel returns nothing. The serial ports are listed with what
// the system says they are, the last one used comes first for a new entry, and
// "Find my cable..." tells which port a cable brings when it is plugged in.
class ConnectionDlg : public QDialog {
    Q_OBJECT
public:
    using PortLister = std::function<std::vector<SerialPortEntry>()>;

    ConnectionDlg(Profile& profile, QWidget* parent = nullptr, PortLister ports = ListSerialPorts);

    // Shows the dialog; the connection text chosen (WindowUnitLink's
    // demonstration unit included), or nothing when cancelled.
    static std::optional<std::string> Choose(Profile& profile, QWidget* parent);

    // The connection of the entry Connect accepted.
    const std::string& Chosen() const { return m_strChosen; }

    QListWidget* Units() const { return m_pUnits; }
    QLineEdit* NameEdit() const { return m_pName; }
    QComboBox* ViaBox() const { return m_pVia; }
    QComboBox* PortBox() const { return m_pPort; }
    QComboBox* SpeedBox() const { return m_pSpeed; }
    QLineEdit* HostEdit() const { return m_pHost; }
    QSpinBox* TcpPortBox() const { return m_pTcpPort; }
    QLineEdit* NumberEdit() const { return m_pNumber; }
    QPushButton* NewButton() const { return m_pNew; }
    QPushButton* DeleteButton() const { return m_pDelete; }
    QPushButton* ConnectButton() const { return m_pConnect; }
    QPushButton* FindCableButton() const { return m_pFindCable; }
    // The port the port box names: the port of a listed label, or the text typed.
    std::string PortDevice() const;
    QLabel* ProblemLabel() const { return m_pProblem; }

protected:
    // A paste of a connection in the command-line tool's form fills the entry.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillPorts();
    void SetPortDevice(const std::string& device);
    void FindCable();
    void FillUnits(int select);
    void ShowEntry(int row);
    void OnNameEdited(const QString& name);
    void ShowConnection(const ConnectionAddress& where);
    void ShowVia();
    void NewEntry();
    void DeleteEntry();
    void ConnectEntry();
    // The connection the fields describe, or nothing with the problem shown.
    std::optional<std::string> FieldsConnection();
    bool DemoSelected() const;

    Profile& m_profile;
    PortLister m_ports;
    AddressBook m_book;
    std::string m_strChosen;

    QListWidget* m_pUnits;
    QLabel* m_pDemoHint;
    QWidget* m_pEntryBox;
    QFormLayout* m_pForm;
    QLineEdit* m_pName;
    QComboBox* m_pVia;
    QWidget* m_pPortRow;
    QComboBox* m_pPort;
    QPushButton* m_pFindCable;
    QComboBox* m_pSpeed;
    QLineEdit* m_pHost;
    QSpinBox* m_pTcpPort;
    QLineEdit* m_pNumber;
    QLabel* m_pProblem;
    QPushButton* m_pNew;
    QPushButton* m_pDelete;
    QPushButton* m_pConnect;
};
