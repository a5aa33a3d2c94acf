#include "window/ScrollingBody.h"

#include <QDialog>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

// Asks for all of its contents, not the toolkit's bounded share of them.
class WholeScrollArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

}  // namespace

QWidget* ScrollingBody(QDialog& dialog) {
    auto* area = new WholeScrollArea(&dialog);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The dialog's own background shows through, whatever colours it has.
    area->viewport()->setAutoFillBackground(false);
    auto* body = new QWidget;
    body->setAutoFillBackground(false);
    area->setWidget(body);
    auto* outer = new QVBoxLayout(&dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    return body;
}
