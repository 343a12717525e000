// frmF19, the animation options dialog "动画选项": frame count and speed.
#include "app/frmF19_ui.h"

#include "app/AnimationCommands_ui.h"
#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "io/DocumentReader.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void Warn(const QString& text)
{
    ShowMessage(text, QStringLiteral("注意"), MsgIcon::Warning);
}

} // namespace

frmF19::frmF19(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF19"));
    setWindowTitle(QStringLiteral("动画选项"));

    auto named = [](QWidget* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Label1 = static_cast<QLabel*>(named(new QLabel(QStringLiteral("帧数"), this), "Label1"));
    Label2 = static_cast<QLabel*>(named(new QLabel(QStringLiteral("速度(帧/秒)"), this), "Label2"));
    text1 = static_cast<QLineEdit*>(named(new QLineEdit(this), "text1"));
    Text2 = static_cast<QLineEdit*>(named(new QLineEdit(this), "Text2"));
    Command1 = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("确定"), this), "Command1"));
    Command2 = static_cast<QPushButton*>(named(new QPushButton(QStringLiteral("取消"), this), "Command2"));
    Command1->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(text1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text2, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(GraphDialog::ButtonRow(Command1, Command2));

    connect(Command1, &QPushButton::clicked, this, &frmF19::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmF19::Command2_Click);

    // Form_Load: the boxes show the current values.
    text1->setText(QString::number(g_FrameCount));
    Text2->setText(QString::number(g_FramesPerSecond));
}

void frmF19::Command1_Click()
{
    const double frames = Val(text1->text());
    const double speed = Val(Text2->text());
    if (frames < 1) {
        Warn(QStringLiteral("帧数必须大于1。"));
        return;
    }
    if (speed < 1) {
        Warn(QStringLiteral("速度必须大于1帧/秒。"));
        return;
    }
    // A document keeps both values, and one that the reader would refuse
    // could not be opened again after saving.
    const std::optional<int32_t> n = RoundToInt32(frames);
    if (!n || *n > MaxDocumentFrameCount) {
        Warn(QStringLiteral("帧数不能大于%1。").arg(MaxDocumentFrameCount));
        return;
    }
    const std::optional<int32_t> fps = RoundToInt32(speed);
    if (!fps || *fps > MaxDocumentFramesPerSecond) {
        Warn(QStringLiteral("速度不能大于%1帧/秒。").arg(MaxDocumentFramesPerSecond));
        return;
    }
    g_FrameCount = *n;
    g_FramesPerSecond = *fps;
    UpdateAnimationTimerInterval();
    accept();
    RefreshMainWindow();
}

void frmF19::Command2_Click()
{
    reject();
    RefreshMainWindow();
}
