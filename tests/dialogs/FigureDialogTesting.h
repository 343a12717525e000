#pragma once
// What the figure-dialog tests share: filling controls by name, pressing
// OK, the graph members the tables compare as text, the graph record, a
// clean scene, and the checks every figure dialog goes through (the graph
// built, the colour boxes, an edit in place).
#include "dialogs/common/ColorBox_ui.h"
#include "dialogs/common/DialogHost.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "platform/ColorDialog_ui.h"
#include "platform/MessageBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace FigureDialogTesting {

// Sets controls from "name=value" pairs: a text box takes the text, a list
// the item index, a check box or option "1" ticks it.
inline void SetControls(QDialog& d, const QStringList& pairs)
{
    for (const QString& pair : pairs) {
        const QString name = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        if (auto* box = d.findChild<QLineEdit*>(name))
            box->setText(value);
        else if (auto* combo = d.findChild<QComboBox*>(name))
            combo->setCurrentIndex(value.toInt());
        else if (auto* check = d.findChild<QCheckBox*>(name))
            check->setChecked(value == u'1');
        else if (auto* option = d.findChild<QRadioButton*>(name))
            option->setChecked(value == u'1');
        else
            QFAIL(qPrintable(QStringLiteral("no control ") + name));
    }
}

inline void Click(QDialog& d, const char* button)
{
    d.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

inline void ClickOk(QDialog& d) { Click(d, "Command1"); }

inline QString N(float v) { return QString::number(double(v), 'g', 9); }
inline QString I(int64_t v) { return QString::number(v); }

// The members the tables look at, as text; "label" is the list label in the
// current document kind.
inline QString Member(const Cls9& g, const QString& name)
{
    using Get = std::function<QString(const Cls9&)>;
    static const std::map<QString, Get> members = {
        {"GraphType", [](const Cls9& g) { return I(g.GraphType); }},
        {"CoordType", [](const Cls9& g) { return I(g.CoordType); }},
        {"FunForm", [](const Cls9& g) { return I(g.FunForm); }},
        {"NameS", [](const Cls9& g) { return g.NameS; }},
        {"ExpressY", [](const Cls9& g) { return g.ExpressY; }},
        {"ExpressZ", [](const Cls9& g) { return g.ExpressZ; }},
        {"Exp2", [](const Cls9& g) { return g.Exp2; }},
        {"MinV", [](const Cls9& g) { return N(g.MinV); }},
        {"MaxV", [](const Cls9& g) { return N(g.MaxV); }},
        {"StepV", [](const Cls9& g) { return I(g.StepV); }},
        {"LineColor", [](const Cls9& g) { return I(g.LineColor); }},
        {"LineWidth", [](const Cls9& g) { return I(g.LineWidth); }},
        {"Material", [](const Cls9& g) { return I(g.Material); }},
        {"Show", [](const Cls9& g) { return I(g.Show); }},
        {"Smoothness", [](const Cls9& g) { return I(g.Smoothness); }},
        {"Show2DCurve", [](const Cls9& g) { return I(g.Show2DCurve); }},
        {"Color2", [](const Cls9& g) { return I(g.Color2); }},
        {"Width2", [](const Cls9& g) { return I(g.Width2); }},
        {"ShowInter", [](const Cls9& g) { return I(g.ShowInter); }},
        {"InterColor", [](const Cls9& g) { return I(g.InterColor); }},
        {"InterSize", [](const Cls9& g) { return I(g.InterSize); }},
        {"InterSymbol", [](const Cls9& g) { return I(g.InterSymbol); }},
        {"ShowArea", [](const Cls9& g) { return I(g.ShowArea); }},
        {"AreaColor", [](const Cls9& g) { return I(g.AreaColor); }},
        {"LimitDir", [](const Cls9& g) { return I(g.LimitDir); }},
        {"LimitX0", [](const Cls9& g) { return N(g.LimitX0); }},
        {"LimitShowP", [](const Cls9& g) { return I(g.LimitShowP); }},
        {"LimitShowL", [](const Cls9& g) { return I(g.LimitShowL); }},
        {"GPara1", [](const Cls9& g) { return N(g.GPara1); }},
        {"GPara2", [](const Cls9& g) { return N(g.GPara2); }},
        {"GPara3", [](const Cls9& g) { return N(g.GPara3); }},
        {"GPara4", [](const Cls9& g) { return N(g.GPara4); }},
        {"GPara5", [](const Cls9& g) { return N(g.GPara5); }},
        {"GPara6", [](const Cls9& g) { return N(g.GPara6); }},
        {"GPara10", [](const Cls9& g) { return N(g.GPara10); }},
        {"EdgeNum", [](const Cls9& g) { return I(g.EdgeNum); }},
        {"GeomColor", [](const Cls9& g) { return I(g.GeomColor); }},
        {"GeomWidth", [](const Cls9& g) { return I(g.GeomWidth); }},
        {"GLineType", [](const Cls9& g) { return I(g.GLineType); }},
        {"Glinewidth", [](const Cls9& g) { return I(g.Glinewidth); }},
        {"GShowLinePoint", [](const Cls9& g) { return I(g.GShowLinePoint); }},
        {"GLinePointX", [](const Cls9& g) { return N(g.GLinePointX); }},
        {"GLinePointType", [](const Cls9& g) { return I(g.GLinePointType); }},
        {"GLinePointColor", [](const Cls9& g) { return I(g.GLinePointColor); }},
        {"GLinePointSize", [](const Cls9& g) { return I(g.GLinePointSize); }},
        {"GLineLineType", [](const Cls9& g) { return I(g.GLineLineType); }},
        {"GShowCircle", [](const Cls9& g) { return I(g.GShowCircle); }},
        {"GCircleType", [](const Cls9& g) { return I(g.GCircleType); }},
        {"GCircleTangType", [](const Cls9& g) { return I(g.GCircleTangType); }},
        {"GCircleTangK", [](const Cls9& g) { return N(g.GCircleTangK); }},
        {"GCircleTangPointX", [](const Cls9& g) { return N(g.GCircleTangPointX); }},
        {"GCircleTangColor", [](const Cls9& g) { return I(g.GCircleTangColor); }},
        {"GCircleEquaType", [](const Cls9& g) { return I(g.GCircleEquaType); }},
        {"GCircleEquaWidth", [](const Cls9& g) { return I(g.GCircleEquaWidth); }},
        {"GEllipseType", [](const Cls9& g) { return I(g.GEllipseType); }},
        {"GEllipseWidth", [](const Cls9& g) { return I(g.GEllipseWidth); }},
        {"GEllipseCompute", [](const Cls9& g) { return I(g.GEllipseCompute); }},
        {"GHyperType", [](const Cls9& g) { return I(g.GHyperType); }},
        {"GParaType", [](const Cls9& g) { return I(g.GParaType); }},
        {"VecOperation", [](const Cls9& g) { return I(g.VecOperation); }},
    };
    if (name == QStringLiteral("label"))
        return GraphListLabel(g, g_DocumentKind);
    const auto it = members.find(name);
    return it == members.end() ? QStringLiteral("<unknown member>") : it->second(g);
}

inline void ResetScenes(int32_t kind = DocumentKind2D)
{
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    g_LastGraphID = 0;
    g_EditingGraph = false;
    g_DocumentKind = kind;
}

inline QString Record(const Cls9& g)
{
    return g.Save().value_or(QStringLiteral("<no record>"));
}

// Fills the dialog, presses OK and checks the one graph it adds (created,
// shown, ID 1, savable) against "member=value" pairs.
inline void CheckBuilds(QDialog& d, const QStringList& inputs, const QStringList& expected)
{
    SetControls(d, inputs);
    MessageRecorder recorder;
    ClickOk(d);
    for (const auto& m : recorder.Messages())
        qWarning() << m.title << m.text;
    QCOMPARE(recorder.Count(), 0);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 1);
    const auto g = g_AllGraphs.FunSurfs.Item(1);
    QCOMPARE(g.get(), g_ShownGraphs.FunSurfs.Item(QStringLiteral("1")).get());
    QCOMPARE(g->ID, 1);
    for (const QString& pair : expected)
        QCOMPARE(Member(*g, pair.section(u'=', 0, 0)), pair.section(u'=', 1));
    // What is created can be saved.
    QVERIFY(g->Save().has_value());
}

