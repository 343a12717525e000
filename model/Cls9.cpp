// Cls9, the graph object: Init, Equal, the comparisons and StepT.
#include "model/Cls9.h"

#include "model/Globals.h"

bool IsDocumentGraphType(int32_t graphType)
{
    switch (graphType) {
    case GraphType2DFunction:
    case GraphType25DFunction:
    case GraphTypePoint:
    case GraphTypePointAnimation:
    case GraphType2DFunctionAnimation:
    case GraphType25DFunctionAnimation:
    case GraphTypeCurveIntersection:
    case GraphTypeLimit:
    case GraphTypeLine:
    case GraphTypeCircle:
    case GraphTypeEllipse:
    case GraphTypeHyperbola:
    case GraphTypeParabola:
    case GraphTypePlaneVector:
    case GraphTypeVectorOperation:
    case GraphTypeSpaceLine:
    case GraphTypePrism:
    case GraphTypePyramid:
    case GraphTypePyramidFrustum:
    case GraphTypeCylinder:
    case GraphTypeCone:
    case GraphTypeConeFrustum:
    case GraphTypeSphere:
    case GraphTypeArithmeticSequence:
    case GraphTypeGeometricSequence:
        return true;
    default:
        return false;
    }
}

int32_t Cls9::StepT() const
{
    return g_FrameCount;
}

std::shared_ptr<Cls9> Cls9::Init(int32_t lngID, const QString& strName, int32_t gtpGraphType,
                                 int32_t dtpCoordType, const QString& strExpX,
                                 const QString& strExpY, const QString& strExpZ,
                                 int32_t lngStepU, int32_t lngStepV, float sngMinU, float sngMaxU,
                                 float sngMinV, float sngMaxV, int32_t fstFillStyle,
                                 int32_t lngFirstColor, int32_t lngSecondColor,
                                 int32_t lngLineColor, int32_t lngLineWidth, int32_t MatType,
                                 int32_t shwShow, int32_t smtSmooth, bool bolShowCon,
                                 bool bolShowVec, bool bolShowColormap, int32_t lngConLevel)
{
    auto g = std::make_shared<Cls9>();
    g->ID = lngID;
    g->NameS = strName;
    g->GraphType = gtpGraphType;
    g->CoordType = dtpCoordType;
    g->ExpressX = strExpX;
    g->ExpressY = strExpY;
    g->ExpressZ = strExpZ;
    g->StepU = lngStepU;
    g->StepV = lngStepV;
    g->MinU = sngMinU;
    g->MaxU = sngMaxU;
    g->MinV = sngMinV;
    g->MaxV = sngMaxV;
    g->FillStyle = fstFillStyle;
    g->FirstColor = lngFirstColor;
    g->SecondColor = lngSecondColor;
    g->LineColor = lngLineColor;
    g->LineWidth = lngLineWidth;
    g->Material = MatType;
    g->Show = shwShow;
    g->Smoothness = smtSmooth;
    g->ShowContour = bolShowCon;
    g->ShowVector = bolShowVec;
    g->ShowColormap = bolShowColormap;
    g->ContourLevel = lngConLevel;
    return g;
}

void Cls9::Equal(const QString& strName, int32_t gtpGraphType, int32_t ctpCoordType,
                 const QString& strExpX, const QString& strExpY, const QString& strExpZ,
                 int32_t lngStepU, int32_t lngStepV, float sngMinU, float sngMaxU, float sngMinV,
                 float sngMaxV, int32_t fstFillStyle, int32_t lngFirstColor,
                 int32_t lngSecondColor, int32_t lngLineColor, int32_t lngLineWidth,
                 int32_t MatType, int32_t shwShow, int32_t smtSmooth, bool bolShowCon,
                 bool bolShowVec, bool bolShowColormap, int32_t lngConLevel, int32_t ffFunForm)
{
    NameS = strName;
    GraphType = gtpGraphType;
    CoordType = ctpCoordType;
    ExpressX = strExpX;
    ExpressY = strExpY;
    ExpressZ = strExpZ;
    StepU = lngStepU;
    StepV = lngStepV;
    MinU = sngMinU;
    MaxU = sngMaxU;
    MinV = sngMinV;
    MaxV = sngMaxV;
    FillStyle = fstFillStyle;
    FirstColor = lngFirstColor;
    SecondColor = lngSecondColor;
    LineColor = lngLineColor;
    LineWidth = lngLineWidth;
    Material = MatType;
    Show = shwShow;
    Smoothness = smtSmooth;
    ShowContour = bolShowCon;
    ShowVector = bolShowVec;
    ShowColormap = bolShowColormap;
    ContourLevel = lngConLevel;
    FunForm = ffFunForm;
}

