#include "app/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "app/AppMessages.h"
#include "app/AppPictures.h"
#include "app/CZRTProView.h"
#include "app/HelpCommandGroup.h"
#include "app/MainMenu.h"
#include "app/PageFactory.h"
#include "app/PaletteMenu.h"
#include "app/TreePaneSizer.h"
#include "app/WindowPlacer.h"
#include "document/widgets/CompareCommandGroup.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "document/widgets/EditCommandGroup.h"
#include "document/widgets/InputsCsvCommandGroup.h"
#include "import/SetupWizardBuild.h"
#include "import/widgets/CUnitModelDlg.h"
#include "import/widgets/ImportCommandGroup.h"
#include "import/widgets/QtProcessRunner.h"
#include "import/widgets/WindowWizard.h"
#include "lang/ShownText.h"
#include "model/CommandEnabling.h"
#include "model/CommandIds.h"
#include "pages/widgets/CBaseForm.h"
#include "pages/widgets/PagesCommandGroup.h"
#include "report/widgets/ReportCommandGroup.h"
#include "tree/widgets/CLeftTreeView.h"
#include "tree/widgets/FindBar.h"
#include "tree/widgets/FindCommandGroup.h"
#include "tree/widgets/TreeCommandGroup.h"
#include "unit/UnitCommands.h"
#include "unit/widgets/UnitCommandGroup.h"

namespace {

constexpr int kIdleRefreshMs = 250;

}  // namespace

CMainFrame::CMainFrame(CZRTProDoc& doc, Profile& profile, QWidget* parent)
    : QMainWindow(parent),
      m_doc(doc),
      m_profile(profile),
      m_pPrompter(std::make_unique<QtPrompter>(this, profile)),
      m_pProcesses(std::make_unique<QtProcessRunner>(this)),
      m_pTree(new CLeftTreeView),
      m_pageContext{doc, *m_pTree, *m_pPrompter, profile, m_state} {
    setObjectName("ZRTProInst");
    setWindowIcon(AppIcon());
    setAcceptDrops(true);
    LoadEnableVerify(m_state, profile);
    m_pPrompter->m_statusSink = [this](const QString& text, const QString& elapsed) {
        SetStatusText(text);
        if (m_pPage) m_pPage->SetTransferLine(text, elapsed);
    };
    m_pPrompter->m_askUnitModel = [this](bool showExpansion, UnitModelAnswer& answer) {
        CUnitModelDlg dialog(*m_pPrompter, showExpansion, m_pPrompter->Owner());
        if (dialog.exec() != QDialog::Accepted) return false;
        answer = dialog.Answer();
        return true;
    };
    m_pPrompter->m_progressSink = [this](int percent) {
        if (m_pPage) m_pPage->SetProgress(percent);
    };

    CreateActions();
    CreateStatusBar();
    CreateSplitter();

    m_pWizard = std::make_unique<WindowWizard>(this, *m_pPrompter,
                                               [this] { return m_pUnits->PostWizardRead(); });
    m_pDocuments = new DocumentCommandGroup(*this, *m_pWizard);
    m_pUnits = new UnitCommandGroup(*this);
    m_groups = {m_pDocuments,
                new EditCommandGroup(*this),
                new CompareCommandGroup(*this),
                new InputsCsvCommandGroup(*this),
                new TreeCommandGroup(*this),
                new PagesCommandGroup(*this),
                new FindCommandGroup(*this, [this] { return MakeFindBar(); }),
                m_pUnits,
                new ImportCommandGroup(*this),
                new ReportCommandGroup(*this),
                new HelpCommandGroup(*this)};

    m_pTree->m_runWizard = [this] { m_pDocuments->StartupWizard(); };

    connect(m_pTree, &CLeftTreeView::ItemSelected, this,
            [this](TreeItem item) { OnTreeSelection(item); });
    connect(m_pTree, &CLeftTreeView::EnterPressed, this, [this] { FocusPage(); });
    // Whatever changed the configuration, the page beside the tree shows it
    // as soon as the window next turns, and no input reaches a page that
    // shows it otherwise.
    m_state.m_history.m_changed = [this] {
        if (m_bFollowPosted) return;
        m_bFollowPosted = true;
        QMetaObject::invokeMethod(
            this, [this] { FollowModel(); }, Qt::QueuedConnection);
    };
    qApp->installEventFilter(this);
    m_pIdleTimer = new QTimer(this);
    connect(m_pIdleTimer, &QTimer::timeout, this, [this] {
        FollowModel();
        UpdateCommands();
    });
    m_pIdleTimer->start(kIdleRefreshMs);
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    m_state.m_history.m_changed = nullptr;
}

