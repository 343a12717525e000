// Reading .qgd documents, refusing a bad file before any state changes.
#include "io/DocumentReader.h"

#include "io/DocumentBudget.h"
#include "io/DocumentText.h"
#include "draw/LimitSequence.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "platform/Codepage936.h"

#include <QSet>

namespace {

const QString kCutShort = QStringLiteral("文件不完整。");
const QString kOutOfRange = QStringLiteral("数值超出范围。");
const QString kNotANumber = QStringLiteral("应为数值的数据不是数值。");

QString ReasonOf(const TokenReader& reader)
{
    switch (reader.Error()) {
    case TokenError::OutOfRange: return kOutOfRange;
    case TokenError::NotANumber: return kNotANumber;
    default: return kCutShort;
    }
}

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// A list count followed by that many elements (pairs when `second` is set).
bool ReadList(TokenReader& r, int32_t& count, PositionList& first, PositionList* second,
              QString* error)
{
    if (!r.Long(count))
        return false;
    if (count < 0 || count > MaxPositionListCount) {
        SetError(error, QStringLiteral("列表的元素个数 %1 不在 0 到 %2 之间。")
                            .arg(count)
                            .arg(MaxPositionListCount));
        return false;
    }
    for (int32_t i = 1; i <= count; ++i) {
        if (!r.Single(first[i]))
            return false;
        if (second && !r.Single((*second)[i]))
            return false;
    }
    return true;
}

bool IsSequence(const Cls9& g)
{
    return g.GraphType == GraphTypeArithmeticSequence ||
           g.GraphType == GraphTypeGeometricSequence;
}

} // namespace

int32_t DocumentKindOfKey(const QString& key)
{
    if (key == QLatin1String("S81") || key == QLatin1String("S71"))
        return 1;
    if (key == QLatin1String("S83") || key == QLatin1String("S73"))
        return 2;
    if (key == QLatin1String("S82") || key == QLatin1String("S72"))
        return 3;
    return 0;
}

bool IsOlderDocumentKey(const QString& key)
{
    return key == QLatin1String("S71") || key == QLatin1String("S72") ||
           key == QLatin1String("S73");
}

