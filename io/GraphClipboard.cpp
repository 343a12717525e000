// The clipboard text that carries one graph: document kind and graph record.
#include "io/GraphClipboard.h"

#include "io/DocumentReader.h"
#include "io/DocumentText.h"

#include <cmath>
#include <limits>

namespace {

const QString kNotAGraph = QStringLiteral("剪贴板中没有可以粘贴的图形。");

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// Tokens after the name that come before the point size: CoordType, three
// expressions, two step counts, four range ends and nine colour and style
// fields.
constexpr qsizetype kFieldsBeforePointSize = 19;

} // namespace

std::optional<QString> BuildClipboardGraphText(int32_t documentKind, const Cls9& graph,
                                               QString* error)
{
    std::optional<QString> record = graph.Save(error);
    if (!record)
        return std::nullopt;
    return QString::number(documentKind) + QLatin1Char(' ') + *record;
}

bool ClipboardKindFits(double textKind, int32_t documentKind)
{
    if (documentKind < 1 || documentKind > 3)
        return true;
    return textKind == documentKind || textKind == documentKind + 3;
}

GraphRef ParseClipboardGraphText(const QString& text, int32_t documentKind, int32_t frameCount,
                                 QString* error)
{
    if (text.isEmpty() || text.size() > MaxClipboardTextLength) {
        SetError(error, kNotAGraph);
        return nullptr;
    }
    QStringList tokens = CutIntoTokens(text);
    if (tokens.size() < 2) {
        SetError(error, kNotAGraph);
        return nullptr;
    }
    const QString kindToken = tokens.takeFirst();
    const double kind = LeadingNumber(kindToken);
    if (kind < 1 || kind > 6 || kind != std::floor(kind)) {
        SetError(error, kNotAGraph);
        return nullptr;
    }
    if (!ClipboardKindFits(kind, documentKind)) {
        SetError(error, QStringLiteral("剪贴板中的图形是在另一种文档中复制的，"
                                       "不能粘贴到当前文档。"));
        return nullptr;
    }

    // Fields that a pasted text reads more freely than a document does; they
    // are brought into the document form before the record reader sees them.
    std::optional<float> pointSize;
    if (tokens.size() > 2) {
        if (!tokens[2].startsWith(QLatin1Char('@')))
            tokens[2] = QLatin1Char('@') + tokens[2] + QLatin1Char('@');
        TokenReader head(tokens.mid(0, qMin<qsizetype>(tokens.size(), 104)));
        int32_t skip = 0;
        QString name;
        head.Long(skip);
        head.Long(skip);
        head.Quoted(name);
        const qsizetype at = head.Position() + kFieldsBeforePointSize;
        if (!head.Failed() && at + 1 < tokens.size()) {
            const double size = LeadingNumber(tokens[at]);
            if (!(std::fabs(size) <= std::numeric_limits<float>::max())) {
                SetError(error, QStringLiteral("点的大小“%1”无效。").arg(tokens[at].left(20)));
                return nullptr;
            }
            pointSize = float(size);
            tokens[at] = QStringLiteral("1");
            tokens[at + 1] = LeadingNumber(tokens[at + 1]) != 0.0 ? QStringLiteral("1")
                                                                  : QStringLiteral("0");
        }
    }

    TokenReader reader(tokens);
    AnimationSettings ignored; // the receiving document keeps its own
    QString why;
    GraphRef graph = ReadGraphRecord(reader, true, ignored, &why);
    if (!graph) {
        SetError(error, kNotAGraph + QLatin1Char('\n') + why);
        return nullptr;
    }
    if (reader.Remaining() > 0) {
        SetError(error, kNotAGraph + QLatin1Char('\n') +
                            QStringLiteral("图形数据后面还有多余的内容。"));
        return nullptr;
    }
    if (pointSize)
        graph->PointSize = *pointSize;
    if (const QString problem = GraphLimitProblem(*graph); !problem.isEmpty()) {
        SetError(error, problem);
        return nullptr;
    }

    // Sampling makes (StepU + 1) x (StepV + 1) points, once per frame of the
    // receiving document for an animated graph.
    if (GraphSampleCount(*graph, qMax(frameCount, 0)) > MaxSamplesPerGraph) {
        SetError(error, kNotAGraph + QLatin1Char('\n') + QStringLiteral("图形的段数过大。"));
        return nullptr;
    }
    return graph;
}
