#pragma once
// The graph object: one graph or figure of any kind, told apart by GraphType.
//
// Plain data: members are public and are read and written directly; there is
// no validation on store. Enumerated members are int32_t and keep any value
// (the enumerations below name the known ones). Only the indexed members
// check their index: the position lists (BoundedArray, 0..50) and the point
// grids (PointGrid, shape set by sampling) throw std::out_of_range.
//
// Who defines what:
//   model/     Init, Equal, EqualTo, TabEqualTo, Save, SaveTable, StepT
//   sampling/  GetPoints, GetBox, NegateFreeVariable, IsLetter
//   draw/      Draw and the private drawing procedures
//
// A graph is shared by reference (std::shared_ptr<Cls9>): both scenes, the
// graph list and dialogs may hold the same object. It cannot be copied by
// value; use EqualTo to take over another graph's definition.
#include "model/Cls1.h"
#include "model/Cls2.h"
#include "model/PointGrid.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

enum GraphType : int32_t {
    GraphType2DFunction = 0,
    GraphTypeReserved1 = 1,
    GraphType25DFunction = 3,
    GraphTypeTable2D = 4,
    GraphTypeTableSurface = 5,
    GraphTypeTableData = 6,
    GraphTypePoint = 7,
    GraphTypePointAnimation = 8,
    GraphType2DFunctionAnimation = 9,
    GraphType25DFunctionAnimation = 10,
    GraphTypeReserved11 = 11,
    GraphTypeReserved12 = 12,
    GraphTypeCurveIntersection = 20,
    GraphTypeReserved21 = 21,
    GraphTypeReserved22 = 22,
    GraphTypeStepStem = 23,
    GraphTypeReserved31 = 31,
    GraphTypeReserved32 = 32,
    GraphTypeDifferentialEquation = 36,
    GraphTypeLimit = 37,
    GraphTypeSeries = 38,
    GraphTypeLine = 41,
    GraphTypeCircle = 42,
    GraphTypeEllipse = 43,
    GraphTypeHyperbola = 44,
    GraphTypeParabola = 45,
    GraphTypePlaneVector = 46,
    GraphTypeVectorOperation = 47,
    GraphTypeSpaceLine = 50,
    GraphTypePrism = 51,
    GraphTypePyramid = 52,
    GraphTypePyramidFrustum = 53,
    GraphTypeCylinder = 54,
    GraphTypeCone = 55,
    GraphTypeConeFrustum = 56,
    GraphTypeSphere = 57,
    GraphTypeReserved58 = 58,
    GraphTypeArithmeticSequence = 61,
    GraphTypeGeometricSequence = 62,
};

// The graph types that documents and the clipboard may hold (the ones the
// dialogs create).
bool IsDocumentGraphType(int32_t graphType);

enum CoordType : int32_t {
    CoordTypeCartesian2D = 1,
    CoordTypePolar = 2,
    CoordTypeCartesian3D = 3,
    CoordTypeCylindrical = 4,
    CoordTypeSpherical = 5,
};

enum FunForm : int32_t {
    FunFormImplicit = 1,   // f(x,y) = 0
    FunFormExplicit = 2,   // y = f(x), r = f(a)
    FunFormParametric = 3, // x = f1(u), y = f2(u)
    FunFormInequality = 4, // f(x,y) <= 0
};

enum ShowModel : int32_t {
    ShowModelVertices = 1,
    ShowModelWireframe = 2,
    ShowModelSurface = 3,
};

enum Smoothness : int32_t {
    SmoothnessFaceted = 1,
    SmoothnessSmoother = 2,
    SmoothnessSmooth = 3,
};

enum FillStyle : int32_t {
    FillStyleGradientLeftRight = 1,
    FillStyleGradientFrontBack = 2,
    FillStyleGradientTopBottom = 3,
    FillStyleSingleColor = 4,
};

