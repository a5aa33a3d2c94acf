#include "window/FocusedSelection.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QPalette>

#include "model/ReadableColours.h"

namespace {

Rgb ToRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

class SelectionByFocus : public QObject {
public:
    explicit SelectionByFocus(QAbstractItemView& view) : QObject(&view), m_view(view) {
        Show(view.hasFocus());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::FocusIn:
                // A list the keys come to shows where they are, even before a row is chosen.
                if (!m_view.currentIndex().isValid() && m_view.model() &&
                    m_view.model()->rowCount(m_view.rootIndex()) > 0)
                    m_view.setCurrentIndex(m_view.model()->index(0, 0, m_view.rootIndex()));
                Show(true);
                break;
            case QEvent::FocusOut:
                Show(false);
                break;
            case QEvent::ApplicationPaletteChange:
                Show(m_view.hasFocus());
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // The desktop's highlight with the focus; without it a quiet grey, its
    // text the usual one where that reads on the grey, else black or white.
    void Show(bool focused) {
        const QPalette base = QApplication::palette(&m_view);
        QPalette shown = base;
        if (!focused) {
            const QColor grey = base.color(QPalette::Active, QPalette::Midlight);
            QColor text = base.color(QPalette::Active, QPalette::Text);
            if (ContrastRatio(ToRgb(text), ToRgb(grey)) < kReadableContrast) {
                const Rgb plain = PlainTextOn(ToRgb(grey));
                text = QColor(plain.m_nRed, plain.m_nGreen, plain.m_nBlue);
            }
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                shown.setColor(group, QPalette::Highlight, grey);
                shown.setColor(group, QPalette::HighlightedText, text);
            }
        }
        m_view.setPalette(shown);
    }

    QAbstractItemView& m_view;
};

}  // namespace

void ShowFocusInSelection(QAbstractItemView& view) {
    view.installEventFilter(new SelectionByFocus(view));
}
