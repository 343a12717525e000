// Shared widgets, number boxes, messages and OK steps of the figure dialogs.
#include "dialogs/figures/FigureDialogCommon_ui.h"

#include "dialogs/common/DialogHost.h"
#include "dialogs/common/BoxValue.h"
#include "expr/Module1.h"
#include "expr/NumberText.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <cfloat>
#include <cmath>

namespace FigureDialogs {

QComboBox* MakeChoice(const char* name, const QStringList& items)
{
    auto* combo = Named(new QComboBox, name);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setCurrentIndex(0);
    return combo;
}

QComboBox* MakeNumbers(const char* name, int first, int last, int selected)
{
    QStringList items;
    for (int i = first; i <= last; ++i)
        items << QString::number(i);
    QComboBox* combo = MakeChoice(name, items);
    combo->setCurrentIndex(selected - first);
    return combo;
}

QComboBox* MakeNumbers(const char* name, StyleList list, int selected)
{
    return MakeNumbers(name, list.first, list.last, selected);
}

void SelectNumber(QComboBox* combo, int32_t value)
{
    const int index = combo->findText(QString::number(value));
    if (index >= 0)
        combo->setCurrentIndex(index);
}

int32_t NumberValue(const QComboBox* combo)
{
    return combo->currentText().toInt();
}

ColorBox* MakeColor(const char* name, int32_t bgr)
{
    auto* box = Named(new ColorBox, name);
    box->SetColor(bgr);
    box->setMaximumWidth(100);
    return box;
}

void SelectValue(QComboBox* combo, int32_t value)
{
    if (value >= 1 && value <= combo->count())
        combo->setCurrentIndex(value - 1);
}

QString Padded(float value)
{
    const QString text = PlainNumberText(value);
    return value < 0.0f ? text : QStringLiteral(" ") + text;
}

QString X(float value)
{
    return PlainNumberText(value);
}

bool FilterBoxes(std::initializer_list<std::pair<QLineEdit*, BoxCleaner>> boxes)
{
    for (const auto& [box, cleaner] : boxes) {
        if (IsShown(box) && !CleanBox(box, cleaner))
            return false;
    }
    return true;
}

bool FilterExpressions(std::initializer_list<QLineEdit*> boxes)
{
    for (QLineEdit* box : boxes) {
        QString out;
        if (!Module1::CleanExpressionText(box->text(), out)) {
            ShowMessage(QStringLiteral("存在非法表达式。"), QStringLiteral("出错"),
                        MsgIcon::Warning);
            return false;
        }
        box->setText(out);
    }
    return true;
}

bool AllFloat(std::initializer_list<double> values)
{
    for (double v : values) {
        if (!std::isfinite(v) || std::fabs(v) > FLT_MAX)
            return false;
    }
    return true;
}

bool ReadNumbers(std::initializer_list<std::pair<const QLineEdit*, float*>> boxes)
{
    for (const auto& [box, value] : boxes) {
        const double v = Val(box->text());
        if (!AllFloat({v})) {
            ShowBadData();
            return false;
        }
        *value = static_cast<float>(v);
    }
    return true;
}

bool ReadShownNumbers(std::initializer_list<std::pair<const QLineEdit*, float*>> boxes)
{
    for (const auto& [box, value] : boxes) {
        if (IsShown(box)) {
            if (!ReadNumbers({{box, value}}))
                return false;
        } else {
            const double v = Val(box->text());
            *value = AllFloat({v}) ? static_cast<float>(v) : 0.0f;
        }
    }
    return true;
}

bool EvaluateBounds(const QLineEdit* minBox, const QLineEdit* maxBox, float& min, float& max)
{
    RangeEvaluator range;
    if (!range.Evaluate(minBox->text(), min) || !range.Evaluate(maxBox->text(), max))
        return false;
    if (!AllFloat({min, max})) {
        ShowBadData();
        return false;
    }
    return true;
}

void RefuseFigure(const QString& text)
{
    ShowMessage(text, QStringLiteral("提示"), MsgIcon::Critical);
}

std::shared_ptr<Cls9> NewFigureGraph(const QString& name, int32_t graphType, int32_t coordType,
                                     const QString& expY, const QString& expZ, int32_t stepV,
                                     float minV, float maxV, int32_t material, int32_t smooth)
{
    return Cls9::Init(g_LastGraphID, name, graphType, coordType, QStringLiteral("0"), expY, expZ,
                      1, stepV, 0.0f, 1.0f, minV, maxV, FillStyleSingleColor, 0xFF0000, 0xFF0000,
                      0, 2, material, ShowModelWireframe, smooth, false, false, false, 0);
}

std::shared_ptr<Cls9> NewParameterGraph(const QString& name, int32_t graphType, int32_t smooth)
{
    std::shared_ptr<Cls9> graph =
        NewFigureGraph(name, graphType, CoordTypeCartesian3D, QStringLiteral("x"),
                       QStringLiteral("0"), 100, 0.0f, 1.0f, MaterialPresetSummer, smooth);
    graph->FunForm = FunFormExplicit;
    return graph;
}

std::shared_ptr<Cls9> EditedGraph()
{
    const int row = SelectedGraphIndex();
    if (row < 0 || row >= g_AllGraphs.FunSurfs.Count())
        return nullptr;
    return g_AllGraphs.FunSurfs.Item(row + 1);
}

bool FinishOk(QDialog* dialog, const std::shared_ptr<Cls9>& graph, bool sample)
{
    if (!StoreGraph(graph, sample))
        return false;
    g_EditingGraph = false;
    dialog->accept();
    RefreshMainWindow();
    return true;
}

bool FinishOk2D(QDialog* dialog, const std::shared_ptr<Cls9>& graph)
{
    const int32_t kind = g_DocumentKind;
    g_DocumentKind = DocumentKind2D;
    if (FinishOk(dialog, graph, true))
        return true;
    g_DocumentKind = kind;
    return false;
}

} // namespace FigureDialogs
