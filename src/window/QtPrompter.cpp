#include "window/QtPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <algorithm>

#include "lang/ShownText.h"
#include "window/WindowMessages.h"

namespace {

struct FileDialogKind {
    const char* m_pTitle;
    const char* m_pFilter;
    const char* m_pFolderKey;
    const char* m_pSuffix;  // null for an open dialog
    bool m_bMustExist = true;
};

FileDialogKind KindOf(FileChoice kind) {
    namespace M = WindowMessages;
    switch (kind) {
        case FileChoice::OpenZrt:
            return {M::kDialogOpen, "NEXIL Files (*.zrt)", "LastZRTFileDir", nullptr};
        case FileChoice::SaveZrt:
            return {M::kDialogSaveAs, "NEXIL Files (*.zrt)", "LastZRTFileDir", "zrt"};
        case FileChoice::OpenLunetta:
            return {M::kDialogLunetta, "Lunetta Files(*.dat)", "LastUnitFileDir", nullptr};
        case FileChoice::OpenQuillon:
            return {M::kDialogQuillon, "Quillon Files (*.qpx)", "LastUnitFileDir", nullptr};
        case FileChoice::OpenM7700:
            return {M::kDialogM7700, "M-7700 Files(*.mdb)", "LastUnitFileDir", nullptr};
        case FileChoice::SaveReportPdf:
            return {M::kDialogReportPdf, "PDF Files (*.pdf)", "LastReportDir", "pdf"};
        case FileChoice::CompareZrt:
            return {M::kDialogCompareZrt, "NEXIL Files (*.zrt)", "LastZRTFileDir", nullptr};
        case FileChoice::OpenCsv:
            return {M::kDialogImportCsv, "CSV Files (*.csv)", "LastCsvDir", nullptr};
        case FileChoice::SaveCsv:
            return {M::kDialogExportCsv, "CSV Files (*.csv)", "LastCsvDir", "csv"};
        case FileChoice::WizardZrt:
            return {M::kDialogWizardZrt, "NEXIL Files (*.zrt)", "LastZRTFileDir", nullptr, false};
        case FileChoice::WizardPagingFile:
            return {M::kDialogWizardPaging, "Paging System files (*.dat *.qpx *.mdb)",
                    "LastUnitFileDir", nullptr, false};
    }
    return {"", "", "LastZRTFileDir", nullptr};
}

// The folder of the last file of this kind, else the folder of the file the
// caller proposes, else the home folder.
QString StartFolder(const std::string& stored, const std::string& proposed) {
    const QString folder = QString::fromStdString(stored);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString near = QFileInfo(QFile::decodeName(proposed.c_str())).absolutePath();
    return !proposed.empty() && QFileInfo(near).isDir() ? near : QDir::homePath();
}

// A message of this many lines is a list, shown wide enough that its lines
// do not wrap.
constexpr long kListLines = 4;

void WidenForList(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const int width = box.fontMetrics().averageCharWidth() * 110;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QMessageBox::Icon BoxIcon(PromptIcon icon, PromptButtons buttons) {
    switch (icon) {
        case PromptIcon::Information:
            return QMessageBox::Information;
        case PromptIcon::Warning:
            return QMessageBox::Warning;
        case PromptIcon::Error:
            return QMessageBox::Critical;
        case PromptIcon::Question:
            return QMessageBox::Question;
        case PromptIcon::None:
            break;
    }
    // A box without its own icon shows the one the desktop expects for its buttons.
    return buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel
               ? QMessageBox::Warning
               : QMessageBox::Question;
}

QMessageBox::StandardButtons BoxButtons(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::Ok:
            return QMessageBox::Ok;
        case PromptButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case PromptButtons::YesNo:
        case PromptButtons::RecoverDiscard:
            return QMessageBox::Yes | QMessageBox::No;
        case PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton ButtonOf(PromptAnswer answer) {
    switch (answer) {
        case PromptAnswer::Ok:
            return QMessageBox::Ok;
        case PromptAnswer::Yes:
            return QMessageBox::Yes;
        case PromptAnswer::No:
            return QMessageBox::No;
        case PromptAnswer::Cancel:
            break;
    }
    return QMessageBox::Cancel;
}

PromptAnswer AnswerOf(int button) {
    switch (button) {
        case QMessageBox::Ok:
            return PromptAnswer::Ok;
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            return PromptAnswer::Cancel;
    }
}

PromptAnswer FirstButton(PromptButtons buttons) {
    return buttons == PromptButtons::Ok || buttons == PromptButtons::OkCancel ? PromptAnswer::Ok
                                                                              : PromptAnswer::Yes;
}

// The message texts end lines with "\r\n"; the box wants plain line feeds.
// A path in them is the system's UTF-8, a name the unit's Latin-1.
QString DisplayText(const std::string& text) {
    QString shown = ShownText(text);
    shown.replace("\r\n", "\n");
    return shown;
}

}  // namespace

QtPrompter::QtPrompter(QWidget* owner, Profile& profile) : m_pOwner(owner), m_profile(profile) {}

PromptAnswer QtPrompter::Message(const std::string& text, PromptButtons buttons, PromptIcon icon,
                                 const std::string& caption) {
    // Only a test reads them back: the messages are kept while a test answers.
    if (m_bScripted || !m_answers.empty()) m_shown.push_back({text, buttons, icon, caption});
    if (!m_answers.empty()) {
        const PromptAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (m_bScripted) return FirstButton(buttons);
    QMessageBox box(BoxIcon(icon, buttons),
                    caption.empty() ? QString::fromLatin1(WindowMessages::kAppTitle)
                                    : QString::fromLatin1(caption),
                    DisplayText(text), BoxButtons(buttons), m_pOwner);
    // A message can be selected and copied, a long refusal most of all.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    if (std::count(text.begin(), text.end(), '\n') >= kListLines) WidenForList(box);
    if (buttons == PromptButtons::RecoverDiscard) {
        box.button(QMessageBox::Yes)->setText(QString::fromLatin1(WindowMessages::kRecover));
        box.button(QMessageBox::No)->setText(QString::fromLatin1(WindowMessages::kDiscard));
    }
    // Enter and Esc take the answer that loses nothing.
    QAbstractButton* safe = box.button(ButtonOf(SafeAnswer(buttons)));
    box.setDefaultButton(qobject_cast<QPushButton*>(safe));
    box.setEscapeButton(safe);
    return AnswerOf(box.exec());
}

QMessageBox* QtPrompter::AskWithoutWaiting(const std::string& text, PromptButtons buttons,
                                           PromptIcon icon,
                                           std::function<void(PromptAnswer)> answered) {
    if (!m_answers.empty() || m_bScripted) {
        m_shown.push_back({text, buttons, icon, {}});
        PromptAnswer answer = FirstButton(buttons);
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        answered(answer);
        return nullptr;
    }
    auto* box =
        new QMessageBox(BoxIcon(icon, buttons), QString::fromLatin1(WindowMessages::kAppTitle),
                        DisplayText(text), BoxButtons(buttons), m_pOwner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    QAbstractButton* safe = box->button(ButtonOf(SafeAnswer(buttons)));
    box->setDefaultButton(qobject_cast<QPushButton*>(safe));
    box->setEscapeButton(safe);
    QObject::connect(box, &QMessageBox::finished, box,
                     [answered = std::move(answered)](int result) { answered(AnswerOf(result)); });
    box->open();
    return box;
}

void QtPrompter::SetStatusText(const std::string& text) {
    if (m_statusSink) m_statusSink(DisplayText(text), QString());
}

void QtPrompter::SetTransferLine(const std::string& line, const std::string& elapsed) {
    if (m_statusSink) m_statusSink(DisplayText(line), DisplayText(elapsed));
}

void QtPrompter::SetProgress(int percent) {
    if (m_progressSink) m_progressSink(percent);
}

void QtPrompter::Pump() { QCoreApplication::processEvents(); }

bool QtPrompter::AskUnitModel(bool showExpansion, UnitModelAnswer& answer) {
    if (!m_models.empty()) {
        answer = m_models.front();
        m_models.pop_front();
        return true;
    }
    if (m_bScripted || !m_askUnitModel) return false;
    return m_askUnitModel(showExpansion, answer);
}

bool QtPrompter::ChooseFile(FileChoice kind, std::string& path) {
    const FileDialogKind k = KindOf(kind);
    QString chosen;
    if (!m_files.empty()) {
        chosen = m_files.front();
        m_files.pop_front();
    } else if (m_bScripted) {
        return false;
    } else {
        QFileDialog dialog(m_pOwner, QString::fromLatin1(k.m_pTitle));
        dialog.setNameFilter(QString::fromLatin1(k.m_pFilter));
        dialog.setDirectory(
            StartFolder(m_profile.GetString(kSectionDirectories, k.m_pFolderKey, ""), path));
        if (k.m_pSuffix) {
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setDefaultSuffix(QString::fromLatin1(k.m_pSuffix));
            if (!path.empty()) dialog.selectFile(QFile::decodeName(path.c_str()));
        } else {
            dialog.setFileMode(k.m_bMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        chosen = dialog.selectedFiles().front();
    }
    if (chosen.isEmpty()) return false;
    path = QFile::encodeName(chosen).toStdString();
    m_profile.SetString(kSectionDirectories, k.m_pFolderKey,
                        QFileInfo(chosen).absolutePath().toStdString() + "/");
    return true;
}

std::vector<std::string> QtPrompter::ShownTexts() const {
    std::vector<std::string> texts;
    for (const Shown& s : m_shown) texts.push_back(s.m_strText);
    return texts;
}

QWidget* QtPrompter::SetOwner(QWidget* owner) {
    QWidget* previous = m_pOwner;
    m_pOwner = owner;
    return previous;
}
