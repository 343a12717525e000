// frmF8, the light dialog: lighting switches, ambient level, the first light's
// position and the lights' colours.
#include "dialogs/view/frmF8_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/DialogRows_ui.h"
#include "expr/NumberText.h"
#include "view/Cls10.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

float LightBoxValue(const QString& text)
{
    QString compact = text;
    compact.remove(QLatin1Char(' '));
    const float value = static_cast<float>(Val(compact));
    // A number too large for a float would make the light infinite.
    return std::isfinite(value) ? value : 0.0f;
}

namespace {

// Which box edits which component: boxes 1, 2, 3, 16 the position, then four
// boxes per colour.
struct BoxGroup {
    const char* caption;
    std::array<int, 4> boxes;
    std::array<const char*, 4> labels;
};
constexpr BoxGroup Groups[] = {
    {"光的位置", {1, 2, 3, 16}, {"X", "Y", "Z", "W"}},
    {"漫反射光的颜色", {4, 5, 6, 7}, {"R", "G", "B", "A"}},
    {"环境光的颜色", {8, 9, 10, 11}, {"R", "G", "B", "A"}},
    {"镜面反射光的颜色", {12, 13, 14, 15}, {"R", "G", "B", "A"}},
};

std::array<float, 4>& GroupValues(Cls10& light, int group)
{
    switch (group) {
    case 0:
        return light.Position;
    case 1:
        return light.Diffuse;
    case 2:
        return light.Amission;
    default:
        return light.Specular;
    }
}

} // namespace

frmF8::frmF8(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmF8"));
    setWindowTitle(QStringLiteral("光照属性"));

    auto* layout = new QVBoxLayout(this);
    Check1 = new QCheckBox(QStringLiteral("使用光照"));
    Check1->setObjectName(QStringLiteral("Check1"));
    Check2 = new QCheckBox(QStringLiteral("双面光照"));
    Check2->setObjectName(QStringLiteral("Check2"));
    Check3 = new QCheckBox(QStringLiteral("全局环境光"));
    Check3->setObjectName(QStringLiteral("Check3"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(Check1);
    checks->addWidget(Check2);
    checks->addWidget(Check3);
    layout->addLayout(checks);

    for (const BoxGroup& g : Groups) {
        auto* box = new QGroupBox(QString::fromUtf8(g.caption));
        auto* grid = new QGridLayout(box);
        for (int i = 0; i < 4; ++i) {
            auto* edit = new QLineEdit;
            edit->setObjectName(QStringLiteral("Text%1").arg(g.boxes[i]));
            Text[g.boxes[i]] = edit;
            grid->addWidget(new QLabel(QString::fromLatin1(g.labels[i])), 0, 2 * i);
            grid->addWidget(edit, 0, 2 * i + 1);
        }
        layout->addWidget(box);
    }

    dialogrows::AddOkCancel(this, layout, Command1, Command2, &frmF8::Command1_Click,
                            &frmF8::Command2_Click);

    // Load.
    const Cls10& light = g_Light;
    Check1->setChecked(light.Enabled);
    Check2->setChecked(light.TwoSides[0] != 0.0f);
    Check3->setChecked(light.GlobalAmbient[0] != 0.0f);
    for (int g = 0; g < 4; ++g) {
        const std::array<float, 4>& values = GroupValues(g_Light, g);
        for (int i = 0; i < 4; ++i)
            Text[Groups[g].boxes[i]]->setText(NumberText(values[i]));
    }
}

void frmF8::Command1_Click()
{
    Cls10& light = g_Light;
    light.Enabled = Check1->isChecked();
    light.TwoSides[0] = Check2->isChecked() ? 1.0f : 0.0f;
    light.GlobalAmbient[0] = Check3->isChecked() ? 1.0f : 0.0f;
    for (int g = 0; g < 4; ++g) {
        std::array<float, 4>& values = GroupValues(light, g);
        for (int i = 0; i < 4; ++i)
            values[i] = LightBoxValue(Text[Groups[g].boxes[i]]->text());
    }
    accept();
}

void frmF8::Command2_Click()
{
    reject();
}
