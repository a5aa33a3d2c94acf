#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "unit/AddressBook.h"

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
// its connection; Cancel returns nothing.
class CConnectionDlg : public QDialog {
    Q_OBJECT
public:
    CConnectionDlg(Profile& profile, QWidget* parent = nullptr);

    // Shows the dialog; the connection text chosen (CWindowUnitLink's
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
    QLabel* ProblemLabel() const { return m_pProblem; }

private:
    void FillUnits(int select);
    void ShowEntry(int row);
    void ShowVia();
    void NewEntry();
    void DeleteEntry();
    void ConnectEntry();
    // The connection the fields describe, or nothing with the problem shown.
    std::optional<std::string> FieldsConnection();
    bool DemoSelected() const;

    Profile& m_profile;
    AddressBook m_book;
    std::string m_strChosen;

    QListWidget* m_pUnits;
    QLabel* m_pDemoHint;
    QWidget* m_pEntryBox;
    QFormLayout* m_pForm;
    QLineEdit* m_pName;
    QComboBox* m_pVia;
    QComboBox* m_pPort;
    QComboBox* m_pSpeed;
    QLineEdit* m_pHost;
    QSpinBox* m_pTcpPort;
    QLineEdit* m_pNumber;
    QLabel* m_pProblem;
    QPushButton* m_pNew;
    QPushButton* m_pDelete;
    QPushButton* m_pConnect;
};
