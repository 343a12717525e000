#pragma once
// Graphs and document texts for the document tests. Records come from the
// graph's own writer, so the tests check the reader against what the
// program really writes.
#include "model/Cls3.h"
#include "model/Cls9.h"
#include "platform/Codepage936.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace fixtures {

// A graph of the given type whose members are all away from their defaults:
// a name with blanks and Chinese, filled position lists, figure members,
// animation for the animated types.
inline GraphRef RichGraph(int32_t type, int32_t id)
{
    auto g = std::make_shared<Cls9>();
    Cls9& m = *g;
    m.GraphType = type;
    m.ID = id;
    m.NameS = QStringLiteral("曲线 %1  two").arg(id);
    m.CoordType = (type >= 50 || type == 7 || type == 8) ? 3 : 1;
    m.ExpressX = "0";
    m.ExpressY = "x";
    m.ExpressZ = "sin(x)+t";
    m.StepU = 3;
    m.StepV = 150;
    m.MinU = -1.5f; m.MaxU = 2.25f; m.MinV = -10.0f; m.MaxV = 0.6666667f;
    m.FillStyle = 4; m.FirstColor = 16711680; m.SecondColor = 65280; m.LineColor = 255;
    m.LineWidth = 2; m.Material = 11; m.Show = 2; m.Smoothness = 1; m.PointColor = 12345;
    m.PointSize = 3.0f; m.PointHollow = true;
    m.Animation = type == 8 || type == 9 || type == 10;
    m.MinT = -3.1416f; m.MaxT = 6.283185f;
    m.FunForm = 2; m.Show2DCurve = true; m.ShowInverse = true; m.InvColor = 1; m.InvWidth = 3;
    m.ShowDev = true; m.DevColor = 2; m.DevWidth = 4; m.ShowInt = true; m.IntColor = 3;
    m.IntFrom = -0.5f; m.IntTo = 1e-5f; m.ShowMax = true; m.MaxColor = 4; m.MaxSize = 5;
    m.MaxSymbol = 6; m.ShowMin = true; m.MinColor = 7; m.MinSize = 8; m.MinSymbol = 1;
    m.ShowGuai = true; m.GuaiColor = 9; m.GuaiSize = 2; m.GuaiSymbol = 3; m.ShowJO = true;
    m.JOColor = 10; m.JOWidth = 2; m.ShowRoot = true; m.RootColor = 11; m.RootSize = 4;
    m.RootSymbol = 5; m.ShowCurv = true; m.CurvColor = 12; m.CurvWidth = 1;
    m.CurvNum = 2; m.CurvX[1] = 0.5f; m.CurvX[2] = -1.0f;
    m.ShowLen = true; m.LenFrom = -2.0f; m.LenTo = 123456.7f; m.ShowQie = true;
    m.QieColor = 13; m.QieWidth = 2; m.QieNum = 1; m.QieX[1] = 2.25f;
    m.ShowNml = true; m.NmlColor = 14; m.NmlWidth = 3; m.NmlNum = 3;
    m.NmlX[1] = 1; m.NmlX[2] = 2; m.NmlX[3] = 3;
    m.ShowStep = true; m.StepColor = 15; m.StepWidth = 2; m.ShowStem = true;
    m.StemHeadColor = 16; m.StemHeadSize = 3; m.StemHeadSymbol = 4; m.StemBodyColor = 17;
    m.StemBodyWidth = 1; m.Exp2 = "cos(x)"; m.Color2 = 18; m.Width2 = 2; m.ShowInter = true;
    m.InterColor = 19; m.InterSize = 6; m.InterSymbol = 2; m.ShowArea = true; m.AreaColor = 20;
    m.ShowSurface = true; m.ShowSurPX = true; m.ShowSurPY = true; m.ShowTangent = true;
    m.TangentNum = 2; m.TangentX[1] = 1.5f; m.TangentY[1] = -1.5f;
    m.TangentX[2] = 12345678.0f; m.TangentY[2] = -0.0001f;
    m.ShowNormal = true; m.NormalNum = 1; m.NormalX[1] = 7; m.NormalY[1] = 8;
    m.VecBeginX = 1; m.VecBeginY = 2; m.VecBeginZ = 3; m.VecEndX = 4; m.VecEndY = 5;
    m.VecEndZ = 6; m.ShowVecBegin = true; m.ShowVecEnd = true; m.VecColor = 21; m.VecWidth = 2;
    m.ShowVecPrj = true; m.ShowVecB = true; m.VecOperation = 3; m.VecConstant = 2.5f;
    m.VecDX = 1; m.VecDY = -1; m.VecDZ = 0.25f; m.VecDX2 = 9; m.VecDY2 = 8; m.VecDZ2 = 7;
    m.ODEInitial = true; m.ODEInitX = 0.1f; m.ODEInitY = 0.2f; m.ODEColor = 22; m.ODEWidth = 2;
    m.LimitX0 = 0.75f; m.LimitDir = 2; m.LimitShowP = true; m.LimitShowL = true;
    m.SeriesN1 = 1; m.SeriesN2 = 20; m.SeriesColor = 23; m.SeriesWidth = 2; m.SeriesA0 = 0.3f;
    m.ShowTex = true; m.TexMode = 2; m.ShowTrans = true; m.TransAlpha = 0.45f;
    m.TexName = QStringLiteral("纹理 file.bmp");
    m.ShowContour = true; m.ShowVector = true; m.ShowColormap = true; m.ContourLevel = 5;
    m.GLineType = 2; m.GPara1 = 1.25f; m.GPara2 = -2; m.GPara3 = 3; m.GPara4 = 4;
    m.GLineColor = 24; m.Glinewidth = 2; m.GShowLinePoint = true; m.GLinePointX = 5;
    m.GLinePointY = 6; m.GLinePointType = 2; m.GLinePointColor = 25; m.GLinePointSize = 3;
    m.GShowLineLine = true; m.GLineLineType = 3; m.GPara5 = 5; m.GPara6 = 6; m.GPara7 = 7;
    m.GPara8 = 8; m.GPara9 = 9; m.GPara10 = 10; m.GLineLineColor = 26; m.GLineLineWidth = 3;
    m.GShowCircle = true; m.GCircleType = 2; m.GCircleColor = 27; m.GCircleWidth = 2;
    m.GShowCircleTangent = true; m.GCircleTangType = 1; m.GCircleTangPointX = 1.5f;
    m.GCircleTangPointY = 2.5f; m.GCircleTangK = -1; m.GCircleTangColor = 28;
    m.GCircleTangWidth = 2; m.GShowCircleEqua = true; m.GCircleEquaType = 4;
    m.GCircleEquaColor = 29; m.GCircleEquaWidth = 3; m.GEllipseType = 2; m.GEllipseColor = 30;
    m.GEllipseWidth = 2; m.GEllipseCompute = true; m.GHyperType = 1; m.GHyperColor = 31;
    m.GHyperWidth = 2; m.GHyperCompute = true; m.GParaType = 2; m.GParaColor = 32;
    m.GParaWidth = 3; m.GParaCompute = true; m.EdgeNum = 6; m.GeomColor = 33; m.GeomWidth = 2;
    return g;
}