enum MaterialPreset : int32_t {
    MaterialPresetArtdeco = 1,
    MaterialPresetAutumn = 2,
    MaterialPresetGlass = 3,
    MaterialPresetMetal = 4,
    MaterialPresetNeon = 5,
    MaterialPresetRecoco = 6,
    MaterialPresetSantefe = 7,
    MaterialPresetSheen = 8,
    MaterialPresetSilky = 9,
    MaterialPresetSpring = 10,
    MaterialPresetSummer = 11,
    MaterialPresetTropical = 12,
    MaterialPresetWinter = 13,
};

// Figure enumerations.
enum LineForm : int32_t {
    LineFormGeneral = 1,        // Ax + By + C = 0: GPara1..3
    LineFormPointSlope = 2,     // y - y1 = k(x - x1): GPara1 x1, GPara2 y1, GPara3 k
    LineFormSlopeIntercept = 3, // y = kx + b: GPara1 b, GPara2 k
    LineFormTwoPoint = 4,       // (GPara1, GPara2) and (GPara3, GPara4)
};

enum LineThroughPoint : int32_t {
    LineThroughPointPerpendicular = 1,
    LineThroughPointParallel = 2,
};

enum CircleForm : int32_t {
    CircleFormStandard = 1,   // (x-a)^2 + (y-b)^2 = r^2: GPara1 a, GPara2 b, GPara3 r
    CircleFormGeneral = 2,    // x^2 + y^2 + Dx + Ey + F = 0: GPara1 D, GPara2 E, GPara3 F
    CircleFormParametric = 3, // x = r sin u + a, y = r cos u + b
};

enum CircleTangentGiven : int32_t {
    CircleTangentGivenPoint = 1,    // GCircleTangPointX, GCircleTangPointY
    CircleTangentGivenSlope = 2,    // GCircleTangK
    CircleTangentGivenReserved = 3, // neither chosen: no tangent
};

enum CircleEquationGiven : int32_t {
    CircleEquationGivenCenterRadius = 1,
    CircleEquationGivenCenterPoint = 2,
    CircleEquationGivenCenterTangent = 3,
    CircleEquationGivenThreePoints = 4,
};

enum EllipseForm : int32_t {
    EllipseFormStandard = 1,
    EllipseFormParametric = 2,
};

enum HyperbolaForm : int32_t {
    HyperbolaFormHorizontal = 1,
    HyperbolaFormVertical = 2,
};

enum ParabolaForm : int32_t {
    ParabolaFormHorizontal = 1,
    ParabolaFormVertical = 2,
};

enum VecOperation : int32_t {
    VecOperationAdd = 1,
    VecOperationSubtract = 2,
    VecOperationScale = 3,      // the constant is GPara3
    VecOperationDotProduct = 4, // dot product and angle
};

enum LimitSide : int32_t {
    LimitSideBoth = 1,
    LimitSideLeft = 2,
    LimitSideRight = 3,
};

// Colours are int32 laid out as 0x00BBGGRR (R + 256*G + 65536*B).
class Cls9 {
public:
    Cls9() = default;
    Cls9(const Cls9&) = delete;
    Cls9& operator=(const Cls9&) = delete;

