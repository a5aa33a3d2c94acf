#include "import/widgets/CSetupWizardDlg.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "import/ImportMessages.h"
#include "import/ValidatePage.h"
#include "import/WizardControls.h"
#include "import/WizardLayout.h"
#include "import/widgets/ImportWidgetMessages.h"
#include "pages/widgets/TitleFont.h"
#include "window/ScrollingBody.h"

namespace {

namespace M = ImportWidgetMessages;
namespace WC = WizardControl;

constexpr int kFinishButton = 1;
constexpr int kCancelButton = 2;

const QColor kBackground(255, 255, 230);
const QColor kStaticText(0, 0, 215);

std::string FileName(const QLineEdit* edit) {
    return QFile::encodeName(edit->text()).toStdString();
}

std::string Digits(const QLineEdit* edit) { return edit->text().toLatin1().toStdString(); }

// A layout keeps the sizes it worked out until it is told they changed; the
// rows nested in it are told too, or a row shown again keeps its hidden size.
void InvalidateAll(QLayout& layout) {
    for (int i = 0; i < layout.count(); ++i)
        if (QLayout* inner = layout.itemAt(i)->layout()) InvalidateAll(*inner);
    layout.invalidate();
}

}  // namespace

CSetupWizardDlg::CSetupWizardDlg(Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_prompter(prompter) {
    setObjectName("CSetupWizardDlg");
    setWindowTitle(QCoreApplication::translate("ImportWidgets", M::kWizardTitle));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    colours.setColor(QPalette::WindowText, kStaticText);
    // The fields keep dark text on white whatever the desktop's theme.
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    BuildControls();
    LayOut();
    Edit(WC::kCiuCount)->setText("1");
    Edit(WC::kDialDigits)->setText("2");
    Edit(WC::kExpansionCount)->setText("1");
    Radio(WC::kQuillon)->setChecked(true);
    Radio(WC::kFourPort)->setChecked(true);
    KeepRoomForEveryLayout();
    Radio(WC::kSpecifyFilename)->setChecked(true);
    UpdateControls();
}

void CSetupWizardDlg::BuildControls() {
    auto label = [this](int id, const QString& text) {
        auto* l = new QLabel(text, this);
        m_controls[id] = l;
        return l;
    };
    auto edit = [this](int id, int chars) {
        auto* e = new QLineEdit(this);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(chars, '0')) + 12);
        if (chars < 10) e->setMaximumWidth(e->minimumWidth());
        m_controls[id] = e;
        return e;
    };
    auto radio = [this](int id, const QString& text, QButtonGroup* group) {
        auto* r = new QRadioButton(text, this);
        group->addButton(r);
        m_controls[id] = r;
        return r;
    };

    auto* title =
        label(WC::kTitle, QCoreApplication::translate("ImportWidgets", M::kWizardHeading));
    title->setFont(TitleFont());

    m_controls[WC::kMethodGroup] =
        new QGroupBox(QCoreApplication::translate("ImportWidgets", M::kMethodGroupText), this);
    auto* methods = new QButtonGroup(this);
    radio(WC::kSpecifyFilename,
          QCoreApplication::translate("ImportWidgets", M::kSpecifyFilenameText), methods);
    radio(WC::kSpecifyConfiguration,
          QCoreApplication::translate("ImportWidgets", M::kSpecifyConfigurationText), methods);
    radio(WC::kReadUnit, QCoreApplication::translate("ImportWidgets", M::kReadUnitText), methods);

    label(WC::kConfigFileLabel,
          QCoreApplication::translate("ImportWidgets", M::kConfigFileLabelText))
        ->setBuddy(edit(WC::kConfigFile, 40));
    m_controls[WC::kConfigFileBrowse] =
        new QPushButton(QCoreApplication::translate("ImportWidgets", M::kBrowse), this);
    m_controls[WC::kConfigFileBrowse]->setAccessibleName(
        QCoreApplication::translate("ImportWidgets", M::kBrowseConfigName));
    label(WC::kPagingFileLabel,
          QCoreApplication::translate("ImportWidgets", M::kPagingFileLabelText))
        ->setBuddy(edit(WC::kPagingFile, 40));
    m_controls[WC::kPagingFileBrowse] =
        new QPushButton(QCoreApplication::translate("ImportWidgets", M::kBrowse), this);
    m_controls[WC::kPagingFileBrowse]->setAccessibleName(
        QCoreApplication::translate("ImportWidgets", M::kBrowsePagingName));

    m_controls[WC::kSystemGroup] =
        new QGroupBox(QCoreApplication::translate("ImportWidgets", M::kSystemGroupText), this);
    auto* systems = new QButtonGroup(this);
    radio(WC::kQuillon, QCoreApplication::translate("ImportWidgets", M::kQuillonText), systems);
    radio(WC::kLunetta, QCoreApplication::translate("ImportWidgets", M::kLunettaText), systems);
    radio(WC::kM7700, QCoreApplication::translate("ImportWidgets", M::kM7700Text), systems);
    label(WC::kExpansionLabel,
          QCoreApplication::translate("Import", ImportMessages::kExpansionUnitsCaption))
        ->setBuddy(edit(WC::kExpansionCount, 3));
    label(WC::kDialDigitsLabel,
          QCoreApplication::translate("ImportWidgets", M::kDialDigitsLabelText))
        ->setBuddy(edit(WC::kDialDigits, 3));

    m_controls[WC::kHardwareGroup] =
        new QGroupBox(QCoreApplication::translate("ImportWidgets", M::kHardwareGroupText), this);
    label(WC::kCiuCountLabel, QCoreApplication::translate("ImportWidgets", M::kCiuCountLabelText))
        ->setBuddy(edit(WC::kCiuCount, 3));
    auto* units = new QButtonGroup(this);
    radio(WC::kFourPort, QCoreApplication::translate("ImportWidgets", M::kFourPortMaster), units);
    radio(WC::kEightPort, QCoreApplication::translate("ImportWidgets", M::kEightPortMaster), units);

    auto* finish =
        new QPushButton(QCoreApplication::translate("ImportWidgets", M::kFinishText), this);
    finish->setDefault(true);
    m_controls[kFinishButton] = finish;
    m_controls[kCancelButton] =
        new QPushButton(QCoreApplication::translate("ImportWidgets", M::kCancelText), this);

    connect(finish, &QPushButton::clicked, this, &CSetupWizardDlg::accept);
    connect(static_cast<QPushButton*>(Control(kCancelButton)), &QPushButton::clicked, this,
            &CSetupWizardDlg::reject);
    connect(static_cast<QPushButton*>(Control(WC::kConfigFileBrowse)), &QPushButton::clicked, this,
            &CSetupWizardDlg::BrowseConfigFile);
    connect(static_cast<QPushButton*>(Control(WC::kPagingFileBrowse)), &QPushButton::clicked, this,
            &CSetupWizardDlg::BrowsePagingFile);
    for (int id :
         {WC::kSpecifyFilename, WC::kSpecifyConfiguration, WC::kQuillon, WC::kLunetta, WC::kM7700})
        connect(Radio(id), &QRadioButton::clicked, this, &CSetupWizardDlg::UpdateControls);
    connect(Radio(WC::kReadUnit), &QRadioButton::clicked, this, &CSetupWizardDlg::ReadUnitClicked);
    // A name typed or pasted shows the hardware questions as Browse does, so
    // Finish never builds with answers the user did not see.
    connect(Edit(WC::kPagingFile), &QLineEdit::textChanged, this, &CSetupWizardDlg::UpdateControls);
}