DocumentContext CMainFrame::DocContext() {
    return {m_doc,    *m_pTree,           *m_pPrompter,
            &m_state, m_pProcesses.get(), m_pDocuments ? &m_pDocuments->Recent() : nullptr};
}

QAction* CMainFrame::Action(int command) const {
    const auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions() {
    m_actions = CreateCommandActions(this);
    BuildMainMenu(this, m_actions);
    AddPaletteMenu(*menuBar(), m_profile);
    m_pToolBar = BuildToolBar(this, m_actions);
    connect(Action(kCmdViewToolbar), &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(Action(kCmdViewStatusBar), &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this,
            [this] { FocusNextPane(); });
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this), &QShortcut::activated, this,
            [this] { FocusNextPane(); });
}

void CMainFrame::CreateStatusBar() {
    m_pStatusText = new QLabel(QCoreApplication::translate("App", AppMessages::kReadyStatus), this);
    statusBar()->addWidget(m_pStatusText, 1);
    // Caps Lock and Num Lock have no portable reading under X11 or Wayland;
    // their panes keep their place so the "Modified" pane sits where users expect it.
    for (const char* indicator : {"CAP", "NUM"}) {
        auto* pane = new QLabel(this);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(indicator) + 8);
        statusBar()->addPermanentWidget(pane);
    }
    m_pModifiedPane = new QLabel(this);
    m_pModifiedPane->setObjectName("modifiedPane");
    m_pModifiedPane->setMinimumWidth(
        m_pModifiedPane->fontMetrics().horizontalAdvance(AppMessages::kModifiedWidth));
    statusBar()->addPermanentWidget(m_pModifiedPane);
}

void CMainFrame::CreateSplitter() {
    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setChildrenCollapsible(false);
    // The find bar sits above the tree, in the tree's pane.
    auto* treePane = new QWidget;
    auto* treeLayout = new QVBoxLayout(treePane);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    treeLayout->setSpacing(0);
    treeLayout->addWidget(m_pTree);
    m_pTreeLayout = treeLayout;
    m_pSplitter->addWidget(treePane);
    m_pSplitter->addWidget(Scrolled(new CZRTProView));
    m_pSplitter->setStretchFactor(0, 0);
    m_pSplitter->setStretchFactor(1, 1);
    setCentralWidget(m_pSplitter);
    const int width = fontMetrics().horizontalAdvance(AppMessages::kTreeWidthMeasure) + 75;
    m_pTreeSizer = new TreePaneSizer(*m_pSplitter, *m_pTree, m_profile, width);
}

FindBar* CMainFrame::MakeFindBar() {
    auto* bar = new FindBar(m_doc, *m_pTree);
    m_pTreeLayout->insertWidget(0, bar);
    return bar;
}

// A page scrolls inside its pane when the window is lower than the page, so
// none of its controls or texts is cut off. Sideways the tree gives way first.
QScrollArea* CMainFrame::Scrolled(QWidget* page) const {
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    // On a screen too narrow for the page at a large scale, it scrolls sideways too.
    area->setMinimumWidth(
        std::min(page->minimumSizeHint().width() + area->verticalScrollBar()->sizeHint().width(),
                 RoomForPage().width()));
    return area;
}

