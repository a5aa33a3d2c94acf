#include "app/PaletteMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/AppMessages.h"
#include "model/ReadableColours.h"
#include "window/ReadablePalette.h"

void AddPaletteMenu(QMenuBar& bar, Profile& profile) {
    QMenu* view = nullptr;
    for (QAction* top : bar.actions())
        if (top->menu() && top->text() == QString::fromLatin1(AppMessages::kMenuView))
            view = top->menu();
    if (!view) return;
    view->addSeparator();
    QMenu* menu = view->addMenu(QString::fromLatin1(AppMessages::kMenuPalette));
    menu->setObjectName("paletteMenu");
    auto* group = new QActionGroup(menu);
    const struct {
        PaletteChoice choice;
        const char* text;
    } choices[] = {
        {PaletteChoice::System, AppMessages::kPaletteSystem},
        {PaletteChoice::Light, AppMessages::kPaletteLight},
        {PaletteChoice::Dark, AppMessages::kPaletteDark},
        {PaletteChoice::HighContrast, AppMessages::kPaletteHighContrast},
    };
    const PaletteChoice kept = LoadPaletteChoice(profile);
    for (const auto& c : choices) {
        QAction* action = menu->addAction(QString::fromLatin1(c.text));
        action->setObjectName(QStringLiteral("palette%1").arg(static_cast<int>(c.choice)));
        action->setCheckable(true);
        action->setChecked(c.choice == kept);
        action->setStatusTip(QString::fromLatin1(AppMessages::kPromptPalette));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [&profile, choice = c.choice] {
            SavePaletteChoice(profile, choice);
            ApplyPaletteChoice(choice);
        });
    }
}
