#pragma once
// The Help menu: help contents, home page, support page and the About box.
// The help file and the pages are opened by the desktop as separate
// programs; what cannot be opened is reported instead of passing silently.
#include <QUrl>

class QMenu;
class QWidget;
class frmF1;

// Fills the Help menu ("帮助") with its items, in menu order.
void AddHelpMenu(frmF1* window, QMenu* helpMenu);

// The help file: the program's HTML help in its data folder.
QString HelpFilePath();
// The home page and the support page, as configured for the build; without
// a configured address the README stands for both.
QUrl HomePageUrl();
QUrl SupportPageUrl();

// Opens a help document or page for `owner`; a missing local file or a
// request the desktop refuses gives a message. True when it was handed over.
bool OpenHelpTarget(QWidget* owner, const QUrl& target);

void mnuHelpCon_Click(QWidget* owner);
void mnuHelpHome_Click(QWidget* owner);
void mnuHelpCus_Click(QWidget* owner);
void mnuHelpAbout_Click(QWidget* owner);
