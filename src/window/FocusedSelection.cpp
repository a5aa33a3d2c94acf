#include "window/FocusedSelection.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPalette>

namespace {

class SelectionByFocus : public QObject {
public:
    explicit SelectionByFocus(QAbstractItemView& view)
        : QObject(&view), m_view(view), m_focused(view.palette()), m_unfocused(view.palette()) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            m_unfocused.setColor(group, QPalette::Highlight,
                                 m_focused.color(QPalette::Active, QPalette::Midlight));
            m_unfocused.setColor(group, QPalette::HighlightedText,
                                 m_focused.color(QPalette::Active, QPalette::Text));
        }
        Show(view.hasFocus());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            Show(event->type() == QEvent::FocusIn);
        return QObject::eventFilter(watched, event);
    }

private:
    void Show(bool focused) { m_view.setPalette(focused ? m_focused : m_unfocused); }

    QAbstractItemView& m_view;
    QPalette m_focused;
    QPalette m_unfocused;
};

}  // namespace

void ShowFocusInSelection(QAbstractItemView& view) {
    view.installEventFilter(new SelectionByFocus(view));
}
