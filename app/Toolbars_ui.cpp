// The two toolbars of the main window, their buttons, and the status-bar
// hint written while the pointer moves over them.
#include "app/Toolbars_ui.h"

#include "app/AppIcons_ui.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>

namespace {

#define SEP(key) {key, nullptr, nullptr, nullptr, nullptr}

const std::vector<ToolbarButton> kToolbar1 = {
    SEP("barSep0"),
    {"barNew2D", "new2d", "创建新的二维图形", "创建新的二维图形", "mnuFileNew2D"},
    {"barNew25D", "new25d", "创建新的二维半图形", "创建新的二维半图形", "mnuFileNew25D"},
    {"barNew3D", "new3d", "创建新的三维图形", "创建新的三维图形", "mnuFileNew3D"},
    SEP("barSep1"),
    {"barOpen", "open", "打开", "打开", "mnuFileOpen"},
    {"barSave", "save", "保存", "保存", "mnuFileSave"},
    {"barSaveAs", "saveas", "另存为", "另存为", "mnuFileSaveAs"},
    SEP("barSep2"),
    {"barPrint", "print", "打印", "打印", "mnuFilePrint"},
    SEP("barSep3"),
    {"barCut", "cut", "剪切", "剪切", "mnuEditCut"},
    {"barCopy", "copy", "复制", "复制", "mnuEditCopy"},
    {"barCopyAs", "copyas", "按位图复制", "按位图复制", "mnuEditCopyAs"},
    {"barPaste", "paste", "粘贴", "粘贴", "mnuEditPaste"},
    {"varDel", "delete", "删除", "删除", "mnuEditDelete"},
    SEP("barSep4"),
    {"barHelp", "help", "帮助", "帮助", "mnuHelpCon"},
    SEP("barSep6"),
    SEP("barSep7"),
    {"barAnimPoints", "animpoints", "添加点动画", "添加点动画", "mnuAniPoint"},
    {"barAnim2DCart", "anim2dcart", "添加二维直角坐标函数图形动画", "添加二维直角坐标函数图形动画",
     "mnuAniCur2DCart"},
    {"barAnim2DPolar", "anim2dpolar", "添加二维极坐标函数图形动画", "添加二维极坐标函数图形动画",
     "mnuAniCur2DPol"},
    SEP("barSep8"),
    {"barAnim25DCart", "anim25dcart", "添加二维半直角坐标函数图形动画",
     "添加二维半直角坐标函数图形动画", "mnuAni25DCurCart"},
    {"barAnim25DPolar", "anim25dpolar", "添加二维半极坐标函数图形动画",
     "添加二维半极坐标函数图形动画", "mnuAni25DCurPol"},
    SEP("barSep9"),
    {"barAnimStart", "animstart", "开始", "开始", "mnuAniStartb"},
    {"barAnimPause", "animpause", "暂停", "暂停", "mnuAniPause"},
    {"barAnimStop", "animstop", "停止", "停止", "mnuAniStop"},
    {"barAnimFirst", "animfirst", "第一帧", "第一帧", "mnuAniFirst"},
    {"barAnimPre", "animpre", "前一帧", "前一帧", "mnuAniPre"},
    {"barAnimNext", "animnext", "后一帧", "后一帧", "mnuAniNext"},
    {"barAnimLast", "animlast", "最后一帧", "最后一帧", "mnuAniLast"},
    {"barAnimNormal", "animnormal", "正常模式", "正常模式", "mnuAniNormal"},
    {"barAnimRev", "animrev", "逆向模式", "逆向模式", "mnuAniRev"},
    {"barAnimNormalRepeat", "animnormalrepeat", "正向循环模式", "正向循环模式", "mnuAniRepeat"},
    {"barAnimRevRepeat", "animrevrepeat", "逆向循环模式", "逆向循环模式", "mnuAniRevRepeat"},
};

const std::vector<ToolbarButton> kToolbar2 = {
    SEP(""),
    {"barPoints", "points", "添加点", "添加点", "mnuDrawPoint"},
    {"barFun2DCart", "fun2dcart", "添加二维直角坐标函数图形", "添加二维直角坐标函数图形",
     "mnuDraw2DCart"},
    {"barFun2DPolar", "fun2dpolar", "添加二维极坐标函数图形", "添加二维极坐标函数图形",
     "mnuDraw2DPolar"},
    SEP("barSep5"),
    {"barFun25DCart", "fun25dcart", "添加二维半直角坐标函数图形", "添加二维半直角坐标函数图形",
     "mnuDraw25DCart"},
    {"barFun25DPolar", "fun25dpolar", "添加二维半极坐标函数图形", "添加二维半极坐标函数图形",
     "mnuDraw25DPolar"},
    SEP("barSep6"),
    {"barInter", "inter", "二维曲线相交", "二维曲线相交", "mnuDrawIP"},
    SEP("barSep13"),
    {"barGeomVec2D", "vec2d", "平面向量", "平面向量", "mnuDrawVector"},
    {"barGeomVecOp", "vecop", "平面向量运算", "平面向量运算", "mnuDrawVec2DOp"},
    {"barGeomLine", "line", "直线", "直线", "mnuDrawPartLine"},
    {"barGeomCircle", "circle", "圆", "圆", "mnuDrawPartCircle"},
    {"barGeomEllipse", "ellipse", "椭圆", "椭圆", "mnuDrawPartEllipse"},
    {"barGeomHyper", "hyper", "双曲线", "双曲线", "mnuDrawPartHyperbola"},
    {"barGeomPara", "para", "抛物线", "抛物线", "mnuDrawPartParabola"},
    SEP("barSep14"),
    {"barDengCha", "dengcha", "等差数列", "等差数列", "mnuDrawSLDif"},
    {"barDengBi", "dengbi", "等比数列", "等比数列", "mnuDrawSLScale"},
    SEP("barSep15"),
    {"barGeom3DLine", "spaceline", "空间直线", "空间直线", "mnuDrawSpaLine"},
    {"barGeomLengZhu", "prism", "棱柱", "棱柱", "mnuDrawPrism"},
    {"barGeomLengZhui", "pyramid", "棱锥", "棱锥", "mnuDrawPyramid"},
    {"barGeomLengTai", "pyramidfrustum", "棱台", "棱台", "mnuDrawLT"},
    {"barGeomYuanZhu", "cylinder", "圆柱", "圆柱", "mnuDrawCyl"},
    {"barGeomYuanZhui", "cone", "圆锥", "圆锥", "mnuDrawCone"},
    {"barGeomYuanTai", "conefrustum", "圆台", "圆台", "mnuDrawYT"},
    {"barGeomSphere", "sphere", "球", "球", "mnuDrawSphere"},
    SEP("barSep16"),
    {"barCoord", "coord", "坐标系", "坐标系", "mnuDrawAxis"},
    {"barLight", "light", "光照属性", "光照", "mnuDrawLight"},
    SEP("barSep7"),
    {"barISO", "iso", "ISO视图", "ISO视图", "mnuViewISO"},
    {"barMove", "move", "平移", "平移", "mnuViewMove"},
    {"barZoom", "zoom", "缩小或放大", "缩小或放大", "mnuViewZoom"},
    {"barZoomAll", "zoomall", "缩放到合适大小", "缩放到合适大小", "mnuViewFit"},
    {"barRotX", "rotx", "绕X轴旋转", "绕X轴旋转", "mnuViewRotX"},
    {"barRotY", "roty", "绕Y轴旋转", "绕Y轴旋转", "mnuViewRotY"},
    {"barRotZ", "rotz", "绕Z轴旋转", "绕Z轴旋转", "mnuViewRotZ"},
    {"barRot", "rot", "任意旋转", "跟踪球旋转", "mnuViewRotate"},
};

#undef SEP

const char* const kHintProperty = "statusHint";
const char* const kCommandProperty = "menuCommand";

// A menu item by name, never one of the toolbars' own actions.
QAction* MenuCommand(const QMainWindow* window, const QString& name)
{
    for (QAction* action : window->findChildren<QAction*>(name)) {
        if (!action->property(kCommandProperty).isValid())
            return action;
    }
    return nullptr;
}

// Writes the hint of the button under the pointer while it moves over one
// toolbar. The geometry is read afresh on every move. The moves are taken
// from the application, because a disabled button receives none itself and
// its hint is shown all the same.
class HintWriter : public QObject {
public:
    HintWriter(QToolBar* toolbar, QLabel* panel) : QObject(toolbar), m_toolbar(toolbar), m_panel(panel)
    {
        toolbar->setMouseTracking(true);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget == m_toolbar || m_toolbar->isAncestorOf(widget)) {
                const QPointF local = static_cast<QMouseEvent*>(event)->position();
                Move(widget == m_toolbar ? local : widget->mapTo(m_toolbar, local));
            }
        } else if (event->type() == QEvent::ChildAdded && watched == m_toolbar) {
            // Buttons are made when actions are added; they report moves
            // without a pressed button only with tracking on.
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                child->setMouseTracking(true);
        }
        return false;
    }