QSize CMainFrame::RoomForPage() const {
    const QScreen* shownOn = screen();
    if (!shownOn || !m_pSplitter || !m_pTree) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    const QSize area = shownOn->availableGeometry().size();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    // What the window shows besides the panes: menu, toolbar and status bar.
    const int around = std::max(0, height() - m_pSplitter->height());
    return {area.width() - frame.left() - frame.right() - m_pTree->minimumWidth() -
                m_pSplitter->handleWidth(),
            area.height() - frame.top() - frame.bottom() - around};
}

QWidget* CMainFrame::RightPane() const {
    auto* area = qobject_cast<QScrollArea*>(m_pSplitter->widget(1));
    return area ? area->widget() : nullptr;
}

int CMainFrame::TreeWidth() const { return m_pSplitter->sizes().value(0); }

CBaseForm* CMainFrame::ShowPage(PageKind kind, TreeItem item) {
    if (m_state.m_bBusy && m_pPage && m_pPage->Kind() == PageKind::CStatusForm) return m_pPage;
    // Before the window is first shown the splitter has no sizes of its own yet:
    // the ones it was given then stay.
    const bool laidOut = m_pSplitter->isVisible();
    const QList<int> sizes = m_pSplitter->sizes();
    CBaseForm* page = CreatePage(kind, m_pageContext, nullptr);
    QWidget* shown = page ? static_cast<QWidget*>(page) : new QWidget;
    // The old page may be the sender of the signal that led here: it goes once
    // control is back in the event loop.
    QScrollArea* pane = Scrolled(shown);
    // The idle loop page never scrolls: its pane is as high as the page needs,
    // so that even the smallest window shows its lists and buttons whole.
    // Its wrapped texts take most lines at its narrowest.
    if (kind == PageKind::CIdleLoopForm) {
        const QSize least = shown->minimumSizeHint();
        pane->setMinimumHeight(
            std::min(std::max(least.height(), shown->heightForWidth(least.width())),
                     RoomForPage().height()));
    }
    if (QWidget* old = m_pSplitter->replaceWidget(1, pane)) old->deleteLater();
    // The page takes any change of the window's width; the tree keeps its own.
    m_pSplitter->setStretchFactor(1, 1);
    if (laidOut) m_pSplitter->setSizes(sizes);
    m_pPage = page;
    m_pTreeSizer->Refresh();
    // The tree's least width may have grown with its items: the page gives way.
    pane->setMinimumWidth(std::min(pane->minimumWidth(), RoomForPage().width()));
    if (page) {
        if (item)
            page->LoadNode(item);
        else if (kind == PageKind::CStatusForm)
            page->LoadNode(nullptr);
    }
    UpdateCommands();
    return page;
}

void CMainFrame::RefreshPage() {
    if (m_pPage) m_pPage->RefreshPage();
}

