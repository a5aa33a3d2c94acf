#include "window/ReadablePalette.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QProgressBar>
#include <QStyle>
#include <QStyleFactory>
#include <functional>

namespace {

Rgb ToRgb(const QColor& c) {
    return {static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
            static_cast<uint8_t>(c.blue())};
}

QColor ToColor(Rgb c) { return QColor(c.m_nRed, c.m_nGreen, c.m_nBlue); }

QPalette PaletteOf(const PaletteScheme& s) {
    QPalette p;
    const struct {
        QPalette::ColorRole role;
        Rgb colour;
    } roles[] = {
        {QPalette::Window, s.m_window},
        {QPalette::WindowText, s.m_windowText},
        {QPalette::Base, s.m_base},
        {QPalette::AlternateBase, s.m_alternateBase},
        {QPalette::Text, s.m_text},
        {QPalette::PlaceholderText, s.m_placeholderText},
        {QPalette::Button, s.m_button},
        {QPalette::ButtonText, s.m_buttonText},
        {QPalette::BrightText, s.m_windowText},
        {QPalette::Highlight, s.m_highlight},
        {QPalette::HighlightedText, s.m_highlightedText},
        {QPalette::Link, s.m_link},
        {QPalette::LinkVisited, s.m_link},
        {QPalette::ToolTipBase, s.m_toolTipBase},
        {QPalette::ToolTipText, s.m_toolTipText},
        {QPalette::Light, s.m_light},
        {QPalette::Midlight, s.m_midlight},
        {QPalette::Mid, s.m_mid},
        {QPalette::Dark, s.m_dark},
        {QPalette::Shadow, s.m_shadow},
    };
    for (const auto& r : roles) p.setColor(r.role, ToColor(r.colour));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, ToColor(s.m_disabledText));
    return p;
}

// Runs `follow` now and whenever the palette of the watched widget changes.
class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget& widget, std::function<void(QWidget&)> follow)
        : QObject(&widget), m_widget(widget), m_follow(std::move(follow)) {
        widget.installEventFilter(this);
        Follow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_widget && !m_bFollowing &&
            (event->type() == QEvent::ApplicationPaletteChange ||
             event->type() == QEvent::PaletteChange))
            Follow();
        return QObject::eventFilter(watched, event);
    }

private:
    void Follow() {
        m_bFollowing = true;
        m_follow(m_widget);
        m_bFollowing = false;
    }

    QWidget& m_widget;
    std::function<void(QWidget&)> m_follow;
    bool m_bFollowing = false;
};

// The palette of the moment, before any colour of the widget's own.
QPalette InheritedPalette(const QWidget& widget) { return QApplication::palette(&widget); }

}  // namespace

void ApplyPaletteChoice(PaletteChoice choice) {
    // What the desktop gave, kept from before the first change.
    static const QPalette systemPalette = QApplication::palette();
    static const QString systemStyle = QApplication::style()->name();
    const std::optional<PaletteScheme> scheme = SchemeOf(choice);
    const QString style = scheme ? QStringLiteral("Fusion") : systemStyle;
    if (QApplication::style()->name().compare(style, Qt::CaseInsensitive) != 0)
        if (QStyle* made = QStyleFactory::create(style)) QApplication::setStyle(made);
    QApplication::setPalette(scheme ? PaletteOf(*scheme) : systemPalette);
}

void ShowAsWarning(QWidget& text) {
    QFont bold = text.font();
    bold.setBold(true);
    text.setFont(bold);
    new PaletteFollower(text, [](QWidget& w) {
        QPalette p = InheritedPalette(w);
        p.setColor(QPalette::WindowText, ToColor(WarningTextOn(ToRgb(p.color(QPalette::Window)))));
        w.setPalette(p);
    });
}

void ShowOnWindowColour(QWidget& field) {
    new PaletteFollower(field, [](QWidget& w) {
        QPalette p = InheritedPalette(w);
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        p.setColor(QPalette::Text, p.color(QPalette::WindowText));
        w.setPalette(p);
    });
}

void ShowGreenProgress(QProgressBar& bar) {
    new PaletteFollower(bar, [](QWidget& w) {
        constexpr Rgb kGreen{0, 200, 0};
        QPalette p = InheritedPalette(w);
        p.setColor(QPalette::Highlight, ToColor(kGreen));
        p.setColor(QPalette::HighlightedText, ToColor(PlainTextOn(kGreen)));
        w.setPalette(p);
    });
}
