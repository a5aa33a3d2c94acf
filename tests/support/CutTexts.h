#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <string>
#include <vector>

// The texts of a shown window that their widgets cut: a label, button, group
// box title, tab or column heading whose text is wider than the room its
// widget has on screen (a wrapping label: higher). Each as "QLabel 'text':
// needs 240 px, has 180"; empty when every text shows whole. Hidden widgets
// and empty texts are left out. Run it in any language: under the
// pseudo-language en_XA every translated text is 40 % longer.
namespace cut_texts {

inline QString Plain(QString text) {
    text.remove(QLatin1Char('&'));  // the underlined key's mark
    return text;
}

inline int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

inline void Report(std::vector<std::string>& out, const QWidget& widget, const QString& text,
                   int needs, int has) {
    if (needs <= has) return;
    out.push_back(std::string(widget.metaObject()->className()) + " '" + text.toStdString() +
                  "': needs " + std::to_string(needs) + " px, has " + std::to_string(has));
}

inline void CheckLabel(std::vector<std::string>& out, const QLabel& label) {
    if (label.text().isEmpty()) return;
    QString text = label.text();
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    // A label with a buddy draws the "&" of its key as the letter's underline.
    if (label.buddy()) text = Plain(text);
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(),
                                                     -label.margin(), -label.margin());
    const int indent = std::max(label.indent(), 0);
    if (!label.wordWrap()) {
        Report(out, label, text, WidestLine(label.fontMetrics(), text), room.width() - indent);
        return;
    }
    // A wrapping label cuts a word longer than its width, and lines past its height.
    int longestWord = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+"))))
        longestWord = std::max(longestWord, label.fontMetrics().horizontalAdvance(word));
    Report(out, label, text, longestWord, room.width() - indent);
    Report(out, label, text, label.heightForWidth(label.width()), label.height());
}

inline void CheckButton(std::vector<std::string>& out, const QAbstractButton& button) {
    if (button.text().isEmpty()) return;
    const QString text = Plain(button.text());
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button) ||
        qobject_cast<const QToolButton*>(&button)) {
        Report(out, button, text, button.sizeHint().width(), button.width());
        return;
    }
    const int margin = button.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button);
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    Report(out, button, text, WidestLine(button.fontMetrics(), text) + icon + margin,
           button.width());
}

inline void CheckHeader(std::vector<std::string>& out, const QHeaderView& header) {
    const QAbstractItemModel* model = header.model();
    if (!model) return;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section) || header.sectionSize(section) == 0) continue;
        const QString text =
            model->headerData(section, header.orientation(), Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        const int room =
            header.orientation() == Qt::Horizontal ? header.sectionSize(section) : header.width();
        Report(out, header, text, WidestLine(header.fontMetrics(), text) + 2 * margin, room);
    }
}

}  // namespace cut_texts

inline std::vector<std::string> CutTexts(const QWidget& window) {
    using namespace cut_texts;
    std::vector<std::string> out;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (const QWidget* widget : widgets) {
        if (!widget->isVisible()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(out, *label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            CheckButton(out, *button);
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            CheckHeader(out, *header);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            if (!group->title().isEmpty())
                Report(out, *group, group->title(),
                       group->fontMetrics().horizontalAdvance(Plain(group->title())),
                       group->width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                Report(out, *tabs, tabs->tabText(i),
                       tabs->fontMetrics().horizontalAdvance(Plain(tabs->tabText(i))),
                       tabs->tabRect(i).width());
        }
    }
    return out;
}
