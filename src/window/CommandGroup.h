#pragma once

#include <QObject>

// One group of menu and toolbar commands, kept by the subsystem it belongs to.
// The main window asks every group to refresh the enabled and checked states
// of its commands whenever it refreshes the menu and toolbar.
class CommandGroup : public QObject {
public:
    using QObject::QObject;
    virtual void UpdateCommands() = 0;
};