    // ---- Figure members -------------------------------------------------
    // Roles of GPara1..GPara10 and EdgeNum depend on GraphType (line forms,
    // circle forms, conics, vectors, solids, sequences).
    int32_t GeomWidth = 0;   // line width of the space line
    int32_t EdgeNum = 0;     // sides of a prism/pyramid base; terms of a sequence
    int32_t GeomColor = 0;   // colour of the space line or solid
    int32_t GLineType = 0;   // LineForm
    float GPara1 = 0.0f;
    float GPara2 = 0.0f;
    float GPara3 = 0.0f;
    float GPara4 = 0.0f;
    int32_t GLineColor = 0;
    int32_t Glinewidth = 0;
    bool GShowLinePoint = false;
    float GLinePointX = 0.0f;
    float GLinePointY = 0.0f;
    int32_t GLinePointType = 0;  // LineThroughPoint
    int32_t GLinePointColor = 0;
    int32_t GLinePointSize = 0;
    bool GShowLineLine = false;
    int32_t GLineLineType = 0;   // LineForm of the second line (GPara5..8)
    float GPara5 = 0.0f;
    float GPara6 = 0.0f;
    float GPara7 = 0.0f;
    float GPara8 = 0.0f;
    float GPara9 = 0.0f;
    float GPara10 = 0.0f;
    int32_t GLineLineColor = 0;
    int32_t GLineLineWidth = 0;
    bool GShowCircle = false;
    int32_t GCircleType = 0;     // CircleForm
    int32_t GCircleColor = 0;
    int32_t GCircleWidth = 0;
    bool GShowCircleTangent = false;
    int32_t GCircleTangType = 0; // CircleTangentGiven
    float GCircleTangPointX = 0.0f;
    float GCircleTangPointY = 0.0f;
    float GCircleTangK = 0.0f;
    float GCircleTangC = 0.0f;   // copied by EqualTo, not in the record
    int32_t GCircleTangColor = 0;
    int32_t GCircleTangWidth = 0;
    bool GShowCircleEqua = false;
    int32_t GCircleEquaType = 0; // CircleEquationGiven
    int32_t GCircleEquaColor = 0;
    int32_t GCircleEquaWidth = 0;
    int32_t GEllipseType = 0;    // EllipseForm
    int32_t GEllipseColor = 0;
    int32_t GEllipseWidth = 0;
    bool GEllipseCompute = false;
    int32_t GHyperType = 0;      // HyperbolaForm
    int32_t GHyperColor = 0;
    int32_t GHyperWidth = 0;
    bool GHyperCompute = false;
    int32_t GParaType = 0;       // ParabolaForm
    int32_t GParaColor = 0;
    int32_t GParaWidth = 0;
    bool GParaCompute = false;

    // ---- Texture (documents only; nothing draws them) --------------------
    bool ShowTex = false;
    bool ShowTrans = false;
    float TransAlpha = 0.0f;
    QString TexName;             // display text: written between "@"
    int32_t TexMode = 0;

    // ---- Series, limit, differential equation ---------------------------
    float SeriesA0 = 0.0f;
    int32_t SeriesColor = 0;
    int32_t SeriesWidth = 0;
    int32_t SeriesN1 = 0;
    int32_t SeriesN2 = 0;
    bool LimitShowP = false;     // limit: mark the sample points
    bool LimitShowL = false;     // limit: join them by a polyline
    float LimitX0 = 0.0f;
    int32_t LimitDir = 0;        // LimitSide
    int32_t ODEColor = 0;
    int32_t ODEWidth = 0;
    bool ODEInitial = false;
    float ODEInitX = 0.0f;
    float ODEInitY = 0.0f;

    // ---- Surface tangents and normals ------------------------------------
    int32_t TangentNum = 0;      // pairs TangentX(i), TangentY(i), i = 1..TangentNum
    int32_t NormalNum = 0;       // pairs NormalX(i), NormalY(i)
    PositionList TangentX;
    PositionList TangentY;
    PositionList NormalX;
    PositionList NormalY;
    bool ShowSurface = false;
    bool ShowSurPX = false;      // sampling makes VertSurPX
    bool ShowSurPY = false;      // sampling makes VertSurPY
    bool ShowTangent = false;
    bool ShowNormal = false;

