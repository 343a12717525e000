// Cost of building the outline-font blocks at start-up: 128 glyph lists per
// block (FreeType outlines, flattening, GLU tessellation, list compile).
// Needs an X display (run under xvfb-run with LIBGL_ALWAYS_SOFTWARE=1).
#include "platform/OutlineFont_gl.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QSurfaceFormat>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

namespace {

void BM_OutlineFontBlock(benchmark::State& state)
{
    const int32_t weight = static_cast<int32_t>(state.range(0));
    const GLuint base = glGenLists(128);
    for (auto _ : state) {
        const bool ok = CompileOutlineGlyphLists(base, 0, 128, QStringLiteral("Arial"), weight,
                                                 false, 0.1f);
        benchmark::DoNotOptimize(ok);
    }
    glDeleteLists(base, 128);
    state.SetItemsProcessed(state.iterations() * 128);
}
BENCHMARK(BM_OutlineFontBlock)->Arg(400)->Arg(700)->Unit(benchmark::kMillisecond);

void BM_CallGlyphString(benchmark::State& state)
{
    const GLuint base = glGenLists(128);
    CompileOutlineGlyphLists(base, 0, 128, QStringLiteral("Arial"), 400, false, 0.1f);
    const char text[] = "-12.5";
    glListBase(base);
    for (auto _ : state) {
        glPushMatrix();
        glCallLists(5, GL_UNSIGNED_BYTE, text);
        glPopMatrix();
        glFinish();
    }
    glDeleteLists(base, 128);
}
BENCHMARK(BM_CallGlyphString);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(16);
    QOpenGLContext context;
    context.setFormat(format);
    QOffscreenSurface surface;
    surface.setFormat(format);
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