namespace {

// Copies elements 1..count; a count of 0 or less copies none.
void CopyPositions(PositionList& to, const PositionList& from, int32_t count)
{
    for (int32_t i = 1; i <= count; ++i)
        to[i] = from[i];
}

} // namespace

bool Cls9::EqualTo(const Cls9& s)
{
    // Check the counts before anything is copied, so that a source outside
    // the data model leaves this graph whole instead of half-copied.
    for (int32_t count : {s.CurvNum, s.QieNum, s.NmlNum, s.TangentNum, s.NormalNum}) {
        if (count > PositionListUpper)
            return false;
    }
    if (&s == this)
        return true;

    // Definition and style (ID stays).
    GraphType = s.GraphType;
    NameS = s.NameS;
    CoordType = s.CoordType;
    ExpressX = s.ExpressX;
    ExpressY = s.ExpressY;
    ExpressZ = s.ExpressZ;
    StepU = s.StepU;
    StepV = s.StepV;
    MinU = s.MinU;
    MaxU = s.MaxU;
    MinV = s.MinV;
    MaxV = s.MaxV;
    FillStyle = s.FillStyle;
    FirstColor = s.FirstColor;
    SecondColor = s.SecondColor;
    LineColor = s.LineColor;
    LineWidth = s.LineWidth;
    Material = s.Material;
    Show = s.Show;
    Smoothness = s.Smoothness;
    PointColor = s.PointColor;
    PointSize = s.PointSize;
    PointHollow = s.PointHollow;
    Animation = s.Animation;
    if (s.Animation) {
        MinT = s.MinT;
        MaxT = s.MaxT;
    }

    // Analysis options.
    FunForm = s.FunForm;
    Show2DCurve = s.Show2DCurve;
    ShowInverse = s.ShowInverse;
    InvColor = s.InvColor;
    InvWidth = s.InvWidth;
    ShowDev = s.ShowDev;
    DevColor = s.DevColor;
    DevWidth = s.DevWidth;
    ShowInt = s.ShowInt;
    IntColor = s.IntColor;
    IntFrom = s.IntFrom;
    IntTo = s.IntTo;
    ShowMax = s.ShowMax;
    MaxColor = s.MaxColor;
    MaxSize = s.MaxSize;
    MaxSymbol = s.MaxSymbol;
    ShowMin = s.ShowMin;
    MinColor = s.MinColor;
    MinSize = s.MinSize;
    MinSymbol = s.MinSymbol;
    ShowGuai = s.ShowGuai;
    GuaiColor = s.GuaiColor;
    GuaiSize = s.GuaiSize;
    GuaiSymbol = s.GuaiSymbol;
    ShowJO = s.ShowJO;
    JOColor = s.JOColor;
    JOWidth = s.JOWidth;
    ShowRoot = s.ShowRoot;
    RootColor = s.RootColor;
    RootSize = s.RootSize;
    RootSymbol = s.RootSymbol;
    ShowCurv = s.ShowCurv;
    CurvColor = s.CurvColor;
    CurvWidth = s.CurvWidth;
    CurvNum = s.CurvNum;
    CopyPositions(CurvX, s.CurvX, s.CurvNum);
    ShowLen = s.ShowLen;
    LenFrom = s.LenFrom;
    LenTo = s.LenTo;
    ShowQie = s.ShowQie;
    QieColor = s.QieColor;
    QieWidth = s.QieWidth;
    QieNum = s.QieNum;
    CopyPositions(QieX, s.QieX, s.QieNum);
    ShowNml = s.ShowNml;
    NmlColor = s.NmlColor;
    NmlWidth = s.NmlWidth;
    NmlNum = s.NmlNum;
    CopyPositions(NmlX, s.NmlX, s.NmlNum);

    // Steps, stems, intersection, surface flags.
    ShowStep = s.ShowStep;
    StepColor = s.StepColor;
    StepWidth = s.StepWidth;
    ShowStem = s.ShowStem;
    StemHeadColor = s.StemHeadColor;
    StemHeadSize = s.StemHeadSize;
    StemHeadSymbol = s.StemHeadSymbol;
    StemBodyColor = s.StemBodyColor;
    StemBodyWidth = s.StemBodyWidth;
    Exp2 = s.Exp2;
    Color2 = s.Color2;
    Width2 = s.Width2;
    ShowInter = s.ShowInter;
    InterColor = s.InterColor;
    InterSize = s.InterSize;
    InterSymbol = s.InterSymbol;
    ShowArea = s.ShowArea;
    AreaColor = s.AreaColor;
    ShowSurface = s.ShowSurface;
    ShowSurPX = s.ShowSurPX;
    ShowSurPY = s.ShowSurPY;
    ShowTangent = s.ShowTangent;
    TangentNum = s.TangentNum;
    CopyPositions(TangentX, s.TangentX, s.TangentNum);
    CopyPositions(TangentY, s.TangentY, s.TangentNum);
    ShowNormal = s.ShowNormal;
    NormalNum = s.NormalNum;
    CopyPositions(NormalX, s.NormalX, s.NormalNum);
    CopyPositions(NormalY, s.NormalY, s.NormalNum);

    // Vectors, differential equation, limit, series, texture, contour.
    VecBeginX = s.VecBeginX;
    VecBeginY = s.VecBeginY;
    VecBeginZ = s.VecBeginZ;
    VecEndX = s.VecEndX;
    VecEndY = s.VecEndY;
    VecEndZ = s.VecEndZ;
    ShowVecBegin = s.ShowVecBegin;
    ShowVecEnd = s.ShowVecEnd;
    VecColor = s.VecColor;
    VecWidth = s.VecWidth;
    ShowVecPrj = s.ShowVecPrj;
    ShowVecB = s.ShowVecB;
    VecOperation = s.VecOperation;
    VecConstant = s.VecConstant;
    VecDX = s.VecDX;
    VecDY = s.VecDY;
    VecDZ = s.VecDZ;
    VecDX2 = s.VecDX2;
    VecDY2 = s.VecDY2;
    VecDZ2 = s.VecDZ2;
    ODEInitial = s.ODEInitial;
    ODEInitX = s.ODEInitX;
    ODEInitY = s.ODEInitY;
    ODEColor = s.ODEColor;
    ODEWidth = s.ODEWidth;
    LimitX0 = s.LimitX0;
    LimitDir = s.LimitDir;
    LimitShowP = s.LimitShowP;
    LimitShowL = s.LimitShowL;
    SeriesN1 = s.SeriesN1;
    SeriesN2 = s.SeriesN2;
    SeriesColor = s.SeriesColor;
    SeriesWidth = s.SeriesWidth;
    SeriesA0 = s.SeriesA0;
    ShowTex = s.ShowTex;
    TexMode = s.TexMode;
    ShowTrans = s.ShowTrans;
    TransAlpha = s.TransAlpha;
    TexName = s.TexName;
    ShowContour = s.ShowContour;
    ShowVector = s.ShowVector;
    ShowColormap = s.ShowColormap;
    ContourLevel = s.ContourLevel;

    // Figures.
    GLineType = s.GLineType;
    GPara1 = s.GPara1;
    GPara2 = s.GPara2;
    GPara3 = s.GPara3;
    GPara4 = s.GPara4;
    GLineColor = s.GLineColor;
    Glinewidth = s.Glinewidth;
    GShowLinePoint = s.GShowLinePoint;
    GLinePointX = s.GLinePointX;
    GLinePointY = s.GLinePointY;
    GLinePointType = s.GLinePointType;
    GLinePointColor = s.GLinePointColor;
    GLinePointSize = s.GLinePointSize;
    GShowLineLine = s.GShowLineLine;
    GLineLineType = s.GLineLineType;
    GPara5 = s.GPara5;
    GPara6 = s.GPara6;
    GPara7 = s.GPara7;
    GPara8 = s.GPara8;
    GPara9 = s.GPara9;
    GPara10 = s.GPara10;
    GLineLineColor = s.GLineLineColor;
    GLineLineWidth = s.GLineLineWidth;
    GShowCircle = s.GShowCircle;
    GCircleType = s.GCircleType;
    GCircleColor = s.GCircleColor;
    GCircleWidth = s.GCircleWidth;
    GShowCircleTangent = s.GShowCircleTangent;
    GCircleTangType = s.GCircleTangType;
    GCircleTangPointX = s.GCircleTangPointX;
    GCircleTangPointY = s.GCircleTangPointY;
    GCircleTangK = s.GCircleTangK;
    GCircleTangC = s.GCircleTangC;
    GCircleTangColor = s.GCircleTangColor;
    GCircleTangWidth = s.GCircleTangWidth;
    GShowCircleEqua = s.GShowCircleEqua;
    GCircleEquaType = s.GCircleEquaType;
    GCircleEquaColor = s.GCircleEquaColor;
    GCircleEquaWidth = s.GCircleEquaWidth;
    GEllipseType = s.GEllipseType;
    GEllipseColor = s.GEllipseColor;
    GEllipseWidth = s.GEllipseWidth;
    GEllipseCompute = s.GEllipseCompute;
    GHyperType = s.GHyperType;
    GHyperColor = s.GHyperColor;
    GHyperWidth = s.GHyperWidth;
    GHyperCompute = s.GHyperCompute;
    GParaType = s.GParaType;
    GParaColor = s.GParaColor;
    GParaWidth = s.GParaWidth;
    GParaCompute = s.GParaCompute;
    EdgeNum = s.EdgeNum;
    GeomColor = s.GeomColor;
    GeomWidth = s.GeomWidth;
    return true;
}