// The plainest record: defaults with the type and ID set, no lists, name
// empty (one token), so token positions are fixed (see the offsets below;
// an animated record has 4 more tokens after Animation).
inline GraphRef PlainGraph(int32_t type, int32_t id)
{
    auto g = std::make_shared<Cls9>();
    g->GraphType = type;
    g->ID = id;
    g->CoordType = 1;
    g->FunForm = 2;
    g->ExpressX = "0";
    g->ExpressY = "x";
    g->ExpressZ = "x";
    g->StepV = 10;
    g->MinV = -1.0f;
    g->MaxV = 1.0f;
    g->MaxT = 1.0f;
    g->Animation = type == 8 || type == 9 || type == 10;
    return g;
}

// Coordinate-system settings away from the defaults, titles with blanks.
inline Cls3 RichAxes()
{
    Cls3 a;
    a.Show = true;
    a.ShowXYPanel = true; a.ShowXZPanel = false; a.ShowYZPanel = true;
    a.ShowXYXGrid = false; a.ShowYZZGrid = false; a.BetterFonts = true;
    a.LabelNumX = 3; a.LabelNumY = 50; a.LabelNumZ = 1;
    a.XYPanelColor = 1; a.XZPanelColor = 2; a.YZPanelColor = 3;
    a.XYGridColor = 4; a.XZGridColor = 5; a.YZGridColor = 6;
    a.XYPanelMaterial = 7; a.XZPanelMaterial = 8; a.YZPanelMaterial = 9;
    a.AxisColor = 255; a.AxisWidth = 3;
    a.TitleX = QStringLiteral("横 轴"); a.TitleY = QString(); a.TitleZ = QStringLiteral("a  b");
    a.ShowprimaryGrid = true; a.ShowSecondaryGrid = true; a.ShowBackground = true;
    a.BackStyle = 19; a.BackColor = 100; a.BackColor2 = 200; a.PriGridColor = 300;
    a.SecGridColor = 400; a.ShowSecondaryLabel = false; a.ShowPI = true; a.ShowShadow = true;
    return a;
}

// "key count record record ... axes" exactly as the writer joins them.
inline QString DocumentText(const QString& key, const std::vector<GraphRef>& graphs,
                            const Cls3& axes)
{
    QString text = key + ' ' + QString::number(graphs.size()) + ' ';
    for (const GraphRef& g : graphs)
        text += g->Save().value() + ' ';
    return text + axes.Save();
}

// Tag 8, little-endian length, the text in code page 936.
inline QByteArray DocumentBytes(const QString& text)
{
    QByteArray body = EncodeCodepage936(text).value();
    QByteArray bytes;
    bytes.append(char(8)).append(char(0));
    bytes.append(char(body.size() & 0xFF)).append(char((body.size() >> 8) & 0xFF));
    return bytes + body;
}

// Token offsets inside a plain, not animated record.
namespace rec {
constexpr int GraphType = 0, ID = 1, StepU = 7, StepV = 8, MinV = 11, LineColor = 16,
              PointSize = 22, Animation = 24, CurvNum = 59, QieNum = 66, TangentNum = 93;
constexpr int Tokens = 192;
} // namespace rec

} // namespace fixtures
