// Writing .qgd documents in code page 936.
#include "io/DocumentWriter.h"

#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "model/SavedText.h"
#include "platform/Codepage936.h"

namespace {
void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

QString DocumentKeyOf(int32_t documentKind)
{
    switch (documentKind) {
    case DocumentKind2D: return QStringLiteral("S81");
    case DocumentKind25D: return QStringLiteral("S83");
    case DocumentKind3D: return QStringLiteral("S82");
    default: return {};
    }
}

std::optional<QString> BuildDocumentText(int32_t documentKind, const Cls8& shownGraphs,
                                         const Cls3& axes, QString* error)
{
    const QString key = DocumentKeyOf(documentKind);
    if (key.isEmpty()) {
        SetError(error, QStringLiteral("未知的文档类型 %1。").arg(documentKind));
        return std::nullopt;
    }
    QString why;
    std::optional<QString> records = shownGraphs.Save(&why);
    if (!records) {
        SetError(error, why);
        return std::nullopt;
    }
    return key + QLatin1Char(' ') + QString::number(shownGraphs.FunSurfs.Count()) +
           QLatin1Char(' ') + *records + axes.Save();
}

std::optional<QByteArray> BuildDocumentFile(const QString& text, QString* error)
{
    std::optional<QByteArray> encoded = EncodeCodepage936(text);
    if (!encoded) {
        SetError(error, UnencodableTextProblem(text));
        return std::nullopt;
    }
    if (encoded->size() > 0xFFFF) {
        SetError(error, QStringLiteral("图形太多，文件超过了 65535 字节，无法保存。"
                                       "请减少显示的图形后再保存。"));
        return std::nullopt;
    }
    const auto n = static_cast<uint16_t>(encoded->size());
    QByteArray bytes;
    bytes.reserve(4 + encoded->size());
    bytes.append(char(8)).append(char(0));
    bytes.append(char(n & 0xFF)).append(char(n >> 8));
    bytes.append(*encoded);
    return bytes;
}

std::optional<QByteArray> CurrentDocumentFile(QString* error)
{
    // Every graph of the list is stored, ticked or not: saving must not
    // drop what the user only hid.
    auto text = BuildDocumentText(g_DocumentKind, g_AllGraphs, g_CoordSystem, error);
    if (!text)
        return std::nullopt;
    return BuildDocumentFile(*text, error);
}
