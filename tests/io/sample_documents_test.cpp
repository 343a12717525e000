// The demonstration documents in samples/ are made by the program's own
// writer from the table in SampleDocuments.cpp. The test rebuilds each one and checks that
// the committed file is exactly that document and that it reads back.
// To regenerate after changing the table or the writer:
//   QG_WRITE_SAMPLES=1 ./core_tests --gtest_filter='SampleDocuments.*'
#include "io/DocumentReader.h"
#include "io/DocumentWriter.h"

#include "ProgramStateGuard.h"
#include "SampleDocuments.h"
#include "expr/Cls6.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"
#include "model/Globals.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {

// The checkout the build was configured from, wherever the build folder is.
QString SourceRoot()
{
    // Given by the build: __FILE__ may be relative to the compiler's folder.
    return QStringLiteral(QG_SOURCE_DIR);
}

QByteArray Build(const Sample& s)
{
    g_FrameCount = s.frames > 0 ? s.frames : g_FrameCount;
    g_FramesPerSecond = s.fps > 0 ? s.fps : g_FramesPerSecond;
    Cls8 scene;
    for (const GraphRef& g : s.graphs())
        scene.FunSurfs.Add(g, GraphCollection::KeyOf(*g));
    QString why;
    // Demonstrations show their coordinate system, as a new document does.
    Cls3 axes;
    axes.Show = true;
    auto text = BuildDocumentText(s.kind, scene, axes, &why);
    EXPECT_TRUE(text) << s.path << ": " << why.toStdString();
    if (!text)
        return {};
    auto bytes = BuildDocumentFile(*text, &why);
    EXPECT_TRUE(bytes) << s.path << ": " << why.toStdString();
    return bytes.value_or(QByteArray());
}
} // namespace

TEST(SampleDocuments, CommittedFilesAreTheGeneratedDocumentsAndReadBack)
{
    ProgramStateGuard guard;
    const bool write = !qEnvironmentVariableIsEmpty("QG_WRITE_SAMPLES");
    for (const Sample& s : Samples()) {
        SCOPED_TRACE(s.path);
        const QByteArray bytes = Build(s);
        ASSERT_FALSE(bytes.isEmpty());
        const QString path = SourceRoot() + QLatin1Char('/') + QString::fromUtf8(s.path);
        if (write) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            QString why;
            ASSERT_TRUE(WriteFileReplacing(path, bytes, &why)) << why.toStdString();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "missing; regenerate with QG_WRITE_SAMPLES=1";
        EXPECT_EQ(file.readAll(), bytes) << "out of date; regenerate with QG_WRITE_SAMPLES=1";

        QString why;
        auto doc = ParseDocumentFile(bytes, Cls3(), {}, &why);
        ASSERT_TRUE(doc) << why.toStdString();
        EXPECT_EQ(doc->kind, s.kind);
        EXPECT_EQ(doc->graphs.size(), s.graphs().size());
        EXPECT_EQ(doc->animated, s.frames > 0);
        if (s.frames > 0) {
            EXPECT_EQ(doc->animation.frameCount, s.frames);
            EXPECT_EQ(doc->animation.framesPerSecond, s.fps);
        }
        // Every expression a sample stores compiles, so a demo never opens
        // with a syntax message.
        MessageRecorder messages;
        for (const GraphRef& g : doc->graphs) {
            for (const QString& e : {g->ExpressX, g->ExpressY, g->ExpressZ}) {
                Cls6 compiler;
                QString buffer;
                EXPECT_EQ(compiler.InfixToPostfix(e, buffer), 0) << e.toStdString();
            }
        }
        EXPECT_EQ(messages.Count(), 0);
    }
}