GraphRef ReadGraphRecord(TokenReader& r, bool figureGroup, AnimationSettings& animation,
                         QString* error)
{
    // The type token must be exactly the decimal text of a type the program
    // makes; anything else is not a record this program wrote.
    const QStringView typeToken = r.Peek();
    bool isNumber = false;
    const int32_t type = typeToken.toInt(&isNumber);
    if (r.Remaining() <= 0) {
        SetError(error, kCutShort);
        return nullptr;
    }
    if (!isNumber || !IsDocumentGraphType(type) || QString::number(type) != typeToken) {
        SetError(error, QStringLiteral("未知的图形类型“%1”。").arg(typeToken.left(20)));
        return nullptr;
    }

    auto g = std::make_shared<Cls9>();
    Cls9& m = *g;
    bool fail = false;
    auto L = [&](int32_t& v) { fail = fail || !r.Long(v); };
    auto S = [&](float& v) { fail = fail || !r.Single(v); };
    auto B = [&](bool& v) { fail = fail || !r.Boolean(v); };
    auto E = [&](QString& v) { fail = fail || !r.Expression(v); };
    auto Q = [&](QString& v) { fail = fail || !r.Quoted(v); };
    // A list count outside 0..50 is reported by ReadList itself.
    auto List = [&](int32_t& count, PositionList& a, PositionList* b) {
        fail = fail || !ReadList(r, count, a, b, error);
    };
    auto done = [&]() -> bool {
        if (fail && r.Failed())
            SetError(error, ReasonOf(r));
        return fail;
    };

    // Definition and style.
    L(m.GraphType); L(m.ID); Q(m.NameS); L(m.CoordType);
    E(m.ExpressX); E(m.ExpressY); E(m.ExpressZ);
    L(m.StepU); L(m.StepV);
    S(m.MinU); S(m.MaxU); S(m.MinV); S(m.MaxV);
    L(m.FillStyle); L(m.FirstColor); L(m.SecondColor); L(m.LineColor); L(m.LineWidth);
    L(m.Material); L(m.Show); L(m.Smoothness); L(m.PointColor);
    if (!fail)
        fail = !r.PointSize(m.PointSize);
    B(m.PointHollow); B(m.Animation);
    if (done())
        return nullptr;

    // Animation range, and the program's frame count and speed.
    if (m.Animation) {
        int32_t frames = 0, fps = 0;
        S(m.MinT); S(m.MaxT); L(frames); L(fps);
        if (done())
            return nullptr;
        if (frames < 1 || frames > MaxDocumentFrameCount) {
            SetError(error, QStringLiteral("动画帧数 %1 不在 1 到 %2 之间。")
                                .arg(frames)
                                .arg(MaxDocumentFrameCount));
            return nullptr;
        }
        if (fps < 1 || fps > MaxDocumentFramesPerSecond) {
            SetError(error, QStringLiteral("动画速度 %1 帧/秒不在 1 到 %2 之间。")
                                .arg(fps)
                                .arg(MaxDocumentFramesPerSecond));
            return nullptr;
        }
        animation.frameCount = frames;
        animation.framesPerSecond = fps;
    }

    // Plane analysis.
    L(m.FunForm); B(m.Show2DCurve); B(m.ShowInverse); L(m.InvColor); L(m.InvWidth);
    B(m.ShowDev); L(m.DevColor); L(m.DevWidth);
    B(m.ShowInt); L(m.IntColor); S(m.IntFrom); S(m.IntTo);
    B(m.ShowMax); L(m.MaxColor); L(m.MaxSize); L(m.MaxSymbol);
    B(m.ShowMin); L(m.MinColor); L(m.MinSize); L(m.MinSymbol);
    B(m.ShowGuai); L(m.GuaiColor); L(m.GuaiSize); L(m.GuaiSymbol);
    B(m.ShowJO); L(m.JOColor); L(m.JOWidth);
    B(m.ShowRoot); L(m.RootColor); L(m.RootSize); L(m.RootSymbol);
    B(m.ShowCurv); L(m.CurvColor); L(m.CurvWidth);
    List(m.CurvNum, m.CurvX, nullptr);
    if (done())
        return nullptr;

    // Arc length and tangent positions.
    B(m.ShowLen); S(m.LenFrom); S(m.LenTo); B(m.ShowQie); L(m.QieColor); L(m.QieWidth);
    List(m.QieNum, m.QieX, nullptr);
    if (done())
        return nullptr;

    // Normal positions.
    B(m.ShowNml); L(m.NmlColor); L(m.NmlWidth);
    List(m.NmlNum, m.NmlX, nullptr);
    if (done())
        return nullptr;

    // Steps, stems, intersection, surface, surface tangents.
    B(m.ShowStep); L(m.StepColor); L(m.StepWidth);
    B(m.ShowStem); L(m.StemHeadColor); L(m.StemHeadSize); L(m.StemHeadSymbol);
    L(m.StemBodyColor); L(m.StemBodyWidth);
    E(m.Exp2); L(m.Color2); L(m.Width2);
    B(m.ShowInter); L(m.InterColor); L(m.InterSize); L(m.InterSymbol);
    B(m.ShowArea); L(m.AreaColor);
    B(m.ShowSurface); B(m.ShowSurPX); B(m.ShowSurPY); B(m.ShowTangent);
    List(m.TangentNum, m.TangentX, &m.TangentY);
    if (done())
        return nullptr;

    // Surface normals.
    B(m.ShowNormal);
    List(m.NormalNum, m.NormalX, &m.NormalY);
    if (done())
        return nullptr;

    // Vectors, equation, limit, series, texture, contour.
    S(m.VecBeginX); S(m.VecBeginY); S(m.VecBeginZ); S(m.VecEndX); S(m.VecEndY); S(m.VecEndZ);
    B(m.ShowVecBegin); B(m.ShowVecEnd); L(m.VecColor); L(m.VecWidth);
    B(m.ShowVecPrj); B(m.ShowVecB); L(m.VecOperation);
    S(m.VecConstant); S(m.VecDX); S(m.VecDY); S(m.VecDZ); S(m.VecDX2); S(m.VecDY2); S(m.VecDZ2);
    B(m.ODEInitial); S(m.ODEInitX); S(m.ODEInitY); L(m.ODEColor); L(m.ODEWidth);
    S(m.LimitX0); L(m.LimitDir); B(m.LimitShowP); B(m.LimitShowL);
    L(m.SeriesN1); L(m.SeriesN2); L(m.SeriesColor); L(m.SeriesWidth); S(m.SeriesA0);
    if (!fail)
        fail = !r.StrictBoolean(m.ShowTex);
    L(m.TexMode);
    if (!fail)
        fail = !r.StrictBoolean(m.ShowTrans);
    S(m.TransAlpha); Q(m.TexName);
    B(m.ShowContour); B(m.ShowVector); B(m.ShowColormap); L(m.ContourLevel);

    // Figure parameters (documents of the current layout only).
    if (figureGroup) {
        L(m.GLineType); S(m.GPara1); S(m.GPara2); S(m.GPara3); S(m.GPara4);
        L(m.GLineColor); L(m.Glinewidth);
        B(m.GShowLinePoint); S(m.GLinePointX); S(m.GLinePointY);
        L(m.GLinePointType); L(m.GLinePointColor); L(m.GLinePointSize);
        B(m.GShowLineLine); L(m.GLineLineType);
        S(m.GPara5); S(m.GPara6); S(m.GPara7); S(m.GPara8); S(m.GPara9); S(m.GPara10);
        L(m.GLineLineColor); L(m.GLineLineWidth);
        B(m.GShowCircle); L(m.GCircleType); L(m.GCircleColor); L(m.GCircleWidth);
        B(m.GShowCircleTangent); L(m.GCircleTangType);
        S(m.GCircleTangPointX); S(m.GCircleTangPointY); S(m.GCircleTangK);
        L(m.GCircleTangColor); L(m.GCircleTangWidth);
        B(m.GShowCircleEqua); L(m.GCircleEquaType); L(m.GCircleEquaColor); L(m.GCircleEquaWidth);
        L(m.GEllipseType); L(m.GEllipseColor); L(m.GEllipseWidth); B(m.GEllipseCompute);
        L(m.GHyperType); L(m.GHyperColor); L(m.GHyperWidth); B(m.GHyperCompute);
        L(m.GParaType); L(m.GParaColor); L(m.GParaWidth); B(m.GParaCompute);
        L(m.EdgeNum); L(m.GeomColor); L(m.GeomWidth);
    }
    if (done())
        return nullptr;

    if (m.ID < 0 || m.ID > MaxGraphID) {
        SetError(error, QStringLiteral("图形编号 %1 超出范围。").arg(m.ID));
        return nullptr;
    }
    // A sequence of more terms than the program draws is left out by the
    // caller however many it claims (GraphLimitProblem), not refused here.
    if (m.EdgeNum < -MaxEdgeNum || (m.EdgeNum > MaxEdgeNum && !IsSequence(m))) {
        SetError(error, QStringLiteral("边数或项数 %1 超出范围。").arg(m.EdgeNum));
        return nullptr;
    }
    if (m.StepU < 0 || m.StepV < 0) {
        SetError(error, QStringLiteral("段数不能为负数。"));
        return nullptr;
    }
    return g;
}