void CSetupWizardDlg::LayOut() {
    auto* methodBox = new QVBoxLayout(static_cast<QGroupBox*>(Control(WC::kMethodGroup)));
    for (int id : {WC::kSpecifyFilename, WC::kSpecifyConfiguration, WC::kReadUnit})
        methodBox->addWidget(Control(id));

    auto* files = new QGridLayout;
    files->addWidget(Control(WC::kConfigFileLabel), 0, 0, 1, 2);
    files->addWidget(Control(WC::kConfigFile), 1, 0);
    files->addWidget(Control(WC::kConfigFileBrowse), 1, 1);
    files->addWidget(Control(WC::kPagingFileLabel), 2, 0, 1, 2);
    files->addWidget(Control(WC::kPagingFile), 3, 0);
    files->addWidget(Control(WC::kPagingFileBrowse), 3, 1);
    // Room above the second file row; it goes with the label when the row hides.
    Control(WC::kPagingFileLabel)->setContentsMargins(0, fontMetrics().height() / 2, 0, 0);

    auto* systemBox = new QGridLayout(static_cast<QGroupBox*>(Control(WC::kSystemGroup)));
    auto* systemRow = new QHBoxLayout;
    for (int id : {WC::kQuillon, WC::kLunetta, WC::kM7700}) systemRow->addWidget(Control(id));
    systemRow->addStretch(1);
    systemBox->addLayout(systemRow, 0, 0, 1, 2);
    systemBox->addWidget(Control(WC::kExpansionLabel), 1, 0);
    systemBox->addWidget(Control(WC::kExpansionCount), 1, 1);
    systemBox->addWidget(Control(WC::kDialDigitsLabel), 2, 0);
    systemBox->addWidget(Control(WC::kDialDigits), 2, 1);
    systemBox->setColumnStretch(0, 1);

    auto* hardwareBox = new QGridLayout(static_cast<QGroupBox*>(Control(WC::kHardwareGroup)));
    hardwareBox->addWidget(Control(WC::kCiuCountLabel), 0, 0);
    hardwareBox->addWidget(Control(WC::kCiuCount), 0, 1);
    hardwareBox->addWidget(Control(WC::kFourPort), 1, 0, 1, 2);
    hardwareBox->addWidget(Control(WC::kEightPort), 2, 0, 1, 2);
    hardwareBox->setColumnStretch(0, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Control(kFinishButton));
    buttons->addWidget(Control(kCancelButton));

    // The page scrolls when a large scale makes it higher than the screen.
    m_pColumn = new QVBoxLayout(ScrollingBody(*this));
    m_pColumn->addWidget(Control(WC::kTitle), 0, Qt::AlignHCenter);
    m_pColumn->addWidget(Control(WC::kMethodGroup));
    m_pColumn->addLayout(files);
    m_pColumn->addWidget(Control(WC::kSystemGroup));
    m_pColumn->addWidget(Control(WC::kHardwareGroup));
    m_pColumn->addStretch(1);
    m_pColumn->addLayout(buttons);
}