bool Cls9::TabEqualTo(Cls9& s)
{
    int32_t n = 0;
    if (s.GraphType == GraphTypeTable2D || s.GraphType == GraphTypeTableSurface)
        n = s.StepV - 1;
    else if (s.GraphType == GraphTypeTableData)
        n = s.StepV;
    // The table has 201 x 201 cells: refuse before copying anything.
    if (n > PointTable::Upper || (n >= 0 && s.StepV > PointTable::Upper))
        return false;

    NameS = s.NameS;
    LineColor = s.LineColor;
    LineWidth = s.LineWidth;
    GraphType = s.GraphType;
    CoordType = s.CoordType;
    StepU = s.StepU;
    StepV = s.StepV;
    FillStyle = s.FillStyle;
    FirstColor = s.FirstColor;
    SecondColor = s.SecondColor;
    Material = s.Material;
    Show = s.Show;
    Smoothness = s.Smoothness;
    for (int32_t i = 0; i <= n; ++i) {
        for (int32_t j = 0; j <= s.StepV; ++j)
            VertTab3D.Set(i, j, s.VertTab3D.Get(i, j));
    }
    Show2DLine = s.Show2DLine;
    Show2DScatter = s.Show2DScatter;
    ShowSmoothCurve = s.ShowSmoothCurve;
    ScatterSize = s.ScatterSize;
    ScatterColor = s.ScatterColor;
    SmoothCurveColor = s.SmoothCurveColor;
    SmoothCurveWidth = s.SmoothCurveWidth;
    Symbol = s.Symbol;
    return true;
}
