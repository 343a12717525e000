// The graph list's editing command: opens the selected graph's dialog in edit mode.
#include "app/EditCommand_ui.h"

#include "app/frmF1_ui.h"
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "dialogs/figures/FigureDialogs_ui.h"
#include "dialogs/graph/frmF16_ui.h"
#include "dialogs/graph/frmF17_ui.h"
#include "dialogs/graph/frmF4_ui.h"
#include "dialogs/graph/frmF5_ui.h"
#include "expr/NumberText.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QGroupBox>

#include <algorithm>
#include <initializer_list>

namespace {

// A combo that lists the values 1, 2, 3 ... holds `value` at value - 1. A
// stored value outside the list leaves the dialog's own choice, so the OK
// never reads an empty selection.
void SelectValue(QComboBox* combo, int32_t value)
{
    if (value >= 1 && value <= combo->count())
        combo->setCurrentIndex(value - 1);
}

// The size combos of the point dialogs list "1" to "9"; only a whole size
// among them is selected.
void SelectPointSize(QComboBox* combo, float size)
{
    for (int i = 1; i <= 9 && i <= combo->count(); ++i) {
        if (size == static_cast<float>(i)) {
            combo->setCurrentIndex(i - 1);
            return;
        }
    }
}

void SetVisible(std::initializer_list<QWidget*> widgets, bool visible)
{
    for (QWidget* w : widgets)
        w->setVisible(visible);
}

// Appends positions 1..count, at most the 50 a graph can hold.
void FillPositions(QListWidget* list, const PositionList& positions, int32_t count)
{
    const int32_t n = std::min(count, PositionListUpper);
    for (int32_t i = 1; i <= n; ++i)
        list->addItem(PlainNumberText(positions[i]));
}

QString Digits(int32_t value)
{
    return QString::number(value);
}

} // namespace