    // ---- Vectors (the vectors themselves are in GPara1..4) ---------------
    float VecBeginX = 0.0f;
    float VecBeginY = 0.0f;
    float VecBeginZ = 0.0f;
    float VecEndX = 0.0f;
    float VecEndY = 0.0f;
    float VecEndZ = 0.0f;
    bool ShowVecBegin = false;
    bool ShowVecEnd = false;
    int32_t VecColor = 0;
    int32_t VecWidth = 0;
    bool ShowVecPrj = false;
    bool ShowVecB = false;
    int32_t VecOperation = 0;    // VecOperation
    float VecConstant = 0.0f;
    float VecDX = 0.0f;
    float VecDY = 0.0f;
    float VecDZ = 0.0f;
    float VecDX2 = 0.0f;
    float VecDY2 = 0.0f;
    float VecDZ2 = 0.0f;

    // ---- Steps and stems (GraphTypeStepStem only) ------------------------
    bool ShowStep = false;
    int32_t StepColor = 0;
    int32_t StepWidth = 0;
    bool ShowStem = false;
    int32_t StemHeadColor = 0;
    int32_t StemHeadSize = 0;
    int32_t StemHeadSymbol = 0;  // MarkerSymbol
    int32_t StemBodyColor = 0;
    int32_t StemBodyWidth = 0;

    // ---- Intersection of two curves (GraphTypeCurveIntersection) ---------
    QString Exp2;                // second function y(x); the first is ExpressZ
    int32_t Color2 = 0;
    int32_t Width2 = 0;
    bool ShowInter = false;
    int32_t InterColor = 0;
    int32_t InterSize = 0;
    int32_t InterSymbol = 0;     // MarkerSymbol
    bool ShowArea = false;
    int32_t AreaColor = 0;

    // ---- Analysis options of 2D functions --------------------------------
    bool Show2DCurve = false;
    bool ShowInverse = false;
    int32_t InvColor = 0;
    int32_t InvWidth = 0;
    bool ShowDev = false;
    int32_t DevColor = 0;
    int32_t DevWidth = 0;
    bool ShowInt = false;
    int32_t IntColor = 0;
    float IntFrom = 0.0f;
    float IntTo = 0.0f;
    int32_t Symbol = MarkerSymbolFilledCircle; // table display marker; not in the record
    bool ShowMax = false;
    int32_t MaxColor = 0;
    int32_t MaxSize = 0;
    int32_t MaxSymbol = 0;
    bool ShowMin = false;
    int32_t MinColor = 0;
    int32_t MinSize = 0;
    int32_t MinSymbol = 0;
    bool ShowGuai = false;       // inflection points
    int32_t GuaiColor = 0;
    int32_t GuaiSize = 0;
    int32_t GuaiSymbol = 0;
    bool ShowJO = false;         // parity curve f(-x)
    int32_t JOColor = 0;
    int32_t JOWidth = 0;
    bool ShowRoot = false;
    int32_t RootColor = 0;
    int32_t RootSize = 0;
    int32_t RootSymbol = 0;
    bool ShowCurv = false;
    int32_t CurvColor = 0;
    int32_t CurvWidth = 0;
    int32_t CurvNum = 0;         // elements 1..CurvNum of CurvX; keep it <= 50
    PositionList CurvX;
    bool ShowLen = false;
    float LenFrom = 0.0f;
    float LenTo = 0.0f;
    bool ShowQie = false;        // tangent lines
    int32_t QieColor = 0;
    int32_t QieWidth = 0;
    int32_t QieNum = 0;
    PositionList QieX;
    bool ShowNml = false;        // normal lines
    int32_t NmlColor = 0;
    int32_t NmlWidth = 0;
    int32_t NmlNum = 0;
    PositionList NmlX;

    // ---- Table display (table graph types, which nothing creates) --------
    bool Show2DLine = true;
    bool Show2DScatter = true;
    bool ShowSmoothCurve = true;
    int32_t ScatterSize = 2;
    int32_t ScatterColor = 0;
    int32_t SmoothCurveColor = 0x00FF00; // green
    int32_t SmoothCurveWidth = 1;

