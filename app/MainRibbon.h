#pragma once

#include <QCoreApplication>

#include "app/RibbonCommands.h"

class RibbonBar;
class QWidget;

// The main window's ribbon: its pages, groups, choosers and commands, the application menu and
// the context menus, built into the window's command set, and their texts. The window wires the
// commands to its slots.
class MainRibbon
{
    // The texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // window: owns the actions that have no button, and takes the menu's shortcuts.
    static void build(RibbonBar *bar, QWidget *window, RibbonCommands &commands);
    static void retranslate(RibbonBar *bar, RibbonCommands &commands);
};
