// frmF23, the "动画保存为AVI文件" dialog: captures the animation's frames and writes the AVI file.
#include "app/frmF23_ui.h"

#include "app/AnimationCommands_ui.h"
#include "app/frmF1_ui.h"
#include "io/cDIB.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "platform/AppTitle.h"
#include "platform/AviWriter_ui.h"
#include "platform/FileDialog_ui.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

namespace {

QPointer<frmF23>& CurrentDialog()
{
    static QPointer<frmF23> dialog;
    return dialog;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

// Removes the frame bitmaps 1 to last; a missing one is skipped.
void RemoveFrameFiles(int32_t last)
{
    for (int32_t n = 1; n <= last; ++n) {
        const QString path = AnimationCommands::FrameBitmapPath(n);
        if (!path.isEmpty())
            QFile::remove(path);
    }
}

void WriteError()
{
    ShowMessage(QStringLiteral("写入文件时出错。"), AppTitle(),
                MsgIcon::Information);
}

} // namespace

frmF23::frmF23(frmF1* window) : QDialog(window), m_window(window)
{
    setObjectName(QStringLiteral("frmF23"));
    setWindowTitle(QStringLiteral("动画保存为AVI文件"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    Label1 = new QLabel(QStringLiteral("动画帧"), this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    Label2 = new QLabel(QStringLiteral("选定的帧"), this);
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    Command1 = Button(this, "Command1", QStringLiteral(">"), QStringLiteral("Select a frame"));
    Command2 = Button(this, "Command2", QStringLiteral(">>"), QStringLiteral("Select all frames"));
    Command3 = Button(this, "Command3", QStringLiteral("删除"), QStringLiteral("Delete the selected frame"));
    Label3 = new QLabel(QStringLiteral("速度"), this);
    Text1 = new QLineEdit(QStringLiteral("5"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Label4 = new QLabel(QStringLiteral("帧/秒"), this);
    Command4 = Button(this, "Command4", QStringLiteral("生成动画帧"), QString());
    Command5 = Button(this, "Command5", QStringLiteral("保存动画"), QString());

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(List1, 1, 0, 4, 1);
    grid->addWidget(Command1, 1, 1);
    grid->addWidget(Command2, 2, 1);
    grid->addWidget(Command3, 3, 1);
    grid->addWidget(List2, 1, 2, 4, 1);
    auto* speed = new QHBoxLayout;
    speed->addWidget(Label3);
    speed->addWidget(Text1);
    speed->addWidget(Label4);
    grid->addLayout(speed, 5, 0, 1, 3);
    grid->addWidget(Command4, 6, 0);
    grid->addWidget(Command5, 6, 2);

    connect(Command1, &QPushButton::clicked, this, &frmF23::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmF23::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmF23::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmF23::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmF23::Command5_Click);
    ConnectRecorder(true);
}

frmF23::~frmF23()
{
    ConnectRecorder(false);
}

void frmF23::ConnectRecorder(bool on)
{
    AnimationCommands* ani = m_window ? AnimationCommands::Of(m_window) : nullptr;
    if (!ani)
        return;
    if (!on) {
        ani->onFrameCaptured = nullptr;
        ani->onRecordingFinished = nullptr;
        return;
    }
    ani->onFrameCaptured = [this](int32_t n) { List1->addItem(QString::number(n)); };
    ani->onRecordingFinished = [this] {
        raise();
        activateWindow();
    };
}

frmF23* frmF23::Current() { return CurrentDialog(); }

frmF23* frmF23::ShowFor(frmF1* window)
{
    if (!g_ShownGraphs.Animation())
        return nullptr;
    QPointer<frmF23>& dialog = CurrentDialog();
    if (!dialog)
        dialog = new frmF23(window);
    dialog->show();
    dialog->raise();
    return dialog;
}

int32_t frmF23::SpeedFromText(const QString& text)
{
    static const QRegularExpression leading(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch m = leading.match(text);
    const double value = m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 1.0))
        return 1;
    if (rounded > 30.0)
        return 30;
    return static_cast<int32_t>(rounded);
}

void frmF23::Command1_Click()
{
    if (List1->count() < 1)
        return;
    QListWidgetItem* item = List1->currentItem();
    // Without a selection there is no frame to add; an empty entry would
    // only make the save fail later.
    if (!item)
        return;
    List2->addItem(item->text());
}

void frmF23::Command2_Click()
{
    const int n = List1->count();
    for (int i = 1; i <= n; ++i)
        List2->addItem(QString::number(i));
}

void frmF23::Command3_Click()
{
    const int row = List2->currentRow();
    if (row >= 0)
        delete List2->takeItem(row);
}

void frmF23::Command4_Click()
{
    // A new recording starts from nothing: the frames of an earlier one
    // (and the choice made from them) go.
    List1->clear();
    List2->clear();
    RemoveFrameFiles(std::max(g_FrameCount, g_CapturedFrameCount) + 1);
    // Recording plays the animation once forward; a looping mode would
    // never end it.
    if (m_window) {
        m_window->mlngPlayMode = AnimationPlayModeForwardOnce;
        g_PlayMode = AnimationPlayModeForwardOnce;
    }
    g_CaptureFrames = true;
    g_CurFrame = 0;
    g_CapturedFrameCount = 0;
    if (m_window && m_window->Timer1) {
        UpdateAnimationTimerInterval();
        m_window->Timer1->start();
    }
    // Frames are read from the screen: keep the main window in front.
    if (m_window) {
        m_window->raise();
        m_window->activateWindow();
    }
}

bool frmF23::WriteVideo(const QString& path, const cDIB& first, const AviOptions& options,
                        bool* reported)
{
    *reported = false;
    const auto rows = [](const cDIB& d) { return d.Height() < 0 ? -d.Height() : d.Height(); };
    AviWriter writer;
    if (writer.Open(path, first.Width(), rows(first), SpeedFromText(Text1->text()), options) != 0)
        return false;
    // A frame that cannot be read (reported by the reader) ends the video:
    // repeating another frame in its place would make a wrong video.
    cDIB dib = first;
    for (int i = 0; i < List2->count(); ++i) {
        List2->setCurrentRow(i);
        bool isNumber = false;
        const int32_t t = List2->item(i)->text().trimmed().toInt(&isNumber);
        if (!dib.CreateFromFile(AnimationCommands::FrameBitmapPath(isNumber ? t : 0))) {
            *reported = true;
            return false;
        }
        if (writer.WriteFrame(dib.PointerToBits(), dib.SizeBits(), dib.Width(), rows(dib),
                              dib.BitCount(), dib.Height() < 0) != 0)
            return false;
    }
    return writer.Close() == 0;
}

void frmF23::Command5_Click()
{
    const QString title = QStringLiteral("出错");
    if (List1->count() == 0) {
        ShowMessage(QStringLiteral("请先生成动画帧。"), title, MsgIcon::Warning);
        return;
    }
    if (List2->count() == 0) {
        ShowMessage(QStringLiteral("请按顺序选择生成动画的帧。"), title, MsgIcon::Warning);
        return;
    }
    cFileDlg dlg;
    dlg.DefaultExt = QStringLiteral("avi");
    dlg.DlgTitle = QStringLiteral("动画保存为AVI文件...");
    dlg.Filter = QStringLiteral("AVI Files|*.avi");
    dlg.OwnerHwnd = this;
    QString path = QStringLiteral("untitled.avi");
    if (!dlg.VBGetSaveFileName(path))
        return;

    // Frame 1 gives the video its size; without it there is nothing to
    // write (e.g. a second save after the first removed the frames). The
    // reader has said why.
    cDIB first;
    if (!first.CreateFromFile(AnimationCommands::FrameBitmapPath(1)))
        return;
    // Asked before the file is made: a cancel leaves no empty video behind
    // and keeps the recorded frames for another try.
    static AviOptions lastOptions;
    AviOptions options = lastOptions;
    if (!ChooseAviOptions(this, options))
        return;
    lastOptions = options;

    if (m_window)
        m_window->repaint();
    repaint();
    bool reported = false;
    if (!WriteVideo(path, first, options, &reported)) {
        // A half-written video is no video: remove it, and keep the frames
        // so that the user can save again. One message says why.
        QFile::remove(path);
        if (!reported)
            WriteError();
        return;
    }
    RemoveFrameFiles(std::max(g_FrameCount, g_CapturedFrameCount));
}

void AddAviExportCommand(frmF1* window, QMenu* menu)
{
    QAction* action = menu->addAction(QStringLiteral("动画保存为AVI文件"));
    action->setObjectName(QStringLiteral("mnuFileSaveAVI"));
    QObject::connect(action, &QAction::triggered, window, [window] { frmF23::ShowFor(window); });
}