    // ---- Animation and point arrays --------------------------------------
    PointGrid Anim1D;            // (t): animated point, 0..g_FrameCount
    PointGrid Anim2D;            // (v, t): animated 2D function
    PointGrid Anim3D;            // (u, v, t): GraphTypeReserved12 only
    int32_t FunForm = 0;         // FunForm
    float MaxT = 0.0f;
    float MinT = 0.0f;
    // The global frame count; a graph keeps no step count of its own.
    int32_t StepT() const;
    bool Animation = false;
    PointGrid Vert3D;            // (u, v): main samples; the curve is row 0
    PointTable VertTab3D;        // 201 x 201, filled only by TabEqualTo

    // ---- Definition and style --------------------------------------------
    int32_t Smoothness = SmoothnessSmooth;
    int32_t Show = ShowModelSurface; // ShowModel
    int32_t Material = 0;        // MaterialPreset
    int32_t ID = 0;
    QString NameS;               // display text: written between "@"
    float MaxV = 0.0f;
    float MinV = 0.0f;
    float MaxU = 0.0f;
    float MinU = 0.0f;
    int32_t StepV = 1;           // segments along v (sampling takes 0 as 1)
    int32_t StepU = 1;
    QString ExpressZ;            // 2D: y(x), r(a), y(u), r(u) or f(x,y)
    QString ExpressY;            // 2D: "x" for explicit forms, x(u) or a(u)
    QString ExpressX;            // 2D: "0"; 3D points: first coordinate
    int32_t GraphType = GraphType2DFunction; // GraphType
    int32_t CoordType = 0;       // CoordType
    int32_t FillStyle = 0;       // FillStyle
    int32_t SecondColor = 0;     // gradient colour at the least value / single colour
    int32_t FirstColor = 0;      // gradient colour at the greatest value
    int32_t LineColor = 0;
    int32_t LineWidth = 0;
    int32_t PointColor = 255;    // red
    float PointSize = 1.0f;
    bool PointHollow = false;
    bool ShowContour = false;
    bool ShowVector = false;
    bool ShowColormap = false;
    int32_t ContourLevel = 0;

    // ---- Sampling grids and bounds (written by sampling and GetBox) ------
    PointGrid VertExp2;          // (u, v): samples of Exp2 (curve intersection)
    PointGrid VertDev;           // (u, v): first derivative
    PointGrid VertDev2;          // (u, v): second derivative
    PointGrid VertJO;            // (u, v): parity curve
    PointGrid VertODE;           // (u, v): differential equation
    PointGrid Anim25D;           // (0..1, v, t): animated 2.5D ribbon
    PointGrid VertSurPX;         // (u, v)
    PointGrid VertSurPY;         // (u, v)
    PointGrid Vert1D;            // (u): GraphTypeReserved1
    PointGrid Anim11;            // (u, t): GraphTypeReserved11
    PointGrid VertAux40;         // (0..40, v), slots left empty
    float BoxMinX = 0.0f;
    float BoxMaxX = 0.0f;
    float BoxMinY = 0.0f;
    float BoxMaxY = 0.0f;
    float BoxMinZ = 0.0f;
    float BoxMaxZ = 0.0f;

    // ---- Operations -------------------------------------------------------
    // A new graph with these 25 values and constructor defaults otherwise
    // (FunForm 0, Animation false until the caller sets them). Not sampled.
    static std::shared_ptr<Cls9> Init(int32_t lngID, const QString& strName, int32_t gtpGraphType,
                                      int32_t dtpCoordType, const QString& strExpX,
                                      const QString& strExpY, const QString& strExpZ,
                                      int32_t lngStepU, int32_t lngStepV, float sngMinU,
                                      float sngMaxU, float sngMinV, float sngMaxV,
                                      int32_t fstFillStyle, int32_t lngFirstColor,
                                      int32_t lngSecondColor, int32_t lngLineColor,
                                      int32_t lngLineWidth, int32_t MatType, int32_t shwShow,
                                      int32_t smtSmooth, bool bolShowCon = false,
                                      bool bolShowVec = false, bool bolShowColormap = false,
                                      int32_t lngConLevel = 0);

