// frmF14, the view dialog: projection type and the visible region.
#include "dialogs/view/frmF14_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogRows_ui.h"
#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"
#include "view/Cls4.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

std::array<float*, 7> RangeValues()
{
    return {nullptr,      &g_RangeMinX, &g_RangeMaxX, &g_RangeMinY,
            &g_RangeMaxY, &g_RangeMinZ, &g_RangeMaxZ};
}

} // namespace

frmF14::frmF14(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF14"));
    setWindowTitle(QStringLiteral("视图"));
    auto* layout = new QVBoxLayout(this);

    auto* projection = new QGroupBox(QStringLiteral("投影类型"));
    auto* projLayout = new QHBoxLayout(projection);
    Option1 = new QRadioButton(QStringLiteral("正交投影"));
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("透视投影"));
    Option2->setObjectName(QStringLiteral("Option2"));
    // Exclusive, but with neither on when the camera has another type.
    auto* group = new QButtonGroup(this);
    group->addButton(Option1);
    group->addButton(Option2);
    projLayout->addWidget(Option1);
    projLayout->addWidget(Option2);
    layout->addWidget(projection);

    auto* region = new QGroupBox(QStringLiteral("视域"));
    auto* grid = new QGridLayout(region);
    const char* labels[] = {"", "最小 x", "最大 x", "最小 y", "最大 y", "最小 z", "最大 z"};
    for (int i = 1; i <= 6; ++i) {
        Text[i] = new QLineEdit;
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i));
        const int row = (i - 1) / 2;
        const int col = ((i - 1) % 2) * 2;
        grid->addWidget(new QLabel(QString::fromUtf8(labels[i])), row, col);
        grid->addWidget(Text[i], row, col + 1);
    }
    layout->addWidget(region);

    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF14::Command1_Click,
                            &frmF14::Command2_Click);

    // Load, as plain numbers: the number filter of OK refuses the exponent
    // form, so a wide range would refuse an OK without a change.
    const std::array<float*, 7> range = RangeValues();
    for (int i = 1; i <= 6; ++i)
        Text[i]->setText(PlainNumberText(*range[i]));
    Option1->setChecked(g_Camera.ProjectType == ProjectionOrthographic);
    Option2->setChecked(g_Camera.ProjectType == ProjectionPerspective);
}

void frmF14::Command1_Click()
{
    // Every box is checked before anything is written, so a refused box
    // (and a Cancel after it) leaves the projection as it was.
    for (int i = 1; i <= 6; ++i) {
        if (Text[i]->isHidden())
            continue;
        QString cleaned;
        if (!Module1::CleanNumberText(Text[i]->text(), cleaned)) {
            ShowBadData();
            Text[i]->setFocus();
            return;
        }
        Text[i]->setText(cleaned);
    }
    // Each minimum must not lie above its maximum: such a range clips every
    // sample away.
    for (int i = 1; i <= 5; i += 2) {
        if (Val(Text[i]->text()) > Val(Text[i + 1]->text())) {
            ShowMessage(QStringLiteral("最小值不能大于最大值。"), QStringLiteral("出错"),
                        MsgIcon::Warning);
            Text[i]->setFocus();
            return;
        }
    }
    if (Option1->isChecked())
        g_Camera.ProjectType = ProjectionOrthographic;
    if (Option2->isChecked())
        g_Camera.ProjectType = ProjectionPerspective;
    const std::array<float*, 7> range = RangeValues();
    for (int i = 1; i <= 6; ++i)
        *range[i] = static_cast<float>(Val(Text[i]->text()));
    accept();
}

void frmF14::Command2_Click()
{
    reject();
}