private:
    void Move(QPointF pos)
    {
        // Only strictly inside the toolbar's band; its edge rows change nothing.
        if (!(0 < pos.y() && pos.y() < m_toolbar->height()))
            return;
        for (QAction* action : m_toolbar->actions()) {
            if (action->isSeparator())
                continue;
            const QWidget* button = m_toolbar->widgetForAction(action);
            if (!button || !button->isVisible())
                continue;
            const int left = button->x();
            if (left < pos.x() && pos.x() < left + button->width()) {
                m_panel->setText(action->property(kHintProperty).toString());
                return;
            }
        }
        m_panel->setText(IdleHint());
    }

    QToolBar* m_toolbar;
    QLabel* m_panel;
};

QToolBar* BuildToolbar(QMainWindow* window, const char* name,
                       const std::vector<ToolbarButton>& buttons, QLabel* panel)
{
    auto* toolbar = new QToolBar(window);
    toolbar->setObjectName(QString::fromLatin1(name));
    toolbar->setWindowTitle(QString::fromLatin1(name));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    new HintWriter(toolbar, panel);
    for (const ToolbarButton& b : buttons) {
        if (!b.command) {
            QAction* separator = toolbar->addSeparator();
            separator->setObjectName(QString::fromLatin1(b.key));
            continue;
        }
        auto* action = new QAction(SvgIcon(QString::fromLatin1(b.icon)), QString(), toolbar);
        action->setObjectName(QString::fromLatin1(b.key));
        action->setToolTip(QString::fromUtf8(b.tooltip));
        action->setProperty(kHintProperty, QString::fromUtf8(b.hint));
        const QString command = QString::fromLatin1(b.command);
        action->setProperty(kCommandProperty, command);
        QObject::connect(action, &QAction::triggered, window, [window, command] {
            if (QAction* item = MenuCommand(window, command))
                item->trigger();
        });
        toolbar->addAction(action);
        // Buttons as compact as the 16-pixel images allow, so all of a
        // toolbar fits the window's starting width.
        if (QWidget* button = toolbar->widgetForAction(action))
            button->setFixedSize(23, 22);
    }
    toolbar->layout()->setSpacing(0);
    toolbar->layout()->setContentsMargins(1, 1, 1, 1);
    return toolbar;
}

