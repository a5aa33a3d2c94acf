#include "app/HelpWindow.h"

#include <QUrl>

namespace {

constexpr QSize kHelpSize(760, 640);

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowFlag(Qt::Window);
    setOpenExternalLinks(true);
    resize(kHelpSize);
}

void HelpWindow::ShowPage(const QString& path) {
    setSource(QUrl::fromLocalFile(path));
    setWindowTitle(documentTitle());
    show();
    raise();
    activateWindow();
}
