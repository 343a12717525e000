#pragma once
// The main window: menus, the graph list with its check boxes, the result
// pane, the drawing area and the two splitter bars between them. It starts
// and ends the program (Form_Load, closeEvent), keeps the list and the two
// scenes in step, and turns the Draw menu's commands into graph dialogs.
//
// One instance per run: frmF1::Instance() (nullptr before it is made).
// Every widget and menu action carries its name as objectName ("List1",
// "Result", "picDraw", "mnuDraw2DCart", ...).
#include "app/WindowLayout.h"
#include "dialogs/common/DialogHost.h"
#include "io/GraphClipboard_ui.h"

#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QPointer>
#include <QString>
#include <cstdint>

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolBar;
class QLabel;
class frmF5;
class DrawingArea;
class SplitterBar;

class frmF1 : public QMainWindow, public DialogHost, public GraphClipboardHost {
    Q_OBJECT
public:
    explicit frmF1(QWidget* parent = nullptr);
    ~frmF1() override;

    static frmF1* Instance();

    // Start-up after construction and before show(): timer, drawing area,
    // animation defaults, plot range, IDs, view state, and the document on
    // the command line (or a new 2D document when `documentPath` is empty).
    void Form_Load(const QString& documentPath);

    // Layout of the panes from the two bar positions and the client size.
    void Form_Resize();

    // ---- graph list ----
    void List1_ItemCheck();
    bool IsGraphShown(int32_t id) const;
    void DeleteGraphAt(int index); // 1-based position in g_AllGraphs
    void DeleteAllGraphs();
    // Appends an entry (unticked) and returns its row.
    int AddListEntry(const QString& label) override;
    // Ticks or unticks entry `row` as a click does (the list handler runs).
    void SetEntryTicked(int row, bool ticked) override;
    int ListIndex() const override;
    bool IsEntryTicked(int row) const override;
    void SetEntryText(int row, const QString& text) override;

    // ---- drawing ----
    void BuildDisplayLists() override;
    void Display(int32_t frame);
    void DrawCurrentFrame() override;
    void RepaintWindow() override;

    // ---- commands ----
    void mnuFileNew2D_Click();
    void mnuFileNew25D_Click();
    void mnuFileNew3D_Click();
    void mnuFileExit_Click();
    void mnuEditDelete_Click() override;
    void mnuEditDelAll_Click();
    void mnuDraw2DCart_Click();
    void mnuDraw2DPolar_Click();
    void mnuDraw25DCart_Click();
    void mnuDraw25DPolar_Click();
    void mnuToolCal_Click();
    void mnuViewFit_Click();
    void mnuViewISO_Click();
    void SetCommandStates(int32_t documentKind);
    void EnablePlaybackCommands() override;
    // The enabled state of each playback menu item and toolbar button, to
    // put back with RestoreCommandStates.
    using SavedCommandStates = QList<QPair<QPointer<QAction>, bool>>;
    SavedCommandStates PlaybackCommandStates() const;
    void RestoreCommandStates(const SavedCommandStates& states);

    // The part of a creating command after its dialog has closed: rotation,
    // list entry and tick, when the dialog added a graph.
    void FinishCreatingCommand(int32_t oldCount, float roll, float pitch, float yaw);

    // Splitter drags, positions in twips relative to the bar.
    void SplitterMouseDown(SplitterBar* bar);
    void SplitterMouseMove(SplitterBar* bar, int dxTwips, int dyTwips);
    void SplitterMouseUp(SplitterBar* bar);

    int SplitterLeftTwips() const { return m_layoutIn.splitterLeft; }
    int Splitter2TopTwips() const { return m_layoutIn.splitter2Top; }
    const WindowLayoutRects& LayoutRects() const { return m_rects; }
    const WindowLayoutInput& LayoutInput() const { return m_layoutIn; }
    double TwipsPerPixel() const;

    // ---- what the clipboard commands see ----
    QWidget* HostWindow() override { return this; }
    QMenu* ListMenu() const override { return FunEdit; }
    QMenu* DrawingAreaMenu() const override { return GraphEdit; }
    int32_t CopiedCount() const override { return mlngCopiedCount; }
    void SetCopiedCount(int32_t count) override { mlngCopiedCount = count; }

    QListWidget* List1 = nullptr;
    QPlainTextEdit* Result = nullptr;
    DrawingArea* picDraw = nullptr;
    SplitterBar* Splitter = nullptr;
    SplitterBar* Splitter2 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* FunEdit = nullptr;
    QMenu* GraphEdit = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QToolBar* Toolbar2 = nullptr;
    QLabel* StatusPanel1 = nullptr; // the status bar's one panel

    // Main-window state.
    int32_t mlngPlayMode = 1;
    int32_t mlngCopiedCount = 0;
    bool mbolSplitterDrag = false;
    bool mbolQuit = false;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildPanes();
    QAction* Action(QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {});
    QMenu* SubMenu(QMenu* menu, const char* name, const QString& caption);
    void NewDocument(int32_t kind);
    // "是否保存当前图形？": true when the caller may discard the graphs.
    bool AskSaveBeforeDiscarding();
    bool LoadCommandLineDocument(const QString& path);
    void ConnectDocumentCommands();
    void TickAllEntries();
    void SetUpDocumentKind(int32_t kind);
    void OnItemChanged(QListWidgetItem* item);
    void ShowListMenu(const QPoint& pos);
    void Open2DFunctionDialog(bool polar);
    void UpdateResultPane();
    QWidget* ClientArea() const;
    int ToolbarHeightTwips() const;
    // A button whose menu item this window lacks would run nothing.
    void DisableButtonsWithoutCommand();

    WindowLayoutInput m_layoutIn;
    WindowLayoutRects m_rects;
    bool m_loaded = false;
    bool m_closing = false;
};