const ToolbarButton* FindButton(const QString& key)
{
    for (const auto* list : {&kToolbar1, &kToolbar2}) {
        for (const ToolbarButton& b : *list) {
            if (b.command && key == QLatin1String(b.key))
                return &b;
        }
    }
    return nullptr;
}

} // namespace

const std::vector<ToolbarButton>& Toolbar1Buttons()
{
    return kToolbar1;
}

const std::vector<ToolbarButton>& Toolbar2Buttons()
{
    return kToolbar2;
}

QString IdleHint()
{
    return QStringLiteral("就绪");
}

bool ToolbarCommandExists(const QMainWindow* window, const QString& buttonKey)
{
    const ToolbarButton* button = FindButton(buttonKey);
    return button && MenuCommand(window, QString::fromLatin1(button->command));
}

MainToolbars AddMainToolbars(QMainWindow* window)
{
    MainToolbars bars;
    // One panel, empty until the first hint.
    bars.statusPanel = new QLabel(window->statusBar());
    bars.statusPanel->setObjectName(QStringLiteral("StatusBar1Panel1"));
    window->statusBar()->addWidget(bars.statusPanel, 1);

    bars.toolbar1 = BuildToolbar(window, "Toolbar1", kToolbar1, bars.statusPanel);
    bars.toolbar2 = BuildToolbar(window, "Toolbar2", kToolbar2, bars.statusPanel);
    window->addToolBar(Qt::TopToolBarArea, bars.toolbar1);
    window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, bars.toolbar2);
    // The layout takes the toolbar band as twice Toolbar1's height.
    const int height = std::max(bars.toolbar1->sizeHint().height(),
                                bars.toolbar2->sizeHint().height());
    bars.toolbar1->setFixedHeight(height);
    bars.toolbar2->setFixedHeight(height);
    return bars;
}