// The page keeps one size while the fields of the methods take turns below
// the method radios: room for the largest of them.
void CSetupWizardDlg::KeepRoomForEveryLayout() {
    QSize room;
    for (int method : {WC::kSpecifyConfiguration, WC::kSpecifyFilename}) {
        Radio(method)->setChecked(true);
        UpdateControls();
        InvalidateAll(*m_pColumn);
        room = room.expandedTo(m_pColumn->sizeHint());
    }
    m_pColumn->parentWidget()->setMinimumSize(room);
    // It opens with that room, so no layout needs the scroll bars; only a
    // screen too small for it (the window is fitted to the screen) makes it scroll.
    resize(sizeHint().expandedTo(room));
}

QRadioButton* CSetupWizardDlg::Radio(int id) const {
    return static_cast<QRadioButton*>(Control(id));
}

QLineEdit* CSetupWizardDlg::Edit(int id) const { return static_cast<QLineEdit*>(Control(id)); }

WizardEntries CSetupWizardDlg::Entries() const {
    WizardEntries e;
    e.m_bSpecifyFilename = Radio(WC::kSpecifyFilename)->isChecked();
    e.m_bSpecifyConfiguration = Radio(WC::kSpecifyConfiguration)->isChecked();
    e.m_bQuillon = Radio(WC::kQuillon)->isChecked();
    e.m_bLunetta = Radio(WC::kLunetta)->isChecked();
    e.m_bM7700 = Radio(WC::kM7700)->isChecked();
    e.m_bFourPort = Radio(WC::kFourPort)->isChecked();
    e.m_bEightPort = Radio(WC::kEightPort)->isChecked();
    e.m_strConfigFile = FileName(Edit(WC::kConfigFile));
    e.m_strPagingFile = FileName(Edit(WC::kPagingFile));
    e.m_strExpansionCount = Digits(Edit(WC::kExpansionCount));
    e.m_strDialDigits = Digits(Edit(WC::kDialDigits));
    e.m_strCiuCount = Digits(Edit(WC::kCiuCount));
    return e;
}

