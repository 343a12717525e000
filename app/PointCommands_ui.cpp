// The Draw menu's point command: the point dialog, then the new point's list entry.
#include "app/PointCommands_ui.h"

#include "app/frmF1_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF16_ui.h"
#include "model/Cls8.h"
#include "model/Globals.h"

#include <QAction>
#include <QMenu>

void AddDrawPointCommand(frmF1* window, QMenu* drawMenu)
{
    QAction* action = drawMenu->addAction(QStringLiteral("点"));
    action->setObjectName(QStringLiteral("mnuDrawPoint"));
    QObject::connect(action, &QAction::triggered, window, [window] { mnuDrawPoint_Click(window); });
}

void PointRotation(float& roll, float& pitch, float& yaw)
{
    roll = 0.0f;
    pitch = g_DocumentKind == DocumentKind3D ? -15.0f : 0.0f;
    yaw = g_DocumentKind == DocumentKind3D ? 45.0f : 0.0f;
}

void mnuDrawPoint_Click(frmF1* window)
{
    g_EditingGraph = false;
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    {
        frmF16 dialog(window);
        dialog.SetUpForDrawMenu();
        dialog.exec();
    }
    float roll, pitch, yaw;
    PointRotation(roll, pitch, yaw);
    window->FinishCreatingCommand(oldCount, roll, pitch, yaw);
}
