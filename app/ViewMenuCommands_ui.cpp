// The View menu's drag modes and view dialog, the coordinate-system and light
// commands, and the drawing area's drag handling.
#include "app/ViewMenuCommands_ui.h"

#include "app/frmF1_ui.h"
#include "dialogs/view/AxesCommand_ui.h"
#include "dialogs/view/frmF14_ui.h"
#include "dialogs/view/frmF8_ui.h"
#include "model/Globals.h"
#include "view/Trackball.h"
#include "view/ViewCommands.h"
#include "view/ViewMouse_ui.h"
#include "view/ViewState.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace {

QMenu* MenuNamed(frmF1* window, const char* name)
{
    return window->menuBar()->findChild<QMenu*>(QString::fromLatin1(name),
                                                Qt::FindDirectChildrenOnly);
}

QAction* NewAction(QMenu* menu, const char* name, const QString& caption,
                   const std::function<void()>& run)
{
    auto* action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, run);
    return action;
}

QAction* NewSeparator(QMenu* menu, const char* name)
{
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QAction* ActionNamed(QMenu* menu, const char* name)
{
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String(name))
            return a;
    }
    return nullptr;
}

// The action after `action` in the menu, or nullptr at the end.
QAction* ActionAfter(QMenu* menu, QAction* action)
{
    const QList<QAction*> actions = menu->actions();
    const qsizetype i = actions.indexOf(action);
    return i >= 0 && i + 1 < actions.size() ? actions[i + 1] : nullptr;
}

} // namespace

void mnuDrawAxis_Click(frmF1* window)
{
    RunAxesCommand(window, [window] { window->BuildDisplayLists(); },
                   [window] { window->Display(g_CurFrame); });
}

void mnuDrawLight_Click(frmF1* window)
{
    frmF8 dialog(window);
    dialog.exec();
}

void mnuViewSet_Click(frmF1* window)
{
    frmF14 dialog(window);
    dialog.exec();
}

void AddViewCommands(frmF1* window)
{
    if (QMenu* view = MenuNamed(window, "mnuView")) {
        QAction* fit = ActionNamed(view, "mnuViewFit");
        QAction* afterFit = fit ? ActionAfter(view, fit) : nullptr;
        QAction* move = NewAction(view, "mnuViewMove", QStringLiteral("平移"),
                                  [] { SetMoveMode(g_View); });
        move->setShortcut(QKeySequence(Qt::Key_F7));
        view->insertAction(fit, move);
        QAction* zoom = NewAction(view, "mnuViewZoom", QStringLiteral("缩小或放大"),
                                  [] { SetZoomMode(g_View); });
        zoom->setShortcut(QKeySequence(Qt::Key_F8));
        view->insertAction(fit, zoom);
        const struct {
            const char* name;
            const char* caption;
            int32_t axis;
        } rotations[] = {{"mnuViewRotX", "绕X轴旋转", TrackballAxisX},
                         {"mnuViewRotY", "绕Y轴旋转", TrackballAxisY},
                         {"mnuViewRotZ", "绕Z轴旋转", TrackballAxisZ},
                         {"mnuViewRotate", "任意旋转", TrackballAxisFree}};
        for (const auto& r : rotations) {
            const int32_t axis = r.axis;
            view->insertAction(afterFit,
                               NewAction(view, r.name, QString::fromUtf8(r.caption),
                                         [axis] { SetRotateMode(g_View, axis); }));
        }
        if (afterFit && afterFit->isSeparator() && afterFit->objectName().isEmpty())
            afterFit->setObjectName(QStringLiteral("mnuViewSep"));
        view->addAction(NewSeparator(view, "mnuViewSep2"));
        view->addAction(NewAction(view, "mnuViewSet", QStringLiteral("设置..."),
                                  [window] { mnuViewSet_Click(window); }));
    }

    const auto axisCommand = [window] { mnuDrawAxis_Click(window); };
    const auto lightCommand = [window] { mnuDrawLight_Click(window); };
    if (QMenu* draw = MenuNamed(window, "mnuDraw")) {
        draw->addSeparator();
        draw->addAction(NewAction(draw, "mnuDrawAxis", QStringLiteral("坐标系..."), axisCommand));
        draw->addAction(NewAction(draw, "mnuDrawLight", QStringLiteral("光照..."), lightCommand));
    }
    if (QMenu* popup = window->GraphEdit) {
        popup->addSeparator();
        popup->addAction(NewAction(popup, "mnuGraphAxis", QStringLiteral("坐标系..."), axisCommand));
        popup->addAction(NewAction(popup, "mnuGraphLight", QStringLiteral("光照..."), lightCommand));
    }

    if (window->picDraw) {
        new ViewMouse(window->picDraw, [window] { window->BuildDisplayLists(); },
                      [window] { window->Display(g_CurFrame); });
    }
}