void FillFrmF5(frmF5& d, const Cls9& g)
{
    // 1. The form; its handler runs.
    int formPos = -1;
    switch (g.FunForm) {
    case FunFormImplicit: formPos = 2; break;
    case FunFormExplicit: formPos = 0; break;
    case FunFormParametric: formPos = 1; break;
    case FunFormInequality: formPos = 3; break;
    default: break;
    }
    if (formPos >= 0)
        d.SetCombo3Index(formPos);

    // 3. The t row is the dialog's animation switch, so it is set before the
    // coordinate handler lists the forms.
    const bool animated = g.GraphType == GraphType2DFunctionAnimation;
    SetVisible({d.Label10, d.Label11, d.Label12, d.Text7, d.Text8, d.Text9}, animated);
    if (animated) {
        d.Text9->setEnabled(false);
        d.Text7->setText(PlainNumberText(g.MinT));
        d.Text8->setText(PlainNumberText(g.MaxT));
        d.Text9->setText(Digits(g.StepT()));
    }

    // 4, 5.
    d.setWindowTitle(QStringLiteral("二维函数图形属性"));
    d.Text1->setText(g.NameS);

    // 6. The coordinate handler refills the forms, keeps the selection and
    // relabels the rows for the form.
    if (g.CoordType >= 1 && g.CoordType <= d.Combo1->count())
        d.SetCombo1Index(g.CoordType - 1);

    // 7. Expressions and ranges.
    switch (g.FunForm) {
    case FunFormImplicit:
    case FunFormInequality:
        d.Text2->setText(g.ExpressZ);
        d.Text4->setText(PlainNumberText(g.MinU));
        d.Text5->setText(PlainNumberText(g.MaxU));
        d.Text10->setText(PlainNumberText(g.MinV));
        d.Text11->setText(PlainNumberText(g.MaxV));
        break;
    case FunFormExplicit:
        d.Text2->setText(g.ExpressZ);
        d.Text4->setText(PlainNumberText(g.MinV));
        d.Text5->setText(PlainNumberText(g.MaxV));
        d.Text6->setText(Digits(g.StepV));
        break;
    case FunFormParametric:
        d.Text2->setText(g.ExpressY);
        d.Text3->setText(g.ExpressZ);
        d.Text4->setText(PlainNumberText(g.MinV));
        d.Text5->setText(PlainNumberText(g.MaxV));
        d.Text6->setText(Digits(g.StepV));
        break;
    default:
        break;
    }

    // 8. Curve style.
    d.Picture1->SetColor(g.LineColor);
    SelectValue(d.Combo2, g.LineWidth);

    // 9. Analysis options exist only for a plain explicit function.
    if (g.GraphType != GraphType2DFunction || g.FunForm != FunFormExplicit)
        return;
    d.Check3->setChecked(g.Show2DCurve);

    d.Check1->setChecked(g.ShowInverse);
    d.Picture2->SetColor(g.InvColor);
    SelectValue(d.Combo4, g.InvWidth);

    d.Check2->setChecked(g.ShowDev);
    d.Picture3->SetColor(g.DevColor);
    SelectValue(d.Combo5, g.DevWidth);

    d.Check4->setChecked(g.ShowInt);
    d.Picture4->SetColor(g.IntColor);
    d.Text13->setText(PlainNumberText(g.IntFrom));
    d.Text14->setText(PlainNumberText(g.IntTo));

    d.Check5->setChecked(g.ShowMax);
    d.Picture5->SetColor(g.MaxColor);
    SelectValue(d.Combo7, g.MaxSize);
    SelectValue(d.Combo6, g.MaxSymbol);

    d.Check6->setChecked(g.ShowMin);
    d.Picture6->SetColor(g.MinColor);
    SelectValue(d.Combo9, g.MinSize);
    SelectValue(d.Combo8, g.MinSymbol);

    d.Check8->setChecked(g.ShowGuai);
    d.Picture8->SetColor(g.GuaiColor);
    SelectValue(d.Combo11, g.GuaiSize);
    SelectValue(d.Combo17, g.GuaiSymbol);

    d.Check7->setChecked(g.ShowJO);
    d.Picture7->SetColor(g.JOColor);
    SelectValue(d.Combo10, g.JOWidth);

    d.Check9->setChecked(g.ShowRoot);
    d.Picture9->SetColor(g.RootColor);
    SelectValue(d.Combo12, g.RootSize);
    SelectValue(d.Combo13, g.RootSymbol);

    d.Check10->setChecked(g.ShowCurv);
    d.Picture10->SetColor(g.CurvColor);
    SelectValue(d.Combo14, g.CurvWidth);
    FillPositions(d.List1, g.CurvX, g.CurvNum);

    d.Check13->setChecked(g.ShowLen);
    d.Text17->setText(PlainNumberText(g.LenFrom));
    d.Text18->setText(PlainNumberText(g.LenTo));

    d.Check14->setChecked(g.ShowQie);
    d.Picture11->SetColor(g.QieColor);
    SelectValue(d.Combo15, g.QieWidth);
    FillPositions(d.List2, g.QieX, g.QieNum);

    d.Check15->setChecked(g.ShowNml);
    d.Picture12->SetColor(g.NmlColor);
    SelectValue(d.Combo16, g.NmlWidth);
    FillPositions(d.List3, g.NmlX, g.NmlNum);
}

