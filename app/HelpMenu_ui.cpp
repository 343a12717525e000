// The Help menu: help contents, home page, support page and the About box.
#include "app/HelpMenu_ui.h"

#include "app/ProgramFolder.h"
#include "app/frmF1_ui.h"
#include "app/frmF2_ui.h"
#include "platform/MessageBox.h"
#include "platform/ShellOpen_ui.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

QString HelpFilePath()
{
    return ProgramDataPath(QStringLiteral("help/index.html"));
}

QUrl HomePageUrl()
{
    const QString home = ConfiguredHomePage();
    if (!home.isEmpty())
        return QUrl(home);
    return QUrl::fromLocalFile(ProgramDataPath(QStringLiteral("README.md")));
}

QUrl SupportPageUrl()
{
    const QString support = ConfiguredSupportPage();
    if (!support.isEmpty())
        return QUrl(support);
    // The support page lies at /support.html of the home page's server.
    const QUrl home = HomePageUrl();
    if (!home.isLocalFile())
        return home.resolved(QUrl(QStringLiteral("/support.html")));
    return home;
}

bool OpenHelpTarget(QWidget*, const QUrl& target)
{
    const QString shown = target.isLocalFile() ? target.toLocalFile() : target.toString();
    if (target.isLocalFile() && !QFileInfo::exists(target.toLocalFile())) {
        ShowMessage(QStringLiteral("找不到文件“%1”。").arg(shown), QStringLiteral("注意"),
                    MsgIcon::Warning);
        return false;
    }
    if (!ShellOpen(target)) {
        ShowMessage(QStringLiteral("无法打开“%1”：系统中没有能打开它的程序。").arg(shown),
                    QStringLiteral("注意"), MsgIcon::Warning);
        return false;
    }
    return true;
}

void mnuHelpCon_Click(QWidget* owner)
{
    OpenHelpTarget(owner, QUrl::fromLocalFile(HelpFilePath()));
}

void mnuHelpHome_Click(QWidget* owner)
{
    OpenHelpTarget(owner, HomePageUrl());
}

void mnuHelpCus_Click(QWidget* owner)
{
    OpenHelpTarget(owner, SupportPageUrl());
}

void mnuHelpAbout_Click(QWidget* owner)
{
    frmF2 about(owner);
    about.exec();
}

void AddHelpMenu(frmF1* window, QMenu* helpMenu)
{
    auto item = [&](const char* name, const QString& caption, void (*handler)(QWidget*)) {
        QAction* action = helpMenu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, window, [window, handler] { handler(window); });
    };
    item("mnuHelpCon", QStringLiteral("内容..."), mnuHelpCon_Click);
    helpMenu->addSeparator();
    item("mnuHelpHome", QStringLiteral("主页"), mnuHelpHome_Click);
    item("mnuHelpCus", QStringLiteral("支持"), mnuHelpCus_Click);
    helpMenu->addSeparator();
    item("mnuHelpAbout", QStringLiteral("关于..."), mnuHelpAbout_Click);
}
