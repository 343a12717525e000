// frmF1, the main window: menus, graph list, result pane, drawing area and splitter bars;
// it implements the dialogs' DialogHost and the clipboard's GraphClipboardHost.
#include "app/frmF1_ui.h"

#include "app/AnimationCommands_ui.h"
#include "app/AppIcons_ui.h"
#include "app/DemoMenu_ui.h"
#include "app/FigureCommands_ui.h"
#include "app/EditCommand_ui.h"
#include "app/HelpMenu_ui.h"
#include "app/PointCommands_ui.h"
#include "app/ProgramFolder.h"
#include "app/SplitterBar_ui.h"
#include "app/Toolbars_ui.h"
#include "app/ViewMenuCommands_ui.h"
#include "app/frmF23_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/graph/frmF4_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "draw/ResultPane.h"
#include "expr/FrmFunCal_ui.h"
#include "expr/Globals.h"
#include "io/DocumentCommands_ui.h"
#include "io/GraphClipboard_ui.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "platform/FileAssociation.h"
#include "view/Cls10.h"
#include "view/Cls4.h"
#include "view/DrawingArea_gl.h"
#include "view/Trackball.h"
#include "view/ViewCommands.h"
#include "view/ViewState.h"
#include "view/DrawingMessages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>

#include <cmath>
#include <exception>

namespace {

frmF1* g_MainWindow = nullptr;

// Graph types whose points depend on the plot range or the frame count and
// are therefore sampled again when their entry is ticked again.
bool ResampledOnTick(int32_t type)
{
    switch (type) {
    case GraphType2DFunction:
    case GraphType25DFunction:
    case GraphTypePoint:
    case GraphTypePointAnimation:
    case GraphType2DFunctionAnimation:
    case GraphType25DFunctionAnimation:
    case GraphTypeCurveIntersection:
    case GraphTypeLimit:
    case GraphTypeLine:
    case GraphTypeCircle:
    case GraphTypeEllipse:
    case GraphTypeHyperbola:
    case GraphTypeParabola:
        return true;
    default:
        return false;
    }
}

// Which commands each document kind offers: {name, 2D, 2.5D, 3D}; first
// the toolbar buttons, then the menu items.
struct CommandState {
    const char* name;
    bool kind2D, kind25D, kind3D;
};
constexpr CommandState CommandStates[] = {
    {"barAnimPoints", true, true, true},    {"barAnim2DCart", true, false, false},
    {"barAnim2DPolar", true, false, false}, {"barAnim25DCart", false, true, false},
    {"barAnim25DPolar", false, true, false}, {"barAnimStart", false, false, false},
    {"barAnimPause", false, false, false},  {"barAnimStop", false, false, false},
    {"barAnimFirst", false, false, false},  {"barAnimPre", false, false, false},
    {"barAnimNext", false, false, false},   {"barAnimLast", false, false, false},
    {"barAnimNormal", false, false, false}, {"barAnimRev", false, false, false},
    {"barAnimNormalRepeat", false, false, false}, {"barAnimRevRepeat", false, false, false},
    {"barPoints", true, true, true},        {"barFun2DCart", true, false, false},
    {"barFun2DPolar", true, false, false},  {"barFun25DCart", false, true, false},
    {"barFun25DPolar", false, true, false}, {"barInter", true, false, false},
    {"barGeomVec2D", true, false, false},   {"barGeomVecOp", true, false, false},
    {"barGeomLine", true, false, false},    {"barGeomCircle", true, false, false},
    {"barGeomEllipse", true, false, false}, {"barGeomHyper", true, false, false},
    {"barGeomPara", true, false, false},    {"barDengCha", true, false, false},
    {"barDengBi", true, false, false},      {"barGeom3DLine", false, false, true},
    {"barGeomLengZhu", false, false, true}, {"barGeomLengZhui", false, false, true},
    {"barGeomLengTai", false, false, true}, {"barGeomYuanZhu", false, false, true},
    {"barGeomYuanZhui", false, false, true}, {"barGeomYuanTai", false, false, true},
    {"barGeomSphere", false, false, true},  {"barCoord", true, true, true},
    {"barLight", false, true, true},        {"barISO", false, true, true},
    {"barMove", true, true, true},          {"barZoom", true, true, true},
    {"barZoomAll", true, true, true},       {"barRotX", false, true, true},
    {"barRotY", false, true, true},         {"barRotZ", false, true, true},
    {"barRot", false, true, true},
    {"mnuViewRotX", false, true, true},     {"mnuViewRotY", false, true, true},
    {"mnuViewRotZ", false, true, true},     {"mnuDrawPoint", true, true, true},
    {"mnuDrawFun2D", true, false, false},   {"mnuDraw25d", false, true, false},
    {"mnuDrawIP", true, false, false},      {"mnuDrawPart", true, false, false},
    {"mnuDrawShulie", true, false, false},  {"mnuDrawGeometry", false, false, true},
    {"mnuDrawLimit", true, false, false},   {"mnuDrawAxis", true, true, true},
    {"mnuDrawLight", false, true, true},    {"mnuGraphAxis", false, true, true},
    {"mnuGraphLight", false, true, true},   {"mnuAniPoint", true, true, true},
    {"mnuAni2DCur", true, false, false},    {"mnuAniCur25D", false, true, true},
    {"mnuAniStartb", false, false, false},  {"mnuAniPause", false, false, false},
    {"mnuAniStop", false, false, false},    {"mnuAniFirst", false, false, false},
    {"mnuAniPre", false, false, false},     {"mnuAniNext", false, false, false},
    {"mnuAniLast", false, false, false},    {"mnuAniNormal", false, false, false},
    {"mnuAniRev", false, false, false},     {"mnuAniRepeat", false, false, false},
    {"mnuAniRevRepeat", false, false, false}, {"mnuViewRotate", false, true, true},
    {"mnuViewISO", false, true, true},      {"mnuViewSet", true, true, true},
};

constexpr const char* PlaybackCommands[] = {
    "barAnimStart", "barAnimPause", "barAnimStop", "barAnimFirst", "barAnimPre",
    "barAnimNext", "barAnimLast", "barAnimNormal", "barAnimRev", "barAnimNormalRepeat",
    "barAnimRevRepeat",
    "mnuAniStartb", "mnuAniPause",  "mnuAniStop", "mnuAniFirst",  "mnuAniPre",      "mnuAniNext",
    "mnuAniLast",   "mnuAniNormal", "mnuAniRev",  "mnuAniRepeat", "mnuAniRevRepeat",
};

} // namespace