bool ReadAxesRecord(TokenReader& r, Cls3& axes, QString* error)
{
    // Read into a copy so that a refused record changes nothing.
    Cls3 a = axes;
    bool fail = !r.Boolean(a.Show);
    if (!fail && a.Show) {
        auto L = [&](int32_t& v) { fail = fail || !r.Long(v); };
        auto B = [&](bool& v) { fail = fail || !r.Boolean(v); };
        auto Q = [&](QString& v) { fail = fail || !r.Quoted(v); };
        B(a.ShowXYPanel); B(a.ShowXZPanel); B(a.ShowYZPanel);
        B(a.ShowXYXGrid); B(a.ShowXYYGrid); B(a.ShowXZXGrid); B(a.ShowXZZGrid);
        B(a.ShowYZYGrid); B(a.ShowYZZGrid); B(a.BetterFonts);
        L(a.LabelNumX); L(a.LabelNumY); L(a.LabelNumZ);
        L(a.XYPanelColor); L(a.XZPanelColor); L(a.YZPanelColor);
        L(a.XYGridColor); L(a.XZGridColor); L(a.YZGridColor);
        L(a.XYPanelMaterial); L(a.XZPanelMaterial); L(a.YZPanelMaterial);
        L(a.AxisColor); L(a.AxisWidth);
        Q(a.TitleX); Q(a.TitleY); Q(a.TitleZ);
        B(a.ShowprimaryGrid); B(a.ShowSecondaryGrid); B(a.ShowBackground);
        L(a.BackStyle); L(a.BackColor); L(a.BackColor2); L(a.PriGridColor); L(a.SecGridColor);
        B(a.ShowSecondaryLabel); B(a.ShowPI); B(a.ShowShadow);
    }
    if (fail) {
        SetError(error, QStringLiteral("坐标系：") + ReasonOf(r));
        return false;
    }
    // The 3D box divides each axis by its label count.
    for (int32_t n : {a.LabelNumX, a.LabelNumY, a.LabelNumZ}) {
        if (n < 1 || n > 50) {
            SetError(error, QStringLiteral("坐标系：坐标轴的间隔数 %1 不在 1 到 50 之间。").arg(n));
            return false;
        }
    }
    axes = a;
    return true;
}