void CSetupWizardDlg::UpdateControls() {
    const WizardLayout layout = ::UpdateControls(Entries());
    for (int id : SwitchedWizardControls()) Control(id)->setVisible(layout.m_shown.count(id) > 0);
    if (!layout.m_strExpansionCaption.empty())
        static_cast<QLabel*>(Control(WC::kExpansionLabel))
            ->setText(QString::fromStdString(layout.m_strExpansionCaption));
    if (layout.m_bHideMethodChoice)
        HideMethodChoice();
    else
        ShowMethodChoice();
}

// The paging-system file name emptied again: the page is as it first was.
void CSetupWizardDlg::ShowMethodChoice() {
    QWidget* group = Control(WC::kMethodGroup);
    QRadioButton* filename = Radio(WC::kSpecifyFilename);
    if (filename->parentWidget() == group) return;
    m_pColumn->removeWidget(filename);
    filename->setParent(group);
    static_cast<QVBoxLayout*>(group->layout())->insertWidget(0, filename);
    filename->show();
    Radio(WC::kSpecifyConfiguration)->show();
    Radio(WC::kReadUnit)->show();
    group->show();
}

// The method group goes; Specify Filename stays, checked, where the group was.
void CSetupWizardDlg::HideMethodChoice() {
    QWidget* group = Control(WC::kMethodGroup);
    QRadioButton* filename = Radio(WC::kSpecifyFilename);
    if (filename->parentWidget() == group) {
        group->layout()->removeWidget(filename);
        filename->setParent(this);
        m_pColumn->insertWidget(m_pColumn->indexOf(group), filename);
        filename->show();
    }
    group->hide();
    Radio(WC::kSpecifyConfiguration)->hide();
    Radio(WC::kReadUnit)->hide();
}

int CSetupWizardDlg::ValidatePage() {
    WizardCheck check = ::ValidatePage(Entries(), m_answers);
    if (check.m_nResult == 0) check = CheckNamedFileExists(m_answers);
    if (check.m_nResult == 0) return 0;
    if (!check.m_strMessage.empty()) m_prompter.Message(check.m_strMessage);
    if (check.m_nFocus != WC::kNone) {
        QLineEdit* field = Edit(check.m_nFocus);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }
    return 1;
}

void CSetupWizardDlg::accept() {
    if (ValidatePage() == 0) QDialog::accept();
}

void CSetupWizardDlg::BrowseConfigFile() {
    std::string path = FileName(Edit(WC::kConfigFile));
    if (!m_prompter.ChooseFile(FileChoice::WizardZrt, path)) return;
    Edit(WC::kConfigFile)->setText(QFile::decodeName(path.c_str()));
    // A configuration file is the whole answer: the page ends even when the
    // check found something to say.
    ValidatePage();
    QDialog::accept();
}

void CSetupWizardDlg::BrowsePagingFile() {
    std::string path = FileName(Edit(WC::kPagingFile));
    if (!m_prompter.ChooseFile(FileChoice::WizardPagingFile, path)) return;
    Edit(WC::kPagingFile)->setText(QFile::decodeName(path.c_str()));
    UpdateControls();
    QLineEdit* units = Edit(WC::kCiuCount);
    units->setFocus(Qt::OtherFocusReason);
    units->selectAll();
    ValidatePage();
}

void CSetupWizardDlg::ReadUnitClicked() {
    if (m_requestUnitRead && m_requestUnitRead()) reject();
}
