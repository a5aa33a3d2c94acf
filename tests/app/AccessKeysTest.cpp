#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "app/AppFixture.h"
#include "document/widgets/DocumentCommandGroup.h"
#include "import/widgets/CSetupWizardDlg.h"
#include "import/widgets/CUnitModelDlg.h"
#include "model/MemoryProfile.h"
#include "unit/widgets/ConnectionDlg.h"
#include "unit/widgets/ModemDlg.h"

namespace {

// The letter after a single "&", lower case; none for a text without one.
QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// The controls of `window` shown now (and `titles`, the menu bar's) by their
// access keys; a key two of them share is a fault.
std::vector<std::string> SharedKeys(QWidget& window, const QStringList& titles) {
    std::map<QChar, QStringList> owners;
    for (const QString& title : titles)
        if (const QChar key = AccessKey(title); !key.isNull()) owners[key] << title;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->window() != &window) continue;
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            text = button->text();
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            text = label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            text = group->title();
        if (const QChar key = AccessKey(text); !key.isNull()) owners[key] << text;
    }
    std::vector<std::string> shared;
    for (const auto& [key, texts] : owners)
        if (texts.size() > 1) shared.push_back(texts.join(" / ").toStdString());
    return shared;
}

}  // namespace

// Every page beside the tree with the menu bar, and every dialog on its own:
// no access key opens two things.
TEST_F(AppTest, NoTwoControlsOfAWindowShareAnAccessKey) {
    CMainFrame& frame = NewFrame();
    ASSERT_TRUE(
        frame.Documents().OpenFile(QString::fromStdString(WriteConfig("s.zrt", 8, 2, 100))));
    QStringList titles;
    for (QAction* menu : frame.menuBar()->actions()) titles << menu->text();
    std::vector<QTreeWidgetItem*> items = {frame.Tree().topLevelItem(0)};
    for (const char* label : {"Settings", "Idle Loop", "Input 1", "exp 1, inp 3", "Input 3"})
        items.push_back(ItemOf(m_doc, label));
    for (QTreeWidgetItem* item : items) {
        ASSERT_NE(item, nullptr);
        ClickItem(frame.Tree(), item);
        EXPECT_EQ(SharedKeys(frame, titles), std::vector<std::string>{})
            << item->text(0).toStdString();
    }
    // Each menu on its own.
    for (QAction* menu : frame.menuBar()->actions()) {
        QStringList items;
        for (QAction* a : menu->menu()->actions())
            if (a->isVisible() && !a->isSeparator()) items << a->text();
        QWidget none;
        EXPECT_EQ(SharedKeys(none, items), std::vector<std::string>{})
            << menu->text().toStdString();
    }

    MemoryProfile profile;
    QtPrompter prompter(nullptr, profile);
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CSetupWizardDlg>(prompter));
    dialogs.push_back(std::make_unique<CUnitModelDlg>(prompter, true));
    dialogs.push_back(std::make_unique<ConnectionDlg>(profile));
    dialogs.push_back(std::make_unique<ModemDlg>());
    for (auto& dialog : dialogs) {
        dialog->show();
        EXPECT_EQ(SharedKeys(*dialog, {}), std::vector<std::string>{})
            << dialog->metaObject()->className();
    }
}
