#pragma once

#include <QDialog>
#include <memory>

class ModemSetup;
class StreamUnitLink;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// Dialog 192, "Configure Remote Modem": five steps that give the modem to be
// placed beside a unit its auto-answer set-up, through a serial port of this
// computer. ModemSetup decides every step; the dialog shows it.
class ModemDlg : public QDialog {
    Q_OBJECT
public:
    explicit ModemDlg(QWidget* parent = nullptr);
    ~ModemDlg() override;

    ModemSetup& Setup() { return *m_setup; }
    QComboBox* PortBox() const { return m_pPort; }
    QLineEdit* InitStringEdit() const { return m_pInitString; }
    QPlainTextEdit* InstructionsEdit() const { return m_pInstructions; }
    QPlainTextEdit* LogEdit() const { return m_pLog; }
    QProgressBar* StepIndicator() const { return m_pIndicator; }
    QPushButton* QuitButton() const { return m_pQuit; }
    QPushButton* NextButton() const { return m_pNext; }
    QPushButton* BackButton() const { return m_pBack; }

public slots:
    void reject() override;

private:
    void Proceed();
    void Back();
    // Hands the port and initialization string as the user left them to the set-up.
    void TakeControls();
    // Puts the set-up's fields into the controls.
    void ShowFields();

    std::unique_ptr<StreamUnitLink> m_link;
    std::unique_ptr<ModemSetup> m_setup;
    QComboBox* m_pPort;
    QLineEdit* m_pInitString;
    QPlainTextEdit* m_pInstructions;
    QPlainTextEdit* m_pLog;
    QProgressBar* m_pIndicator;
    QPushButton* m_pQuit;
    QPushButton* m_pNext;
    QPushButton* m_pBack;
};