// ---- the window ----

frmF1* frmF1::Instance()
{
    return g_MainWindow;
}

frmF1::frmF1(QWidget* parent) : QMainWindow(parent)
{
    g_MainWindow = this;
    SetDialogHost(this);
    setObjectName(QStringLiteral("frmF1"));
    setWindowTitle(QStringLiteral("Curvarium"));
    // Form_Initialize: the scenes, camera and light are program-wide objects
    // that exist from the start; the evaluator reports nothing by itself.
    g_ReportEvalErrors = false;

    setWindowIcon(ProgramIcon());
    SetAssociationIconPath(ProgramIconPath());

    BuildPanes();
    BuildMenus();
    // The toolbars come after the menus: each button runs a menu item.
    const MainToolbars bars = AddMainToolbars(this);
    Toolbar1 = bars.toolbar1;
    Toolbar2 = bars.toolbar2;
    StatusPanel1 = bars.statusPanel;
    DisableButtonsWithoutCommand();

    // Client area of 12690 x 8505 twips below the menu bar when the window
    // opens, toolbars and status bar included.
    const double tpp = TwipsPerPixel();
    m_layoutIn.splitterLeft = StartSplitterLeftTwips;
    resize(static_cast<int>(std::lround(StartClientWidthTwips / tpp)),
           static_cast<int>(std::lround(StartClientHeightTwips / tpp)) +
               menuBar()->sizeHint().height());

    ::Result().SetOnChanged([this] { UpdateResultPane(); });
    UpdateResultPane();
}

frmF1::~frmF1()
{
    ::Result().SetOnChanged(nullptr);
    if (CurrentDialogHost() == this)
        SetDialogHost(nullptr);
    if (g_MainWindow == this)
        g_MainWindow = nullptr;
}

