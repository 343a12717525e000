// The Draw menu's figure commands and their menu items.
#include "app/FigureCommands_ui.h"

#include "dialogs/common/DialogHost.h"
#include "app/frmF1_ui.h"
#include "model/Cls8.h"
#include "model/Globals.h"

#include <QAction>
#include <QMenu>

namespace {

struct FigureItem {
    const char* name;
    const char* caption;
    FigureDialog dialog;
    const char* dialogCaption; // nullptr: the dialog keeps its own title
};

void AddItems(frmF1* window, QMenu* menu, std::initializer_list<FigureItem> items)
{
    for (const FigureItem& item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        const QString caption =
            item.dialogCaption ? QString::fromUtf8(item.dialogCaption) : QString();
        const FigureDialog which = item.dialog;
        // Solids and the space line turn the view.
        const bool solid = IsSolidFigure(which);
        QObject::connect(action, &QAction::triggered, window, [=] {
            RunFigureCommand(window, which, caption, 0.0f, solid ? -15.0f : 0.0f,
                             solid ? 45.0f : 0.0f);
        });
    }
}

QMenu* AddSubMenu(QMenu* menu, const char* name, const char* caption)
{
    QMenu* sub = menu->addMenu(QString::fromUtf8(caption));
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

constexpr FigureItem Separator{nullptr, nullptr, FigureDialog::Line, nullptr};

} // namespace

void AddFigureCommands(frmF1* window, QMenu* draw)
{
    using F = FigureDialog;
    AddItems(window, AddSubMenu(draw, "mnuDrawPart", "平面解析几何"),
             {{"mnuDrawVector", "平面向量", F::Vector, nullptr},
              {"mnuDrawVec2DOp", "平面向量运算", F::VectorOperation, nullptr},
              Separator,
              {"mnuDrawPartLine", "直线", F::Line, "直线"},
              {"mnuDrawPartCircle", "圆", F::Circle, "圆"},
              {"mnuDrawPartEllipse", "椭圆", F::Ellipse, "椭圆"},
              {"mnuDrawPartHyperbola", "双曲线", F::Hyperbola, "双曲线"},
              {"mnuDrawPartParabola", "抛物线", F::Parabola, "抛物线"}});
    AddItems(window, draw, {{"mnuDrawIP", "相交", F::Intersection, "相交关系"}});
    AddItems(window, AddSubMenu(draw, "mnuDrawShulie", "数列"),
             {{"mnuDrawSLDif", "等差数列", F::ArithmeticSequence, nullptr},
              {"mnuDrawSLScale", "等比数列", F::GeometricSequence, nullptr}});
    AddItems(window, AddSubMenu(draw, "mnuDrawGeometry", "立体几何"),
             {{"mnuDrawSpaLine", "空间直线", F::SpaceLine, nullptr},
              Separator,
              {"mnuDrawPrism", "棱柱", F::Prism, nullptr},
              {"mnuDrawPyramid", "棱锥", F::Pyramid, nullptr},
              {"mnuDrawLT", "棱台", F::PyramidFrustum, nullptr},
              {"mnuDrawCyl", "圆柱", F::Cylinder, nullptr},
              {"mnuDrawCone", "圆锥", F::Cone, nullptr},
              {"mnuDrawYT", "圆台", F::ConeFrustum, nullptr},
              {"mnuDrawSphere", "球", F::Sphere, nullptr}});
    AddItems(window, draw, {{"mnuDrawLimit", "极限", F::Limit, nullptr}});
}

void RunFigureCommand(frmF1* window, FigureDialog which, const QString& caption, float roll,
                      float pitch, float yaw)
{
    g_EditingGraph = false;
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    RunFigureDialog(which, window, caption);
    window->FinishCreatingCommand(oldCount, roll, pitch, yaw);
}