void FillFrmF4(frmF4& d, const Cls9& g)
{
    const bool animated = g.GraphType == GraphType25DFunctionAnimation;
    const bool parametric = g.FunForm == FunFormParametric;
    const bool cartesian = g.CoordType == CoordTypeCartesian2D;

    // 1. The t row is the dialog's animation switch.
    SetVisible({d.Label4, d.Label6, d.Label8, d.Text4, d.Text8, d.Text9}, animated);
    if (animated) {
        d.Text4->setText(PlainNumberText(g.MinT));
        d.Text8->setText(PlainNumberText(g.MaxT));
        d.Text9->setText(Digits(g.StepT()));
        d.Text9->setEnabled(false);
    }

    // 2, 3.
    d.setWindowTitle(QStringLiteral("二维半函数图形属性"));
    d.Text1->setText(g.NameS);

    // 4, 5. Coordinate system, then the form; each handler runs.
    if (g.CoordType >= 1 && g.CoordType <= d.Combo1->count())
        d.SetCombo1Index(g.CoordType - 1);
    d.SetCombo2Index(parametric ? 1 : 0);

    // 6, 7.
    if (parametric) {
        d.Text2->setText(g.ExpressY);
        d.Text3->setText(g.ExpressZ);
    } else {
        d.Text2->setText(g.ExpressZ);
    }
    d.Text3->setVisible(parametric);
    d.Text5->setText(PlainNumberText(g.MinV));
    d.Text6->setText(PlainNumberText(g.MaxV));
    d.Text7->setText(Digits(g.StepV));

    // 8. Labels last, so they are final.
    const QString t = animated ? QStringLiteral(",t)") : QStringLiteral(")");
    if (parametric) {
        d.Label2->setText((cartesian ? QStringLiteral("x(u") : QStringLiteral("a(u")) + t);
        d.Label3->setText((cartesian ? QStringLiteral("y(u") : QStringLiteral("r(u")) + t);
        d.Label3->setVisible(true);
    } else {
        d.Label2->setText((cartesian ? QStringLiteral("y(x") : QStringLiteral("r(a")) + t);
        d.Label3->setVisible(false);
    }
    const QString v = parametric ? QStringLiteral("u")
                      : cartesian ? QStringLiteral("x")
                                  : QStringLiteral("a");
    d.Label17->setText(QStringLiteral("最小 ") + v);
    d.Label18->setText(QStringLiteral("最大 ") + v);
    d.Label19->setText(QStringLiteral("段数 ") + v);

    // 9. Fill style.
    switch (g.FillStyle) {
    case FillStyleGradientLeftRight: d.Option1->setChecked(true); break;
    case FillStyleGradientFrontBack: d.Option3->setChecked(true); break;
    case FillStyleGradientTopBottom: d.Option2->setChecked(true); break;
    case FillStyleSingleColor: d.Option4->setChecked(true); break;
    default: break;
    }

    // 10. Colours; the dialog's OK takes them from its own members, which
    // its colour boxes keep in step when clicked.
    d.Picture2->SetColor(g.FirstColor);
    d.Picture3->SetColor(g.SecondColor);
    d.Picture4->SetColor(g.SecondColor);
    d.mlngFirstColor = g.FirstColor;
    d.mlngSecondColor = g.SecondColor;

    // 11. Material; the list's handler records it.
    if (g.Material >= 1 && g.Material <= d.List1->count())
        d.SetList1Index(g.Material - 1);

    // 12. Model and smoothness.
    switch (g.Show) {
    case 1: d.Option5->setChecked(true); break;
    case 2: d.Option6->setChecked(true); break;
    case 3: d.Option7->setChecked(true); break;
    default: break;
    }
    switch (g.Smoothness) {
    case 1: d.Option8->setChecked(true); break;
    case 2: d.Option9->setChecked(true); break;
    case 3: d.Option10->setChecked(true); break;
    default: break;
    }
}

// What the still and the animated point dialogs show alike: the coordinate
// systems (three in space, two in the plane, the graph's own chosen), the
// name, the coordinate boxes (z only in space) and the marker.
template <class PointDialog>
void FillPoint(PointDialog& d, const Cls9& g, bool space)
{
    d.Combo1->clear();
    if (space) {
        d.Combo1->addItems({QStringLiteral("直角坐标"), QStringLiteral("柱面坐标"),
                            QStringLiteral("球面坐标")});
        if (g.CoordType >= CoordTypeCartesian3D && g.CoordType <= CoordTypeSpherical)
            d.SetCombo1Index(g.CoordType - CoordTypeCartesian3D);
    } else {
        d.Combo1->addItems({QStringLiteral("直角坐标"), QStringLiteral("极坐标")});
        if (g.CoordType >= CoordTypeCartesian2D && g.CoordType <= CoordTypePolar)
            d.SetCombo1Index(g.CoordType - CoordTypeCartesian2D);
    }

    d.Text1->setText(g.NameS);
    if (space) {
        d.Text2->setText(g.ExpressX);
        d.Text3->setText(g.ExpressY);
        d.Text4->setText(g.ExpressZ);
    } else {
        d.Text2->setText(g.ExpressY);
        d.Text3->setText(g.ExpressZ);
    }

    d.Picture1->SetColor(g.PointColor);
    SelectPointSize(d.Combo2, g.PointSize);
    // Set in every kind, so that OK without a change keeps the marker.
    (g.PointHollow ? d.Option2 : d.Option1)->setChecked(true);

    d.Label5->setVisible(space);
    d.Text4->setVisible(space);
}

void FillFrmF16(frmF16& d, const Cls9& g)
{
    FillPoint(d, g, g_DocumentKind == DocumentKind3D);
    d.Frame2->setVisible(g_DocumentKind != DocumentKind25D);
}

