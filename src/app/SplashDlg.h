#pragma once

#include <QDialog>

class QTimer;

// The start-up picture: shown without a title bar in the middle of the
// screen, gone after a few seconds or at a click.
class SplashDlg : public QDialog {
    Q_OBJECT
public:
    explicit SplashDlg(int showMs, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer* m_pTimer;
};
