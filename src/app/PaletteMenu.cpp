#include "app/PaletteMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/AppMessages.h"
#include "model/ReadableColours.h"
#include "window/ReadablePalette.h"

void AddPaletteMenu(QMenuBar& bar, Profile& profile) {
    QMenu* view = nullptr;
    for (QAction* top : bar.actions())
        if (top->menu() &&
            top->text() == QCoreApplication::translate("App", AppMessages::kMenuView))
            view = top->menu();
    if (!view) return;
    view->addSeparator();
    QMenu* menu = view->addMenu(QCoreApplication::translate("App", AppMessages::kMenuPalette));
    menu->setObjectName("paletteMenu");
    auto* group = new QActionGroup(menu);
    namespace M = AppMessages;
    const struct {
        PaletteChoice choice;
        QString text;
    } choices[] = {
        {PaletteChoice::System, QCoreApplication::translate("App", M::kPaletteSystem)},
        {PaletteChoice::Light, QCoreApplication::translate("App", M::kPaletteLight)},
        {PaletteChoice::Dark, QCoreApplication::translate("App", M::kPaletteDark)},
        {PaletteChoice::HighContrast, QCoreApplication::translate("App", M::kPaletteHighContrast)},
    };
    const PaletteChoice kept = LoadPaletteChoice(profile);
    for (const auto& c : choices) {
        QAction* action = menu->addAction(c.text);
        action->setObjectName(QStringLiteral("palette%1").arg(static_cast<int>(c.choice)));
        action->setCheckable(true);
        action->setChecked(c.choice == kept);
        action->setStatusTip(QCoreApplication::translate("App", AppMessages::kPromptPalette));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [&profile, choice = c.choice] {
            SavePaletteChoice(profile, choice);
            ApplyPaletteChoice(choice);
        });
    }
}
