#include "app/HelpWindow.h"

#include <QShortcut>
#include <QUrl>

namespace {

constexpr QSize kHelpSize(760, 640);

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(kHelpSize);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::ShowPage(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
    setWindowTitle(documentTitle());
    // Opened the first time over the middle of the main window.
    if (!isVisible() && parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}
