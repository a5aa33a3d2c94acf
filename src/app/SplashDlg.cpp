#include "app/SplashDlg.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/AppPictures.h"

SplashDlg::SplashDlg(int showMs, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("splash");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* border = new QFrame(this);
    border->setFrameStyle(QFrame::Box | QFrame::Plain);
    border->setLineWidth(1);
    auto* inner = new QVBoxLayout(border);
    inner->setContentsMargins(1, 1, 1, 1);
    auto* picture = new QLabel(border);
    picture->setObjectName("1130");
    picture->setPixmap(StartPicture());
    inner->addWidget(picture);
    layout->addWidget(border);
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, &QDialog::accept);
    m_pTimer->start(showMs);
}

void SplashDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    m_pTimer->stop();
    accept();
}
