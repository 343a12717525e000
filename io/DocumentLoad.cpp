// Opening a document: read and check the whole file, then replace the current document.
#include "io/DocumentLoad.h"

#include "io/DocumentWindow.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Globals.h"
#include "model/ListLabel.h"
#include "platform/MessageBox.h"
#include "platform/SpecialFile.h"
#include "view/DrawingMessages.h"

#include <QFile>
#include <QFileInfo>

bool IsSampledGraphType(int32_t t)
{
    switch (t) {
    case 0: case 3: case 7: case 8: case 9: case 10: case 20: case 37:
    case 41: case 42: case 43: case 44: case 45:
        return true;
    default:
        return false;
    }
}

void ApplyLoadedDocument(LoadedDocument doc)
{
    const DocumentWindow& w = GetDocumentWindow();
    if (w.deleteAllGraphs)
        w.deleteAllGraphs();
    g_AllGraphs.FunSurfs.Clear();
    g_ShownGraphs.FunSurfs.Clear();
    g_LastGraphID = 0;

    g_DocumentKind = doc.kind;
    g_ShownGraphs.RotRoll = 0.0f;
    g_ShownGraphs.RotPitch = doc.kind == DocumentKind2D ? 0.0f : -15.0f;
    g_ShownGraphs.RotYaw = doc.kind == DocumentKind2D ? 0.0f : 45.0f;
    if (w.resetViewModes)
        w.resetViewModes();
    if (w.setCommandStates)
        w.setCommandStates(doc.kind);

    // Sampling of animated graphs uses the frame count, so it is set first.
    g_FrameCount = doc.animation.frameCount;
    g_FramesPerSecond = doc.animation.framesPerSecond;

    for (GraphRef& g : doc.graphs) {
        // New graphs get IDs above every loaded one.
        if (g_LastGraphID < g->ID)
            g_LastGraphID = g->ID + 1;
        const QString key = GraphCollection::KeyOf(*g);
        g_AllGraphs.FunSurfs.Add(g, key);
        g_ShownGraphs.FunSurfs.Add(g, key);
        if (IsSampledGraphType(g->GraphType))
            // A graph that cannot be sampled is still listed.
            (void)RunWithGraphMessages(g, true, [&] { return g->GetPoints(); });
        if (w.addListEntry)
            w.addListEntry(GraphListLabel(*g, doc.kind));
    }

    g_CoordSystem = doc.axes;

    if (w.tickAllEntries)
        w.tickAllEntries();
    if (g_ShownGraphs.Animation()) {
        g_CurFrame = 1;
        if (w.enableAnimationControls)
            w.enableAnimationControls();
    }
}

bool LoadDocumentFromFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString name = QFileInfo(path).fileName();
    // A document holds at most 4 + 65535 bytes that matter; the rest of a
    // longer file is never looked at.
    constexpr qint64 kMostBytes = 4 + 0xFFFF;
    QByteArray bytes;
    if (IsSpecialFile(path)) {
        // A FIFO would hold the window until some program writes it.
        QString why;
        if (!ReadSpecialFile(path, kMostBytes, &bytes, &why, DocumentFileComplete)) {
            ShowMessage(QStringLiteral("无法读取文件“%1”：%2").arg(path, why),
                        QStringLiteral("出错"), MsgIcon::Warning);
            return false;
        }
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ShowMessage(QStringLiteral("无法打开文件“%1”：%2").arg(path, file.errorString()),
                        QStringLiteral("出错"), MsgIcon::Warning);
            return false;
        }
        bytes = file.read(kMostBytes);
        if (file.error() != QFileDevice::NoError) {
            ShowMessage(QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString()),
                        QStringLiteral("出错"), MsgIcon::Warning);
            return false;
        }
    }

    QString why;
    AnimationSettings animation{g_FrameCount, g_FramesPerSecond};
    std::optional<LoadedDocument> doc = ParseDocumentFile(bytes, g_CoordSystem, animation, &why);
    if (!doc) {
        ShowMessage(QStringLiteral("无法打开“%1”，当前图形保持不变。\n%2").arg(name, why),
                    QStringLiteral("出错"), MsgIcon::Warning);
        return false;
    }
    const QStringList leftOut = doc->leftOut;
    const size_t opened = doc->graphs.size();
    ApplyLoadedDocument(std::move(*doc));
    // Told once the document is in place, so the user sees what did open.
    if (!leftOut.isEmpty()) {
        // A document may leave out some 160 graphs: a box listing them all
        // would grow past the screen and hide its button.
        constexpr qsizetype kMostListed = 10;
        QString text = QStringLiteral("“%1”中以下图形没有打开：\n%2")
                           .arg(name, leftOut.mid(0, kMostListed).join(QLatin1Char('\n')));
        if (leftOut.size() > kMostListed)
            text += QStringLiteral("\n另有 %1 个图形也没有打开。").arg(leftOut.size() - kMostListed);
        if (opened > 0)
            text += QStringLiteral("\n其余 %1 个图形已打开。").arg(opened);
        ShowMessage(text, QStringLiteral("注意"), MsgIcon::Warning);
    }
    return true;
}
