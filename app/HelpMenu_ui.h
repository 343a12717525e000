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

// The help file: help.chm beside the program (or in the source tree).
QString HelpFilePath();
// The home page and the support page. The project's README is both: the
// program has no web site of its own.
QUrl HomePageUrl();
QUrl SupportPageUrl();

// Opens a help document or page for `owner`; a missing local file or a
// request the desktop refuses gives a message. True when it was handed over.
bool OpenHelpTarget(QWidget* owner, const QUrl& target);

void mnuHelpCon_Click(QWidget* owner);
void mnuHelpHome_Click(QWidget* owner);
void mnuHelpCus_Click(QWidget* owner);
void mnuHelpAbout_Click(QWidget* owner);