void FillFrmF17(frmF17& d, const Cls9& g)
{
    // A 3D document's animated point moves in space, like its still points.
    FillPoint(d, g, g_DocumentKind == DocumentKind3D);
    d.Text5->setText(PlainNumberText(g.MinT));
    d.Text6->setText(PlainNumberText(g.MaxT));
    d.Frame3->setVisible(true);

    // The t segments are the document's frame count, not the graph's.
    d.Text7->setEnabled(false);
    d.Text7->setText(Digits(g_FrameCount));
}

std::unique_ptr<QDialog> MakeEditDialog(const Cls9& g, QWidget* parent)
{
    const int32_t kind = g_DocumentKind;
    const int32_t type = g.GraphType;
    const bool plane = kind == DocumentKind2D || kind == DocumentKind25D;

    if (kind == DocumentKind2D &&
        (type == GraphType2DFunction || type == GraphType2DFunctionAnimation) &&
        g.FunForm >= FunFormImplicit && g.FunForm <= FunFormInequality) {
        auto d = std::make_unique<frmF5>(parent);
        FillFrmF5(*d, g);
        return d;
    }
    // The Animation menu makes animated 2.5D graphs in 3D documents too.
    if ((kind == DocumentKind25D || kind == DocumentKind3D) &&
        (type == GraphType25DFunction || type == GraphType25DFunctionAnimation) &&
        (g.FunForm == FunFormExplicit || g.FunForm == FunFormParametric)) {
        auto d = std::make_unique<frmF4>(parent);
        FillFrmF4(*d, g);
        return d;
    }
    if (type == GraphTypePoint &&
        (plane || kind == DocumentKind3D)) {
        auto d = std::make_unique<frmF16>(parent);
        FillFrmF16(*d, g);
        return d;
    }
    if (type == GraphTypePointAnimation && (plane || kind == DocumentKind3D)) {
        auto d = std::make_unique<frmF17>(parent);
        FillFrmF17(*d, g);
        return d;
    }
    // Plane figures and sequences belong to 2D documents, the space line and
    // the solids to 3D documents.
    FigureDialog which;
    if (FigureDialogFor(g, which)) {
        if (kind == (IsSolidFigure(which) ? DocumentKind3D : DocumentKind2D))
            return MakeFigureDialog(which, parent, QString(), &g);
    }
    return nullptr;
}

void mnuFunEdit_Click(frmF1* window)
{
    // 1. Only a selected, ticked entry can be edited; with no entry
    // selected the same warning is given.
    const int row = window->ListIndex();
    QListWidgetItem* item = row >= 0 ? window->List1->item(row) : nullptr;
    if (!item || item->checkState() != Qt::Checked) {
        ShowMessage(QStringLiteral("请首先选择一个函数项。"), QStringLiteral("注意"),
                    MsgIcon::Warning);
        return;
    }

    // 2, 3. The graph of the entry, found in the shown scene by its ID.
    g_EditingGraph = true;
    std::shared_ptr<Cls9> graph;
    if (row < g_AllGraphs.FunSurfs.Count()) {
        const int32_t id = g_AllGraphs.FunSurfs.Item(row + 1)->ID;
        for (int32_t i = 1; i <= g_ShownGraphs.FunSurfs.Count(); ++i) {
            if (g_ShownGraphs.FunSurfs.Item(i)->ID == id) {
                graph = g_ShownGraphs.FunSurfs.Item(i);
                break;
            }
        }
    }

    // 4 to 6. The dialog's OK does the update; a kind no dialog edits is
    // said so rather than passed over in silence.
    std::unique_ptr<QDialog> dialog = graph ? MakeEditDialog(*graph, window) : nullptr;
    if (dialog)
        dialog->exec();
    else
        ShowMessage(QStringLiteral("这种图形不能编辑。"), QStringLiteral("注意"),
                    MsgIcon::Warning);

    // Edit mode ends with the command: a cancelled edit, or a graph kind
    // with no dialog, must not turn a later dialog's OK into an update of
    // this entry.
    g_EditingGraph = false;
}

void AddFunEditCommand(frmF1* window, QMenu* funEditMenu)
{
    auto* action = new QAction(QStringLiteral("编辑..."), funEditMenu);
    action->setObjectName(QStringLiteral("mnuFunEdit"));
    const QList<QAction*> existing = funEditMenu->actions();
    funEditMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), action);
    QObject::connect(action, &QAction::triggered, window, [window] { mnuFunEdit_Click(window); });
}