int64_t GraphSampleCount(const Cls9& g, int32_t frameCount)
{
    auto steps = [](int32_t n) { return int64_t(n == 0 ? 1 : n); };
    int64_t samples = (steps(g.StepU) + 1) * (steps(g.StepV) + 1);
    if (g.Animation)
        samples *= steps(frameCount) + 1;
    return samples;
}

QString GraphLimitProblem(const Cls9& g)
{
    if (IsSequence(g) && g.EdgeNum > MaxSequenceTerms)
        return QStringLiteral("%1的项数 %2 超过了本程序能绘制的 %3 项。")
            .arg(GraphListLabel(g, DocumentKind2D))
            .arg(g.EdgeNum)
            .arg(MaxSequenceTerms);
    return QString();
}

std::optional<LoadedDocument> ParseDocumentText(const QString& text, const Cls3& axes,
                                                AnimationSettings animation, QString* error)
{
    TokenReader r(text);
    QString key;
    r.Expression(key);
    LoadedDocument doc;
    doc.kind = DocumentKindOfKey(key);
    if (doc.kind == 0) {
        SetError(error, QStringLiteral("不是图形文件。"));
        return std::nullopt;
    }
    const bool figureGroup = !IsOlderDocumentKey(key);

    int32_t count = 0;
    if (!r.Long(count)) {
        SetError(error, ReasonOf(r));
        return std::nullopt;
    }
    // Every record has more than a hundred tokens, so a count that the
    // text cannot hold is refused before anything is read.
    if (count < 0 || count > r.Remaining() / 100) {
        SetError(error, QStringLiteral("图形个数 %1 有误。").arg(count));
        return std::nullopt;
    }

    doc.animation = animation;
    QSet<int32_t> ids;
    // Each kept graph's place in the file, which messages name it by.
    std::vector<int32_t> places;
    for (int32_t k = 1; k <= count; ++k) {
        QString why;
        GraphRef g = ReadGraphRecord(r, figureGroup, doc.animation, &why);
        if (!g) {
            SetError(error, QStringLiteral("第 %1 个图形：%2").arg(k).arg(why));
            return std::nullopt;
        }
        if (ids.contains(g->ID)) {
            SetError(error, QStringLiteral("第 %1 个图形的编号 %2 与前面的图形重复。")
                                .arg(k)
                                .arg(g->ID));
            return std::nullopt;
        }
        ids.insert(g->ID);
        // A graph beyond what the program draws is left out on its own:
        // the rest of the document still opens.
        if (const QString problem = GraphLimitProblem(*g); !problem.isEmpty()) {
            doc.leftOut << QStringLiteral("第 %1 个图形：%2").arg(k).arg(problem);
            continue;
        }
        doc.animated = doc.animated || g->Animation;
        doc.graphs.push_back(std::move(g));
        places.push_back(k);
    }

    // Sampling makes (StepU + 1) x (StepV + 1) points, once per frame for an
    // animated graph, at the frame count the document leaves behind.
    for (size_t k = 0; k < doc.graphs.size(); ++k) {
        if (GraphSampleCount(*doc.graphs[k], doc.animation.frameCount) > MaxSamplesPerGraph) {
            SetError(error, QStringLiteral("第 %1 个图形的段数过大。").arg(places[k]));
            return std::nullopt;
        }
    }

    // The graphs together must stay within what the machine can draw.
    const QString overBudget = DocumentBudgetProblem(doc.graphs, doc.animation.frameCount);
    if (!overBudget.isEmpty()) {
        SetError(error, overBudget);
        return std::nullopt;
    }

    doc.axes = axes;
    if (!ReadAxesRecord(r, doc.axes, error))
        return std::nullopt;
    // Text left after the coordinate system means the count is smaller
    // than the records: the axes were read from a graph's fields.
    if (r.Remaining() > 0) {
        SetError(error, QStringLiteral("图形个数 %1 与文件中的图形记录不符。").arg(count));
        return std::nullopt;
    }
    return doc;
}

