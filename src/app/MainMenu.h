#pragma once

#include <map>

class QAction;
class QMainWindow;
class QToolBar;

using CommandActions = std::map<int, QAction*>;

// Makes the action of every menu and toolbar command with its text, shortcut,
// status bar prompt and tooltip, keyed by command id.
CommandActions CreateCommandActions(QMainWindow* window);

// The menu bar: File (with the Import submenu and the recent files), Edit, View, Help.
void BuildMainMenu(QMainWindow* window, const CommandActions& actions);

// The toolbar: New, Open, Save, Print, Write, Read, Set Time.
QToolBar* BuildToolBar(QMainWindow* window, const CommandActions& actions);
