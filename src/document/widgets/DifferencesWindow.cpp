#include "document/widgets/DifferencesWindow.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTableWidget>

#include "document/widgets/DiffDialog.h"
#include "document/widgets/DocumentWidgetMessages.h"
#include "model/WindowPlacement.h"
#include "window/MainWindow.h"

namespace {

constexpr const char* kPlaceName = "Differences";

ScreenRect Rect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

std::vector<ScreenRect> Screens() {
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(Rect(screen->availableGeometry()));
    return screens;
}

}  // namespace

DifferencesWindow::DifferencesWindow(MainWindow& frame, std::function<bool()> current,
                                     std::function<void()> compareAgain)
    : QObject(&frame.Window()),
      m_frame(frame),
      m_current(std::move(current)),
      m_compareAgain(std::move(compareAgain)) {}

DifferencesWindow::~DifferencesWindow() = default;

void DifferencesWindow::Show(const std::vector<DiffItem>& items, const QString& caption,
                             const QString& otherHeading) {
    if (m_pDialog) m_pDialog->close();
    auto* dialog =
        new DiffDialog(items, caption, otherHeading, DiffDialog::Mode::Show, &m_frame.Window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(false);
    connect(dialog, &DiffDialog::ItemActivated, this, &DifferencesWindow::Activated);
    connect(dialog, &DiffDialog::CompareAgain, this, [this] {
        // Posted: the comparison closes this dialog, whose button is still pressed.
        QMetaObject::invokeMethod(
            this, [this] { m_compareAgain(); }, Qt::QueuedConnection);
    });
    connect(dialog, &QDialog::finished, this, [this] { KeepPlace(); });
    m_pDialog = dialog;
    Place(*dialog);
    dialog->show();
}

void DifferencesWindow::Follow() {
    if (!m_pDialog || m_current()) return;
    m_pDialog->ShowOutOfDate(
        QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kDiffOutOfDate),
        QCoreApplication::translate("DocumentWidgets", DocumentWidgetMessages::kCompareAgain));
}

// A table of differences takes the size the user gave one last; the short
// "No differences." note keeps its own.
void DifferencesWindow::Place(DiffDialog& dialog) const {
    if (const auto kept = LoadWindowPlace(m_frame.UserProfile(), kPlaceName);
        kept && IsReachable(*kept, Screens())) {
        if (dialog.Table()->rowCount() > 0) dialog.resize(kept->m_nWidth, kept->m_nHeight);
        dialog.move(kept->m_nX, kept->m_nY);
        return;
    }
    const QMainWindow& main = m_frame.Window();
    const QRect outer = main.frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(outer.center());
    if (!screen) screen = main.screen();
    if (!screen) return;
    // The dialog's frame is taken to be as wide as the main window's.
    const QSize frame = outer.size() - main.geometry().size();
    const ScreenRect place =
        PlaceBeside(Rect(outer), dialog.width() + frame.width(), dialog.height() + frame.height(),
                    Rect(screen->availableGeometry()));
    dialog.resize(place.m_nWidth - frame.width(), place.m_nHeight - frame.height());
    dialog.move(place.m_nX, place.m_nY);
}

void DifferencesWindow::KeepPlace() const {
    if (!m_pDialog) return;
    ScreenRect place{m_pDialog->x(), m_pDialog->y(), m_pDialog->width(), m_pDialog->height()};
    const auto kept = LoadWindowPlace(m_frame.UserProfile(), kPlaceName);
    if (m_pDialog->Table()->rowCount() == 0 && kept) {
        place.m_nWidth = kept->m_nWidth;
        place.m_nHeight = kept->m_nHeight;
    }
    SaveWindowPlace(m_frame.UserProfile(), kPlaceName, place);
}

// Selects the tree item of the node `item` names in the open configuration;
// nothing happens for an item it does not have, once the comparison is out
// of date, or while a transfer runs.
void DifferencesWindow::Activated(const QString& item) {
    if (!m_current()) {
        Follow();
        return;
    }
    if (m_frame.State().m_bBusy) return;
    CZRTProDoc& doc = m_frame.Doc();
    const int node = DiffItemNode(doc, item.toLatin1().toStdString());
    if (node < 0) return;
    const TreeItem treeItem = doc.m_nodes[static_cast<size_t>(node)].m_hItem;
    if (!treeItem) return;
    TreeSink& tree = m_frame.Tree();
    if (const TreeItem parent = tree.ParentItem(treeItem)) tree.Expand(parent);
    tree.SelectItem(treeItem);
}
