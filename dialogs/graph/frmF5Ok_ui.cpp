// The OK of the 2D function dialog: cleans and checks the boxes, evaluates
// the ranges, builds the graph and creates it or updates the edited one.
#include "dialogs/graph/frmF5_ui.h"

#include "dialogs/common/BoxValue.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/common/DialogWidgets_ui.h"
#include "dialogs/common/DialogOk_ui.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "model/StyleLists.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr int MaxSegments = 100000;

using GraphDialog::Warn;

// Width or size from a combo's text, within what drawing shows of `list`.
std::optional<int32_t> ComboNumber(const QComboBox* combo, StyleList list)
{
    const auto value = RoundToInt32(Val(combo->currentText()));
    if (!value || *value < list.first || *value > list.last)
        return std::nullopt;
    return value;
}

int32_t SymbolOf(const QComboBox* combo)
{
    return frmF5::ListIndex(combo) + 1;
}

} // namespace

void frmF5::Command1_Click()
{
    const bool anim = AnimationMode();

    // 1. Expression boxes that are shown.
    for (QLineEdit* box : {Text2, Text3, Text4, Text5, Text10, Text11, Text7, Text8}) {
        if (IsShown(box) && !CleanBox(box, BoxCleaner::Expression))
            return;
    }
    // 2. t segments.
    if (anim && Val(Text9->text()) < 1) {
        Warn(QStringLiteral("段数 t 必须大于1。"));
        return;
    }
    // 3. Analysis boxes that are enabled.
    const std::pair<QLineEdit*, BoxCleaner> analysisBoxes[] = {
        {Text12, BoxCleaner::Number},     {Text13, BoxCleaner::Expression},
        {Text14, BoxCleaner::Expression}, {Text15, BoxCleaner::Number},
        {Text16, BoxCleaner::Number},     {Text17, BoxCleaner::Expression},
        {Text18, BoxCleaner::Expression},
    };
    for (const auto& [box, cleaner] : analysisBoxes) {
        if (box->isEnabledTo(this) && !CleanBox(box, cleaner))
            return;
    }
    // 4. This is a 2D graph.
    g_DocumentKind = DocumentKind2D;

    // 5. A coordinate system typed by hand counts as Cartesian.
    const int32_t coordType = ListIndex(Combo1) == 1 ? CoordTypePolar : CoordTypeCartesian2D;
    const bool polar = coordType == CoordTypePolar;

    // 6.
    if (ListIndex(Combo3) < 0)
        SetCombo3Index(0);
    const int form = ListIndex(Combo3);
    static constexpr int32_t formOf[] = {FunFormExplicit, FunFormParametric, FunFormImplicit,
                                         FunFormInequality};
    const int32_t funForm = formOf[form];
    const bool curve = funForm == FunFormExplicit || funForm == FunFormParametric;

    // 7. Required boxes, ranges (compared by value, not by leading number)
    // and the segment count.
    std::vector<QLineEdit*> required = {Text2};
    if (funForm == FunFormParametric)
        required.push_back(Text3);
    required.push_back(Text4);
    required.push_back(Text5);
    if (curve)
        required.push_back(Text6);
    if (funForm == FunFormInequality) {
        required.push_back(Text10);
        required.push_back(Text11);
    }
    if (anim) {
        required.push_back(Text7);
        required.push_back(Text8);
        required.push_back(Text9);
    }
    if (!RequireFilled(required))
        return;

    RangeEvaluator ranges;
    float minVar = 0.0f;
    float maxVar = 0.0f;
    if (!ranges.EvaluateRange(Text4->text(), Text5->text(), minVar, maxVar,
                              funForm == FunFormParametric
                                  ? QStringLiteral("最小 u 必须小于最大 u.")
                                  : QStringLiteral("最小 x 必须小于最大 x.")))
        return;
    int32_t segments = 0;
    float minY = 0.0f;
    float maxY = 0.0f;
    if (curve) {
        const double count = Val(Text6->text());
        const QString v = funForm == FunFormParametric ? QStringLiteral("u") : QStringLiteral("x");
        if (count < 1) {
            Warn(QStringLiteral("段数 %1 必须大于1。").arg(v));
            return;
        }
        const auto rounded = RoundToInt32(count);
        if (!rounded || *rounded > MaxSegments) {
            Warn(QStringLiteral("段数 %1 不能大于%2。").arg(v).arg(MaxSegments));
            return;
        }
        segments = *rounded;
    } else {
        if (!ranges.EvaluateRange(Text10->text(), Text11->text(), minY, maxY,
                                  QStringLiteral("最小 y 必须小于最大 y.")))
            return;
    }

    // Widths and marker sizes typed into the combos.
    int32_t widths[7] = {};
    const QComboBox* widthCombos[7] = {Combo2, Combo4, Combo5, Combo10, Combo14, Combo15, Combo16};
    for (int i = 0; i < 7; ++i) {
        const auto w = ComboNumber(widthCombos[i], kFunctionWidths);
        if (!w) {
            Warn(QStringLiteral("线宽必须在%1到%2之间。")
                     .arg(kFunctionWidths.first)
                     .arg(kFunctionWidths.last));
            return;
        }
        widths[i] = *w;
    }
    int32_t sizes[4] = {};
    const QComboBox* sizeCombos[4] = {Combo7, Combo9, Combo11, Combo12};
    for (int i = 0; i < 4; ++i) {
        const auto s = ComboNumber(sizeCombos[i], kFunctionMarkerSizes);
        if (!s) {
            Warn(QStringLiteral("标记大小必须在%1到%2之间。")
                     .arg(kFunctionMarkerSizes.first)
                     .arg(kFunctionMarkerSizes.last));
            return;
        }
        sizes[i] = *s;
    }
    for (const QListWidget* list : {List1, List2, List3}) {
        if (list->count() > MaxPositions) {
            Warn(QStringLiteral("最多只能输入50个值。"));
            return;
        }
    }

    // 11. The definition by form.
    const QString variable = polar ? QStringLiteral("a") : QStringLiteral("x");
    QString expY;
    int32_t stepU = 1;
    int32_t stepV = segments;
    float minU = 0.0f, maxU = 1.0f, minV = minVar, maxV = maxVar;
    if (funForm == FunFormParametric) {
        expY = Text2->text();
    } else {
        expY = variable;
    }
    const QString expZ = funForm == FunFormParametric ? Text3->text() : Text2->text();
    if (!curve) {
        stepU = 0;
        stepV = 0;
        minU = minVar;
        maxU = maxVar;
        minV = minY;
        maxV = maxY;
    }

    // 13. The graph.
    std::shared_ptr<Cls9> graph = Cls9::Init(
        g_LastGraphID, Text1->text(), GraphType2DFunction, coordType, QStringLiteral("0"), expY,
        expZ, stepU, stepV, minU, maxU, minV, maxV, FillStyleSingleColor, 0xFF0000, 0xFF0000,
        Picture1->Color(), widths[0], MaterialPresetMetal, ShowModelWireframe,
        SmoothnessSmoother, false, false, false, 0);

    // 14. Members in the order of the tabs.
    Cls9& g = *graph;
    g.FunForm = funForm;
    g.Show2DCurve = Check3->isChecked();
    g.ShowInverse = Check1->isChecked();
    g.InvColor = Picture2->Color();
    g.InvWidth = widths[1];
    g.ShowDev = Check2->isChecked();
    g.DevColor = Picture3->Color();
    g.DevWidth = widths[2];
    g.ShowInt = Check4->isChecked();
    g.IntColor = Picture4->Color();
    if (!ranges.Evaluate(Text13->text(), g.IntFrom) || !ranges.Evaluate(Text14->text(), g.IntTo))
        return;
    g.ShowMax = Check5->isChecked();
    g.MaxColor = Picture5->Color();
    g.MaxSize = sizes[0];
    g.MaxSymbol = SymbolOf(Combo6);
    g.ShowMin = Check6->isChecked();
    g.MinColor = Picture6->Color();
    g.MinSize = sizes[1];
    g.MinSymbol = SymbolOf(Combo8);
    g.ShowGuai = Check8->isChecked();
    g.GuaiColor = Picture8->Color();
    g.GuaiSize = sizes[2];
    g.GuaiSymbol = SymbolOf(Combo17);
    g.ShowJO = Check7->isChecked();
    g.JOColor = Picture7->Color();
    g.JOWidth = widths[3];
    g.ShowRoot = Check9->isChecked();
    g.RootColor = Picture9->Color();
    g.RootSize = sizes[3];
    g.RootSymbol = SymbolOf(Combo13);
    g.ShowCurv = Check10->isChecked();
    g.CurvColor = Picture10->Color();
    g.CurvWidth = widths[4];
    g.CurvNum = ReadPositions(List1, g.CurvX);
    g.ShowLen = Check13->isChecked();
    if (!ranges.Evaluate(Text17->text(), g.LenFrom) || !ranges.Evaluate(Text18->text(), g.LenTo))
        return;
    g.ShowQie = Check14->isChecked();
    g.QieColor = Picture11->Color();
    g.QieWidth = widths[5];
    g.QieNum = ReadPositions(List2, g.QieX);
    g.ShowNml = Check15->isChecked();
    g.NmlColor = Picture12->Color();
    g.NmlWidth = widths[6];
    g.NmlNum = ReadPositions(List3, g.NmlX);

    // 15. Animation.
    if (anim) {
        EnablePlaybackCommands();
        float minT = 0.0f;
        float maxT = 0.0f;
        if (!ranges.EvaluateRange(Text7->text(), Text8->text(), minT, maxT,
                                  QStringLiteral("最小 t 必须小于最大 t.")))
            return;
        g.Animation = true;
        g.GraphType = GraphType2DFunctionAnimation;
        g.MinT = minT;
        g.MaxT = maxT;
    }

    // 16. Create or update.
    if (!StoreGraph(graph))
        return;
    g_EditingGraph = false;
    accept();
    RefreshMainWindow();
}