    // Sets the definition and style directly (no ID). Unused by the program.
    void Equal(const QString& strName, int32_t gtpGraphType, int32_t ctpCoordType,
               const QString& strExpX, const QString& strExpY, const QString& strExpZ,
               int32_t lngStepU, int32_t lngStepV, float sngMinU, float sngMaxU,
               float sngMinV, float sngMaxV, int32_t fstFillStyle, int32_t lngFirstColor,
               int32_t lngSecondColor, int32_t lngLineColor, int32_t lngLineWidth,
               int32_t MatType, int32_t shwShow, int32_t smtSmooth, bool bolShowCon = false,
               bool bolShowVec = false, bool bolShowColormap = false, int32_t lngConLevel = 0,
               int32_t ffFunForm = 0);

    // Takes over the source's definition, style and options: every member
    // the record carries except ID, plus GCircleTangC. MinT/MaxT only when
    // the source is animated. Point grids and bounds are not copied: sample
    // again afterwards. Returns false and changes nothing when a count of
    // the source's position lists is above 50.
    [[nodiscard]] bool EqualTo(const Cls9& fsfnew);

    // Copies a table graph (style, table display members, shared VertTab3D
    // cells). Unused by the program. Returns false and changes nothing when
    // the source's StepV would reach past the table.
    [[nodiscard]] bool TabEqualTo(Cls9& fsfnew);

    // Bounding box of the graph for an animation step; also writes
    // BoxMinX..BoxMaxZ and the second row of a 2.5D ribbon. Never nullptr:
    // a circle part that cannot be formed adds nothing (GetPoints showed its
    // message once). Polar implicit/inequality graphs return g_PolarScanBox
    // itself. Undefined samples do not count. Defined in sampling/.
    std::shared_ptr<Cls1> GetBox(int32_t lngAnimStep = 0);

    // Samples the graph into its point grids. False when an expression did
    // not compile or evaluate. Defined in sampling/.
    bool GetPoints();

    // Draws the graph into the current OpenGL context and writes its
    // analysis text. Defined in draw/.
    void Draw(int32_t lngAnimStep = 0);

    // The graph record: one line of blank-separated tokens that the document
    // reader and the clipboard paste read back in the same order. Returns
    // nothing (and says why in *error) when the record could not be read
    // back: a count above 50, a non-finite number, an expression holding a
    // blank or a line break, a name or file name holding "@" or a line break.
    std::optional<QString> Save(QString* error = nullptr) const;

    // Table record: writes nothing.
    QString SaveTable() const { return QString(); }

    // ---- Private procedures of sampling and drawing ----------------------
    // (public so that the sampling and drawing sources can define and call
    // them; nothing else should.)
    QString NegateFreeVariable(const QString& text) const; // sampling/
    static bool IsLetter(const QString& ch);               // sampling/
    // Analysis tail of GetPoints, defined in sampling/AnalysisSampling.cpp:
    // the derivative curves (VertDev, VertDev2), the parity curve (VertJO)
    // and the differential equation (VertODE). GetPoints calls it last, once
    // its own sampling succeeded and the grids are made, with ExpressX,
    // ExpressY and ExpressZ after Module1::InsertImplicitMultiply, and
    // returns its result.
    bool GetAnalysisPoints(const QString& txtX, const QString& txtY, const QString& txtZ);
    void DrawPlaneGeometry(int32_t lngAnimStep);           // draw/
    void DrawPlaneVector();                                // draw/
    void DrawSolid(int32_t lngAnimStep);                   // draw/
    static void ColorToRGB(int32_t color, double& r, double& g, double& b); // draw/
    static void ArrowHead2D(float x1, float y1, float x2, float y2, float& ax, float& ay,
                            float& bx, float& by);         // draw/
};

using GraphRef = std::shared_ptr<Cls9>;
