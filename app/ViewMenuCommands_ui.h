#pragma once
// The View menu's drag modes and view dialog, the Draw menu's coordinate-
// system and light dialogs (also in the drawing area's pop-up menu), and the
// drawing area's drag handling. Called once while the main window builds
// its menus, after the View menu (with its fit and ISO items), the Draw menu
// and the GraphEdit pop-up exist.
class frmF1;

void AddViewCommands(frmF1* window);

// The commands themselves, callable as the menu items run them.
void mnuDrawAxis_Click(frmF1* window);
void mnuDrawLight_Click(frmF1* window);
void mnuViewSet_Click(frmF1* window);