// Fills the dialog, then the colour box: it opens on `initial`, keeps it
// when the colour dialog is cancelled (not black) and takes 0x00FF00 when
// picked; OK then stores the graph.
inline void PickGreenAndOk(QDialog& d, const QStringList& inputs, const QString& box,
                           int32_t initial)
{
    SetControls(d, inputs);
    auto* picture = d.findChild<ColorBox*>(box);
    QVERIFY(picture);
    QCOMPARE(picture->Color(), initial);
    std::optional<int32_t> answer;
    const auto previous = SetColorDialogHandler([&](int32_t) { return answer; });
    picture->PickColor();
    QCOMPARE(picture->Color(), initial);
    answer = 0x00FF00;
    picture->PickColor();
    SetColorDialogHandler(previous);
    QCOMPARE(picture->Color(), 0x00FF00);
    ClickOk(d);
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

// An edit in place through `make` (the dialog as the editing command opens
// it): a point (ID 7) is listed first so the figure is not the first row;
// OK without a change gives back the same graph, a refused edit then
// Cancel changes nothing, a good edit keeps object, ID and row and relabels
// it. With `rebuilds`, the scene is drawn again only for the good edit.
inline void CheckEditInPlace(const std::function<std::unique_ptr<QDialog>()>& make,
                             QListWidget* list, const QStringList& inputs,
                             const QStringList& change, const QString& changedLabel,
                             const QStringList& failing, int* rebuilds = nullptr)
{
    CurrentDialogHost()->AddListEntry(QStringLiteral("other"));
    auto other = Cls9::Init(7, QStringLiteral("p"), GraphTypePoint, CoordTypeCartesian2D, "0",
                            "1", "1", 1, 1, 0, 1, 0, 0, 4, 0, 0, 0, 1, 4, 2, 2);
    QVERIFY(other->GetPoints());
    g_AllGraphs.FunSurfs.Add(other, QStringLiteral("7"));
    g_ShownGraphs.FunSurfs.Add(other, QStringLiteral("7"));
    g_LastGraphID = 7;
    {
        std::unique_ptr<QDialog> d = make();
        SetControls(*d, inputs);
        ClickOk(*d);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    const auto g = g_AllGraphs.FunSurfs.Item(2);
    const QString label = GraphListLabel(*g, g_DocumentKind);
    CurrentDialogHost()->AddListEntry(label);
    list->setCurrentRow(1);
    const QString record = Record(*g);
    const auto unchanged = [&] {
        QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
        QCOMPARE(g_AllGraphs.FunSurfs.Item(2).get(), g.get());
        QCOMPARE(Record(*g), record);
        QCOMPARE(list->item(1)->text(), label);
    };

    // OK without a change gives back the same graph and label.
    g_EditingGraph = true;
    {
        std::unique_ptr<QDialog> d = make();
        MessageRecorder recorder;
        ClickOk(*d);
        QCOMPARE(recorder.Count(), 0);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
    QVERIFY(!g_EditingGraph);
    unchanged();
    QCOMPARE(g->ID, 8);

    // A refused edit, then Cancel: nothing changed, nothing redrawn, still
    // editing.
    g_EditingGraph = true;
    if (rebuilds)
        *rebuilds = 0;
    {
        std::unique_ptr<QDialog> d = make();
        SetControls(*d, failing);
        MessageRecorder recorder;
        ClickOk(*d);
        QCOMPARE(recorder.Count(), 1);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        unchanged();
        QVERIFY(g_EditingGraph);
        SetControls(*d, change);
        Click(*d, "Command2");
        QCOMPARE(d->result(), int(QDialog::Rejected));
    }
    unchanged();
    QVERIFY(g_EditingGraph);
    if (rebuilds)
        QCOMPARE(*rebuilds, 0);

    // A good edit: same object, ID and row, new definition and label, and
    // the scene drawn again.
    {
        std::unique_ptr<QDialog> d = make();
        SetControls(*d, change);
        ClickOk(*d);
        QCOMPARE(d->result(), int(QDialog::Accepted));
    }
    QVERIFY(!g_EditingGraph);
    if (rebuilds)
        QCOMPARE(*rebuilds, 1);
    QCOMPARE(g_AllGraphs.FunSurfs.Count(), 2);
    QCOMPARE(g_AllGraphs.FunSurfs.Item(2).get(), g.get());
    QCOMPARE(g_ShownGraphs.FunSurfs.Item(QStringLiteral("8")).get(), g.get());
    QCOMPARE(g->ID, 8);
    QCOMPARE(g_LastGraphID, 8);
    QCOMPARE(list->item(1)->text(), changedLabel);
    QCOMPARE(list->item(0)->text(), QStringLiteral("other"));
    QVERIFY(Record(*g) != record);
}

} // namespace FigureDialogTesting
