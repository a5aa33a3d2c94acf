#include "app/HelpWindow.h"

#include <QKeyEvent>
#include <QUrl>

namespace {

constexpr QSize kHelpSize(760, 640);

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(kHelpSize);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    const bool closeKey = event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier;
    if (closeKey || event->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_W)) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

void HelpWindow::ShowPage(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
    setWindowTitle(documentTitle());
    setAccessibleName(documentTitle());
    // Opened the first time over the middle of the main window.
    if (!isVisible() && parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}
