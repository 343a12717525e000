#pragma once
// The main window's two toolbars and the status-bar hints. Every button runs
// the menu item it stands for (found by the item's object name when it is
// clicked), so a button and its menu item do exactly the same thing. Moving
// the pointer over a toolbar writes the hint of the button under it into the
// status bar, or "就绪" over no button.
#include <QString>
#include <vector>

class QLabel;
class QMainWindow;
class QToolBar;

struct ToolbarButton {
    const char* key;     // objectName of the button's action
    const char* icon;    // icons/<icon>.svg; nullptr for a separator
    const char* tooltip;
    const char* hint;    // status-bar hint
    const char* command; // objectName of the menu item it runs
};

// The buttons of Toolbar1 and Toolbar2 in order, separators included, so a
// button's 1-based index is its position here.
const std::vector<ToolbarButton>& Toolbar1Buttons();
const std::vector<ToolbarButton>& Toolbar2Buttons();

// The text the status bar shows over no button.
QString IdleHint();

// Builds both toolbars (Toolbar2 below Toolbar1) and the status bar's one
// panel into `window`. Both toolbars get the same height.
struct MainToolbars {
    QToolBar* toolbar1 = nullptr;
    QToolBar* toolbar2 = nullptr;
    QLabel* statusPanel = nullptr;
};
MainToolbars AddMainToolbars(QMainWindow* window);

// True when the menu item a button runs exists in `window`; a button whose
// item is missing stays disabled.
bool ToolbarCommandExists(const QMainWindow* window, const QString& buttonKey);
