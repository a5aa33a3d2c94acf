#pragma once

#include <QWidget>

class QLabel;

// The right pane before any configuration exists: a framed invitation to
// click New, and the program's picture below it.
class CZRTProView : public QWidget {
    Q_OBJECT
public:
    explicit CZRTProView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* m_pPicture;
};