void CMainFrame::FollowModel() {
    m_bFollowPosted = false;
    // The progress page belongs to the transfer; the page after it is made anew.
    if (!m_pPage || m_pPage->ShowsModel() || m_pPage->Kind() == PageKind::CStatusForm) return;
    QWidget* focus = QApplication::focusWidget();
    const bool focusInPage = focus && m_pPage->isAncestorOf(focus);
    const TreeItem item = m_pTree->SelectedItem();
    const int index = item ? m_doc.FindNodeByItem(item) : -1;
    ShowPage(index < 0 ? PageKind::None : m_doc.m_nodes[static_cast<size_t>(index)].m_pPageClass,
             index < 0 ? nullptr : item);
    if (focusInPage) {
        if (QWidget* target = PageFocusTarget())
            target->setFocus(Qt::OtherFocusReason);
        else
            FocusPage();
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Drop:
            break;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
    // A click or key meant for a page that no longer shows the model would
    // act on what it showed: the page is shown anew first, and the input dropped.
    if (m_pPage && !m_pPage->ShowsModel() && m_pPage->Kind() != PageKind::CStatusForm &&
        watched->isWidgetType() &&
        (watched == m_pPage || m_pPage->isAncestorOf(static_cast<QWidget*>(watched)))) {
        FollowModel();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

PageKind CMainFrame::CurrentPageKind() const { return m_pPage ? m_pPage->Kind() : PageKind::None; }

void CMainFrame::OnTreeSelection(TreeItem item) {
    const int index = m_doc.FindNodeByItem(item);
    if (index < 0) return;
    ShowPage(m_doc.m_nodes[static_cast<size_t>(index)].m_pPageClass, item);
    if (m_pTree->SelectingWithMouse() && m_pPage && m_pPage->FocusTarget())
        m_pPage->FocusTarget()->setFocus(Qt::MouseFocusReason);
}

QWidget* CMainFrame::PageFocusTarget() const { return m_pPage ? m_pPage->FocusTarget() : nullptr; }

void CMainFrame::ShowSelectedPage() {
    if (const TreeItem item = m_pTree->SelectedItem()) OnTreeSelection(item);
}

QWidget* CMainFrame::FirstFocusable() const {
    QWidget* right = RightPane();
    if (!right) return nullptr;
    if (m_pPage && m_pPage->FocusTarget()) return m_pPage->FocusTarget();
    for (QWidget* w = right->nextInFocusChain(); w && w != right; w = w->nextInFocusChain()) {
        // Of a group of radio buttons the chosen one takes the focus, so that
        // Space there changes nothing.
        const auto* radio = qobject_cast<QRadioButton*>(w);
        if (radio && radio->autoExclusive() && !radio->isChecked()) continue;
        if (right->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

void CMainFrame::FocusPage() {
    if (QWidget* first = FirstFocusable()) first->setFocus(Qt::TabFocusReason);
}

bool CMainFrame::focusNextPrevChild(bool next) {
    // Tab goes from the tree into the page, Shift+Tab from the page's first
    // control back to the tree.
    QWidget* first = FirstFocusable();
    if (next && m_pTree->hasFocus() && first) {
        first->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (!next && first && first->hasFocus()) {
        m_pTree->setFocus(Qt::BacktabFocusReason);
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

void CMainFrame::SetStatusText(const QString& text) {
    m_pStatusText->setText(text);
    m_nReportedGeneration = m_state.m_history.Generation();
}

QString CMainFrame::StatusText() const { return m_pStatusText->text(); }

QString CMainFrame::ModifiedPaneText() const { return m_pModifiedPane->text(); }

void CMainFrame::UpdateCommands() {
    // A result reported on a configuration since replaced is no longer true.
    if (m_state.m_history.Generation() != m_nReportedGeneration) {
        SetStatusText(QCoreApplication::translate("App", AppMessages::kReadyStatus));
        m_state.m_nVerifyDifferences = 0;
        m_state.m_verifyDifferences.clear();
    }
    for (CommandGroup* group : m_groups) group->UpdateCommands();
    Action(kCmdViewToolbar)->setChecked(!m_pToolBar->isHidden());
    Action(kCmdViewStatusBar)->setChecked(!statusBar()->isHidden());
    m_pModifiedPane->setText(ShownText(ModifiedIndicatorText(m_doc)));
    UpdateTitle();
}

void CMainFrame::UpdateTitle() {
    // "[*]" is where the desktop shows its unsaved mark.
    const QString program = QCoreApplication::translate("Window", WindowMessages::kAppTitle);
    setWindowTitle(QFile::decodeName(m_doc.GetTitle().c_str()) + "[*] - " + program);
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::FocusNextPane() {
    if (m_pTree->hasFocus())
        FocusPage();
    else
        m_pTree->setFocus(Qt::TabFocusReason);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_pTreeSizer->Save();
    DocumentContext ctx = DocContext();
    if (!MayCloseMainWindow(m_state, *m_pPrompter) || !ConfirmLeave(ctx)) {
        event->ignore();
        return;
    }
    event->accept();
    KeepPlacement(*this, m_profile);
    if (m_closed) m_closed();
}

// Nothing is opened while a transfer runs, as File > Open is disabled then.
void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !m_state.m_bBusy) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (m_state.m_bBusy) {
        event->ignore();
        return;
    }
    for (const QUrl& url : event->mimeData()->urls()) {
        if (!url.isLocalFile()) continue;
        event->acceptProposedAction();
        activateWindow();
        m_pDocuments->OpenFile(url.toLocalFile());
        return;
    }
}
