#include "window/AccessibleNames.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// The combo box as the toolkit shows it, a list of choices and, when it is
// editable, its text field, named after its label (its buddy or the name
// the program gave it).
class AccessibleComboBox : public QAccessibleWidget {
public:
    explicit AccessibleComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Box()->isEditable() && Box()->lineEdit() ? Box()->lineEdit()->text()
                                                            : Box()->currentText();
        if (t == QAccessible::Name) {
            const QString named = QAccessibleWidget::text(t);
            return named.isEmpty() ? Box()->currentText() : named;
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return EditField() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && EditField()) return QAccessible::queryAccessibleInterface(EditField());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == Box()->view()) return 0;
        if (EditField() && child->object() == EditField()) return 1;
        return -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            Box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QLineEdit* EditField() const { return Box()->isEditable() ? Box()->lineEdit() : nullptr; }
};

QAccessibleInterface* ComboBoxFactory(const QString& key, QObject* object) {
    if (key != QLatin1String("QComboBox")) return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    return box ? new AccessibleComboBox(box) : nullptr;
}

}  // namespace

void InstallAccessibleComboBoxes() {
    static const bool installed = [] {
        QAccessible::installFactory(ComboBoxFactory);
        return true;
    }();
    (void)installed;
}

QString NameOfLabel(const QString& labelText) {
    QString name;
    for (qsizetype i = 0; i < labelText.size(); ++i) {
        if (labelText[i] == QLatin1Char('&')) {
            if (++i == labelText.size()) break;
        }
        name += labelText[i];
    }
    return name;
}