double frmF1::TwipsPerPixel() const
{
    const int dpi = logicalDpiY();
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

QWidget* frmF1::ClientArea() const
{
    return centralWidget();
}

int frmF1::ToolbarHeightTwips() const
{
    return static_cast<int>(std::lround(Toolbar1->height() * TwipsPerPixel()));
}

void frmF1::BuildPanes()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    client->installEventFilter(this);

    List1 = new QListWidget(client);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(List1, &QListWidget::itemChanged, this, &frmF1::OnItemChanged);
    connect(List1, &QListWidget::customContextMenuRequested, this, &frmF1::ShowListMenu);

    Result = new QPlainTextEdit(client);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setReadOnly(true);

    picDraw = new DrawingArea(client);
    picDraw->setObjectName(QStringLiteral("picDraw"));
    picDraw->installEventFilter(this);

    Splitter = new SplitterBar(this, true, client);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    Splitter2 = new SplitterBar(this, false, client);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

}

QAction* frmF1::Action(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QMenu* frmF1::SubMenu(QMenu* menu, const char* name, const QString& caption)
{
    QMenu* sub = menu->addMenu(caption);
    sub->setObjectName(QString::fromLatin1(name));
    sub->menuAction()->setObjectName(QString::fromLatin1(name));
    return sub;
}

void frmF1::BuildMenus()
{
    QMenuBar* bar = menuBar();
    auto topMenu = [&](const char* name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    QMenu* file = topMenu("mnuFile", QStringLiteral("文件"));
    QMenu* fileNew = SubMenu(file, "mnuFileNew", QStringLiteral("新建"));
    connect(Action(fileNew, "mnuFileNew2D", QStringLiteral("二维图形")), &QAction::triggered,
            this, &frmF1::mnuFileNew2D_Click);
    connect(Action(fileNew, "mnuFileNew25D", QStringLiteral("二维半图形")), &QAction::triggered,
            this, &frmF1::mnuFileNew25D_Click);
    connect(Action(fileNew, "mnuFileNew3D", QStringLiteral("三维图形")), &QAction::triggered,
            this, &frmF1::mnuFileNew3D_Click);
    connect(Action(file, "mnuFileOpen", QStringLiteral("打开..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, [this] { FileOpen(this); });
    connect(Action(file, "mnuFileSave", QStringLiteral("保存"), QKeySequence(Qt::CTRL | Qt::Key_S)),
            &QAction::triggered, this, [this] { FileSave(this); });
    connect(Action(file, "mnuFileSaveAs", QStringLiteral("另存为...")), &QAction::triggered, this,
            [this] { FileSaveAs(this); });
    file->addSeparator();
    AddAviExportCommand(this, file);
    file->addSeparator();
    connect(Action(file, "mnuFilePrint", QStringLiteral("打印..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, [this] { PrintPicture(this); });
    file->addSeparator();
    connect(Action(file, "mnuFileExit", QStringLiteral("退出"), QKeySequence(Qt::CTRL | Qt::Key_X)),
            &QAction::triggered, this, &frmF1::mnuFileExit_Click);

    QMenu* edit = topMenu("mnuEdit", QStringLiteral("编辑"));
    connect(Action(edit, "mnuEditCopyAs", QStringLiteral("按位图复制")), &QAction::triggered, this,
            [this] { CopyPicture(this); });
    edit->addSeparator();
    connect(Action(edit, "mnuEditDelete", QStringLiteral("删除")), &QAction::triggered, this,
            &frmF1::mnuEditDelete_Click);
    connect(Action(edit, "mnuEditDelAll", QStringLiteral("全部删除")), &QAction::triggered, this,
            &frmF1::mnuEditDelAll_Click);

    QMenu* view = topMenu("mnuView", QStringLiteral("视图"));
    connect(Action(view, "mnuViewFit", QStringLiteral("缩放到合适大小")), &QAction::triggered, this,
            &frmF1::mnuViewFit_Click);
    view->addSeparator();
    connect(Action(view, "mnuViewISO", QStringLiteral("ISO视图")), &QAction::triggered, this,
            &frmF1::mnuViewISO_Click);

    QMenu* draw = topMenu("mnuDraw", QStringLiteral("绘制"));
    AddDrawPointCommand(this, draw);
    QMenu* fun2D = SubMenu(draw, "mnuDrawFun2D", QStringLiteral("二维函数图形"));
    connect(Action(fun2D, "mnuDraw2DCart", QStringLiteral("直角坐标")), &QAction::triggered, this,
            &frmF1::mnuDraw2DCart_Click);
    connect(Action(fun2D, "mnuDraw2DPolar", QStringLiteral("极坐标")), &QAction::triggered, this,
            &frmF1::mnuDraw2DPolar_Click);
    QMenu* fun25D = SubMenu(draw, "mnuDraw25d", QStringLiteral("二维半函数图形"));
    connect(Action(fun25D, "mnuDraw25DCart", QStringLiteral("直角坐标")), &QAction::triggered,
            this, &frmF1::mnuDraw25DCart_Click);
    connect(Action(fun25D, "mnuDraw25DPolar", QStringLiteral("极坐标")), &QAction::triggered,
            this, &frmF1::mnuDraw25DPolar_Click);
    AddFigureCommands(this, draw);

    new AnimationCommands(this, topMenu("mnuAni", QStringLiteral("动画")));
    QMenu* tool = topMenu("mnuTool", QStringLiteral("工具"));
    connect(Action(tool, "mnuToolCal", QStringLiteral("表达式计算器")), &QAction::triggered, this,
            &frmF1::mnuToolCal_Click);
    AddDemoMenu(this, topMenu("mnuDemo", QStringLiteral("演示")));
    AddHelpMenu(this, topMenu("mnuHelp", QStringLiteral("帮助")));

    // Pop-up menus of the list and of the drawing area.
    FunEdit = new QMenu(this);
    FunEdit->setObjectName(QStringLiteral("FunEdit"));
    connect(Action(FunEdit, "mnuFunDelete", QStringLiteral("删除")), &QAction::triggered, this,
            &frmF1::mnuEditDelete_Click);
    AddFunEditCommand(this, FunEdit);
    GraphEdit = new QMenu(this);
    GraphEdit->setObjectName(QStringLiteral("GraphEdit"));
    connect(Action(GraphEdit, "mnuGraphCopyAs", QStringLiteral("按位图复制")), &QAction::triggered,
            this, [this] { CopyPicture(this); });
    connect(Action(GraphEdit, "mnuGraphDelAll", QStringLiteral("全部删除")), &QAction::triggered,
            this, &frmF1::DeleteAllGraphs);

    AddViewCommands(this);
    AddGraphClipboardCommands(this);

    // A menu with nothing to offer yet stays visible but disabled.
    for (QMenu* menu : bar->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (menu->actions().isEmpty())
            menu->menuAction()->setEnabled(false);
    }
}

// ---- start-up and shutdown ----

void frmF1::Form_Load(const QString& documentPath)
{
    // 1. Animation timer: 10 frames per second, stopped.
    Timer1->setInterval(100);
    Timer1->stop();
    // 2. The OpenGL context of the drawing area; a failure has been
    // reported and the program goes on without drawing.
    (void)picDraw->Initialize();
    // 3. Animation.
    g_CurFrame = 1;
    g_FrameCount = 10;
    g_FramesPerSecond = 10;
    // 4.
    g_CoordSystem.Show = true;
    // 5.
    mlngPlayMode = AnimationPlayModeForwardOnce;
    g_PlayMode = mlngPlayMode;
    g_LastGraphID = 0;
    g_TrackballAxisMode = 0;
    // 6. Plot range.
    g_RangeMinX = -20.0f;
    g_RangeMaxX = 20.0f;
    g_RangeMinY = -20.0f;
    g_RangeMaxY = 20.0f;
    g_RangeMinZ = -50.0f;
    g_RangeMaxZ = 50.0f;
    // 7. The horizontal bar, from the client height at load time.
    const double tpp = TwipsPerPixel();
    const int toolbarH = ToolbarHeightTwips();
    // The client area lies below the menu bar and holds the toolbars.
    const int clientH =
        static_cast<int>(std::lround((height() - menuBar()->sizeHint().height()) * tpp));
    m_layoutIn.splitter2Top = StartSplitter2Top(clientH, toolbarH);
    // 8.
    g_EditingGraph = false;
    mlngCopiedCount = 0;
    // 10. The bars lie over the panes next to them.
    Splitter->raise();
    Splitter2->raise();
    // 11. View state.
    g_View.Reset();
    // 12. The document file association; a failure does not stop start-up.
    (void)RegisterFileAssociation();
    m_loaded = true;
    ConnectDocumentCommands();

    // 13. The document named on the command line, or a new 2D document.
    if (!documentPath.isEmpty()) {
        // A document that cannot be read has been reported by the reader;
        // the user then gets an empty 2D document to work in.
        if (!LoadCommandLineDocument(documentPath))
            mnuFileNew2D_Click();
    } else {
        mnuFileNew2D_Click();
    }
}

void frmF1::closeEvent(QCloseEvent* event)
{
    // Ask before anything is torn down, so that Cancel (or a save that did
    // not happen) keeps the program and the graphs as they are.
    if (g_AllGraphs.FunSurfs.Count() > 0 && !AskSaveBeforeDiscarding()) {
        event->ignore();
        return;
    }
    m_closing = true;
    // Other windows go first, the most recently opened first.
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (auto it = tops.crbegin(); it != tops.crend(); ++it) {
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    }
    mbolQuit = true;
    Timer1->stop();
    picDraw->Release();
    event->accept();
}

bool frmF1::AskSaveBeforeDiscarding()
{
    return AskSaveIfNeeded(this);
}

bool frmF1::LoadCommandLineDocument(const QString& path)
{
    return FileOpen(this, path);
}

void frmF1::ConnectDocumentCommands()
{
    DocumentWindow window;
    window.picDraw = picDraw;
    window.deleteAllGraphs = [this] { DeleteAllGraphs(); };
    window.setCommandStates = [this](int32_t kind) { SetCommandStates(kind); };
    window.addListEntry = [this](const QString& label) { AddListEntry(label); };
    window.tickAllEntries = [this] { TickAllEntries(); };
    window.enableAnimationControls = [this] { EnablePlaybackCommands(); };
    window.resetViewModes = [] {
        g_View.mbolRotateMode = false;
        g_View.mbolZoomMode = false;
        g_View.mbolMoveMode = false;
        g_View.mbolTrackball = false;
    };
    SetDocumentWindow(window);
}

void frmF1::mnuFileExit_Click()
{
    close();
}

// ---- layout ----

void frmF1::Form_Resize()
{
    const double tpp = TwipsPerPixel();
    auto twips = [tpp](int px) { return static_cast<int>(std::lround(px * tpp)); };
    auto pixels = [tpp](int tw) { return static_cast<int>(std::lround(tw / tpp)); };

    // The client area in twips: the panes' area with the toolbar band above
    // and the status bar below.
    const int toolbarH = ToolbarHeightTwips();
    // Whatever lies below the panes' area within the client area (the
    // status bar) counts as the status bar's height.
    QWidget* client = ClientArea();
    const int statusH = twips(std::max(0, height() - client->geometry().bottom() - 1));
    m_layoutIn.toolbarHeight = toolbarH;
    m_layoutIn.statusHeight = statusH;
    m_layoutIn.clientWidth = twips(client->width());
    m_layoutIn.clientHeight = twips(client->height()) + 2 * toolbarH + statusH;
    ComputeWindowLayout(m_layoutIn, m_rects);

    // Twips of the client area to pixels of the panes' area.
    const int band = 2 * toolbarH;
    auto place = [&](QWidget* w, const QRect& r) {
        if (r.isNull()) // never placed: the window is still too small
            return;
        w->setGeometry(pixels(r.x()), pixels(r.y() - band), pixels(r.width()),
                       pixels(r.height()));
    };
    place(Splitter, m_rects.splitter);
    place(Splitter2, m_rects.splitter2);
    place(picDraw, m_rects.picDraw);
    place(Result, m_rects.result);
    place(List1, m_rects.list1);

    // The camera gets the drawing area's size in device pixels.
    int32_t w = picDraw->ScaleWidth();
    int32_t h = picDraw->ScaleHeight();
    g_Camera.SetScreen(w, h);
    Display(g_CurFrame);
}

void frmF1::SplitterMouseDown(SplitterBar* bar)
{
    mbolSplitterDrag = true;
    bar->SetDragging(true);
}

void frmF1::SplitterMouseMove(SplitterBar* bar, int dxTwips, int dyTwips)
{
    if (!mbolSplitterDrag)
        return;
    // Only the bar follows the pointer; the panes wait for the release.
    const double tpp = TwipsPerPixel();
    if (bar == Splitter) {
        m_layoutIn.splitterLeft += dxTwips;
        bar->move(static_cast<int>(std::lround(m_layoutIn.splitterLeft / tpp)), bar->y());
    } else {
        m_layoutIn.splitter2Top += dyTwips;
        bar->move(bar->x(), static_cast<int>(std::lround(
                                (m_layoutIn.splitter2Top - 2 * ToolbarHeightTwips()) / tpp)));
    }
}

void frmF1::SplitterMouseUp(SplitterBar* bar)
{
    mbolSplitterDrag = false;
    bar->SetDragging(false);
    if (bar == Splitter)
        m_layoutIn.splitterLeft = ClampSplitterLeft(m_layoutIn.splitterLeft, m_layoutIn.clientWidth);
    else
        m_layoutIn.splitter2Top = ClampSplitter2Top(m_layoutIn.splitter2Top,
                                                    m_layoutIn.clientHeight,
                                                    m_layoutIn.toolbarHeight);
    Form_Resize();
}

// ---- drawing ----

void frmF1::BuildDisplayLists()
{
    picDraw->BuildDisplayLists();
}

void frmF1::Display(int32_t frame)
{
    picDraw->Display(frame);
}

void frmF1::DrawCurrentFrame()
{
    Display(g_CurFrame);
}

void frmF1::RepaintWindow()
{
    repaint();
}

void frmF1::UpdateResultPane()
{
    QString text = ::Result().Text();
    text.replace(g_CrLf, QStringLiteral("\n"));
    if (Result->toPlainText() != text)
        Result->setPlainText(text);
}

bool frmF1::eventFilter(QObject* watched, QEvent* event)
{
    // The panes' area has its final size only once the window's own layout
    // has placed it.
    if (watched == centralWidget() && event->type() == QEvent::Resize && m_loaded)
        Form_Resize();
    if (watched == picDraw && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            GraphEdit->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- graph list ----

int frmF1::ListIndex() const
{
    return List1->currentRow();
}

int frmF1::AddListEntry(const QString& label)
{
    auto* item = new QListWidgetItem(label);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(Qt::UserRole, false);
    const QSignalBlocker block(List1);
    List1->addItem(item);
    return List1->count() - 1;
}

void frmF1::TickAllEntries()
{
    // One pass of the list handler brings the shown scene in line with all
    // the new ticks, in list order.
    {
        const QSignalBlocker block(List1);
        for (int i = 0; i < List1->count(); ++i) {
            List1->item(i)->setCheckState(Qt::Checked);
            List1->item(i)->setData(Qt::UserRole, true);
        }
    }
    List1_ItemCheck();
}

void frmF1::SetEntryTicked(int row, bool ticked)
{
    if (QListWidgetItem* item = List1->item(row))
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

bool frmF1::IsEntryTicked(int row) const
{
    const QListWidgetItem* item = List1->item(row);
    return item && item->checkState() == Qt::Checked;
}

void frmF1::SetEntryText(int row, const QString& text)
{
    if (QListWidgetItem* item = List1->item(row))
        item->setText(text);
}

void frmF1::OnItemChanged(QListWidgetItem* item)
{
    // itemChanged also reports text changes; only a changed tick counts.
    const bool ticked = item->checkState() == Qt::Checked;
    if (item->data(Qt::UserRole).toBool() == ticked)
        return;
    {
        const QSignalBlocker block(List1);
        item->setData(Qt::UserRole, ticked);
    }
    List1_ItemCheck();
}

bool frmF1::IsGraphShown(int32_t id) const
{
    for (const auto& graph : g_ShownGraphs.FunSurfs) {
        if (graph->ID == id)
            return true;
    }
    return false;
}

void frmF1::List1_ItemCheck()
{
    const int32_t n = g_AllGraphs.FunSurfs.Count();
    for (int32_t i = 1; i <= n && i <= List1->count(); ++i) {
        const bool ticked = List1->item(i - 1)->checkState() == Qt::Checked;
        const std::shared_ptr<Cls9> graph = g_AllGraphs.FunSurfs.Item(i);
        const QString key = QString::number(graph->ID);
        const bool shown = IsGraphShown(graph->ID);
        if (!ticked && shown) {
            g_ShownGraphs.FunSurfs.Remove(key);
        } else if (ticked && !shown) {
            g_ShownGraphs.FunSurfs.Add(graph, key);
            // Sampled again for the current plot range and frame count.
            if (ResampledOnTick(graph->GraphType)) {
                try {
                    (void)RunWithGraphMessages(graph, false, [&] { return graph->GetPoints(); });
                } catch (const std::exception&) {
                }
            }
        }
    }
    BuildDisplayLists();
    Display(g_CurFrame);
}

void frmF1::DeleteGraphAt(int index)
{
    if (g_AllGraphs.FunSurfs.Count() == 0 || index < 1 || index > g_AllGraphs.FunSurfs.Count())
        return;
    const std::shared_ptr<Cls9> graph = g_AllGraphs.FunSurfs.Item(index);
    const QString key = QString::number(graph->ID);
    if (g_ShownGraphs.FunSurfs.Contains(key))
        g_ShownGraphs.FunSurfs.Remove(key);
    g_AllGraphs.FunSurfs.Remove(key);
    {
        const QSignalBlocker block(List1);
        delete List1->takeItem(index - 1);
    }
    BuildDisplayLists();
    Display(g_CurFrame);
}

void frmF1::DeleteAllGraphs()
{
    g_ShownGraphs.FunSurfs.Clear();
    g_AllGraphs.FunSurfs.Clear();
    {
        const QSignalBlocker block(List1);
        List1->clear();
    }
    g_LastGraphID = 0;
    BuildDisplayLists();
    Display(g_CurFrame);
}

void frmF1::mnuEditDelete_Click()
{
    // With no entry selected there is nothing to delete.
    if (ListIndex() < 0)
        return;
    DeleteGraphAt(ListIndex() + 1);
}

void frmF1::mnuEditDelAll_Click()
{
    DeleteAllGraphs();
}

void frmF1::ShowListMenu(const QPoint& pos)
{
    // The pop-up acts on the entry that was right-clicked.
    QListWidgetItem* item = List1->itemAt(pos);
    if (!item)
        return;
    List1->setCurrentItem(item);
    FunEdit->popup(List1->viewport()->mapToGlobal(pos));
}

// ---- new documents ----

void frmF1::mnuFileNew2D_Click()
{
    NewDocument(DocumentKind2D);
}

void frmF1::mnuFileNew25D_Click()
{
    NewDocument(DocumentKind25D);
}

void frmF1::mnuFileNew3D_Click()
{
    NewDocument(DocumentKind3D);
}

void frmF1::NewDocument(int32_t kind)
{
    if (g_AllGraphs.FunSurfs.Count() > 0) {
        if (!AskSaveBeforeDiscarding())
            return;
        DeleteAllGraphs();
    }
    SetUpDocumentKind(kind);
}

void frmF1::SetUpDocumentKind(int32_t kind)
{
    if (kind != DocumentKind2D) {
        g_Light.Position[0] = 100.0f;
        g_Light.Position[1] = 100.0f;
        g_ShownGraphs.RotRoll = 0.0f;
        g_ShownGraphs.RotPitch = -15.0f;
        g_ShownGraphs.RotYaw = 45.0f;
    } else {
        g_ShownGraphs.RotRoll = 0.0f;
        g_ShownGraphs.RotPitch = 0.0f;
        g_ShownGraphs.RotYaw = 0.0f;
    }
    g_View.mbolRotateMode = false;
    g_View.mbolZoomMode = false;
    g_View.mbolMoveMode = false;
    g_DocumentKind = kind;
    g_CoordSystem.BetterFonts = false;
    if (kind != DocumentKind2D)
        g_CoordSystem.SetDefault();
    SetCommandStates(kind);
}

void frmF1::SetCommandStates(int32_t documentKind)
{
    for (const CommandState& state : CommandStates) {
        const bool enabled = documentKind == DocumentKind2D    ? state.kind2D
                             : documentKind == DocumentKind25D ? state.kind25D
                                                               : state.kind3D;
        for (QAction* action : findChildren<QAction*>(QString::fromLatin1(state.name)))
            action->setEnabled(enabled);
    }
    DisableButtonsWithoutCommand();
}

void frmF1::EnablePlaybackCommands()
{
    for (const char* name : PlaybackCommands) {
        for (QAction* action : findChildren<QAction*>(QString::fromLatin1(name)))
            action->setEnabled(true);
    }
    DisableButtonsWithoutCommand();
}

frmF1::SavedCommandStates frmF1::PlaybackCommandStates() const
{
    SavedCommandStates states;
    for (const char* name : PlaybackCommands) {
        for (QAction* action : findChildren<QAction*>(QString::fromLatin1(name)))
            states.append({action, action->isEnabled()});
    }
    return states;
}

void frmF1::RestoreCommandStates(const SavedCommandStates& states)
{
    for (const auto& [action, enabled] : states) {
        if (action)
            action->setEnabled(enabled);
    }
}

void frmF1::DisableButtonsWithoutCommand()
{
    for (QToolBar* bar : {Toolbar1, Toolbar2}) {
        for (QAction* button : bar->actions()) {
            if (!button->isSeparator() && !ToolbarCommandExists(this, button->objectName()))
                button->setEnabled(false);
        }
    }
}

// ---- Draw menu ----

void frmF1::Open2DFunctionDialog(bool polar)
{
    g_EditingGraph = false;
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    frmF5 dialog(this);
    dialog.SetUpForDrawMenu(polar);
    dialog.exec();
    repaint();
    FinishCreatingCommand(oldCount, 0.0f, 0.0f, 0.0f);
}

void frmF1::FinishCreatingCommand(int32_t oldCount, float roll, float pitch, float yaw)
{
    const int32_t newCount = g_AllGraphs.FunSurfs.Count();
    if (newCount <= oldCount)
        return;
    g_ShownGraphs.RotRoll = roll;
    g_ShownGraphs.RotPitch = pitch;
    g_ShownGraphs.RotYaw = yaw;
    const int32_t k = g_ShownGraphs.FunSurfs.Count();
    if (k == 0)
        return;
    const std::shared_ptr<Cls9> graph = g_ShownGraphs.FunSurfs.Item(k);
    AddListEntry(GraphListLabel(*graph, g_DocumentKind));
    SetEntryTicked(newCount - 1, true);
}

void frmF1::mnuDraw2DCart_Click()
{
    Open2DFunctionDialog(false);
}

void frmF1::mnuDraw2DPolar_Click()
{
    Open2DFunctionDialog(true);
}

void frmF1::mnuDraw25DCart_Click()
{
    g_EditingGraph = false;
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    frmF4 dialog(this);
    dialog.SetUpForDrawMenu(false);
    dialog.exec();
    FinishCreatingCommand(oldCount, 0.0f, -15.0f, 45.0f);
}

void frmF1::mnuDraw25DPolar_Click()
{
    g_EditingGraph = false;
    const int32_t oldCount = g_AllGraphs.FunSurfs.Count();
    frmF4 dialog(this);
    dialog.SetUpForDrawMenu(true);
    dialog.exec();
    FinishCreatingCommand(oldCount, 0.0f, -15.0f, 45.0f);
}

// ---- View menu ----

void frmF1::mnuViewFit_Click()
{
    if (FitCameraToScene(g_Camera, g_ShownGraphs))
        Display(g_CurFrame);
}

void frmF1::mnuViewISO_Click()
{
    ApplyIsoView(g_View, g_ShownGraphs);
    BuildDisplayLists();
    Display(g_CurFrame);
}

void frmF1::mnuToolCal_Click()
{
    frmFunCal calculator(this);
    calculator.exec();
}