namespace {

constexpr uint16_t kDocumentTag = 8;
constexpr int kHeaderBytes = 4;

// The little-endian 16-bit number at `at`.
uint16_t HeaderWord(const QByteArray& bytes, int at)
{
    return uint16_t(uint8_t(bytes[at]) | (uint16_t(uint8_t(bytes[at + 1])) << 8));
}

// True when the first bytes already differ from the tag. Told before the
// length is looked at, so that a file is named the same however few of its
// bytes a FIFO has passed when its reader stops.
bool StartsOtherThanTag(const QByteArray& bytes)
{
    return (!bytes.isEmpty() && uint8_t(bytes[0]) != (kDocumentTag & 0xFF)) ||
           (bytes.size() >= 2 && HeaderWord(bytes, 0) != kDocumentTag);
}

} // namespace

bool DocumentFileComplete(const QByteArray& bytes)
{
    if (StartsOtherThanTag(bytes))
        return true;
    return bytes.size() >= kHeaderBytes && bytes.size() - kHeaderBytes >= HeaderWord(bytes, 2);
}

std::optional<QString> DocumentTextOfFile(const QByteArray& bytes, QString* error)
{
    if (StartsOtherThanTag(bytes)) {
        SetError(error, QStringLiteral("不是图形文件。"));
        return std::nullopt;
    }
    if (bytes.size() < kHeaderBytes) {
        SetError(error, bytes.isEmpty() ? QStringLiteral("文件是空的。") : kCutShort);
        return std::nullopt;
    }
    const int length = HeaderWord(bytes, 2);
    if (length == 0) {
        SetError(error, QStringLiteral("文件中没有图形数据。"));
        return std::nullopt;
    }
    if (bytes.size() - kHeaderBytes < length) {
        SetError(error, kCutShort);
        return std::nullopt;
    }
    auto text = DecodeCodepage936(bytes.mid(kHeaderBytes, length));
    if (!text) {
        SetError(error, QStringLiteral("文件中的文字编码有误。"));
        return std::nullopt;
    }
    return text;
}

std::optional<LoadedDocument> ParseDocumentFile(const QByteArray& bytes, const Cls3& axes,
                                                AnimationSettings animation, QString* error)
{
    auto text = DocumentTextOfFile(bytes, error);
    if (!text)
        return std::nullopt;
    return ParseDocumentText(*text, axes, animation, error);
}
