// Outline glyphs as blocks of OpenGL display lists.
#include "platform/OutlineFont_gl.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

#include <GL/gl.h>
#include <GL/glu.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <memory>
#include <vector>

namespace {

using Point2 = std::array<double, 2>;
using Point3 = std::array<double, 3>;

// Curve flattening: segments per quadratic and per cubic arc. Glyph arcs are
// short, so a fixed count keeps labels smooth at the sizes the axes use.
constexpr int kConicSegments = 6;
constexpr int kCubicSegments = 8;

QString StandInFamily(const QString& face)
{
    const QString f = face.trimmed();
    if (f.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    if (f.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Serif");
    if (f.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    return f;
}

// ---- Outline decomposition --------------------------------------------------

struct OutlineSink {
    double scale = 1.0; // font units -> em
    std::vector<std::vector<Point2>> contours;
    Point2 last{0.0, 0.0};

    Point2 Em(const FT_Vector* v) const { return {v->x * scale, v->y * scale}; }
    void Add(const Point2& p)
    {
        auto& c = contours.back();
        if (c.empty() || c.back() != p)
            c.push_back(p);
        last = p;
    }
};

int MoveTo(const FT_Vector* to, void* user)
{
    auto* s = static_cast<OutlineSink*>(user);
    s->contours.emplace_back();
    s->Add(s->Em(to));
    return 0;
}

int LineTo(const FT_Vector* to, void* user)
{
    auto* s = static_cast<OutlineSink*>(user);
    s->Add(s->Em(to));
    return 0;
}

int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user)
{
    auto* s = static_cast<OutlineSink*>(user);
    const Point2 p0 = s->last, c = s->Em(control), p1 = s->Em(to);
    for (int i = 1; i <= kConicSegments; ++i) {
        const double t = double(i) / kConicSegments, u = 1.0 - t;
        s->Add({u * u * p0[0] + 2 * u * t * c[0] + t * t * p1[0],
                u * u * p0[1] + 2 * u * t * c[1] + t * t * p1[1]});
    }
    return 0;
}

int CubicTo(const FT_Vector* control1, const FT_Vector* control2, const FT_Vector* to, void* user)
{
    auto* s = static_cast<OutlineSink*>(user);
    const Point2 p0 = s->last, c1 = s->Em(control1), c2 = s->Em(control2), p1 = s->Em(to);
    for (int i = 1; i <= kCubicSegments; ++i) {
        const double t = double(i) / kCubicSegments, u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        s->Add({a * p0[0] + b * c1[0] + c * c2[0] + d * p1[0],
                a * p0[1] + b * c1[1] + c * c2[1] + d * p1[1]});
    }
    return 0;
}

// ---- Tessellation -----------------------------------------------------------

struct TessResult {
    std::vector<Point3> points;     // contour points handed to the tessellator
    std::deque<Point3> extra;       // points made where outlines cross
    std::vector<const double*> triangles; // three per triangle
    bool failed = false;
};

void GLAPIENTRY TessBegin(GLenum, void*) {}
void GLAPIENTRY TessEnd(void*) {}
// Registering an edge-flag callback makes the tessellator emit plain
// triangles only, never fans or strips.
void GLAPIENTRY TessEdgeFlag(GLboolean, void*) {}

void GLAPIENTRY TessVertex(void* vertex, void* data)
{
    static_cast<TessResult*>(data)->triangles.push_back(static_cast<const double*>(vertex));
}

void GLAPIENTRY TessCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* data)
{
    auto* r = static_cast<TessResult*>(data);
    r->extra.push_back({coords[0], coords[1], coords[2]});
    *out = r->extra.back().data();
}

void GLAPIENTRY TessError(GLenum, void* data)
{
    static_cast<TessResult*>(data)->failed = true;
}

struct TessDeleter {
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

bool Tessellate(const std::vector<std::vector<Point2>>& contours, TessResult& out)
{
    size_t total = 0;
    for (const auto& c : contours)
        total += c.size();
    out.points.reserve(total); // pointers into it must stay valid
    std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (!tess)
        return false;
    GLUtesselator* t = tess.get();
    gluTessCallback(t, GLU_TESS_BEGIN_DATA, reinterpret_cast<_GLUfuncptr>(&TessBegin));
    gluTessCallback(t, GLU_TESS_END_DATA, reinterpret_cast<_GLUfuncptr>(&TessEnd));
    gluTessCallback(t, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<_GLUfuncptr>(&TessEdgeFlag));
    gluTessCallback(t, GLU_TESS_VERTEX_DATA, reinterpret_cast<_GLUfuncptr>(&TessVertex));
    gluTessCallback(t, GLU_TESS_COMBINE_DATA, reinterpret_cast<_GLUfuncptr>(&TessCombine));
    gluTessCallback(t, GLU_TESS_ERROR_DATA, reinterpret_cast<_GLUfuncptr>(&TessError));
    gluTessProperty(t, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(t, 0.0, 0.0, 1.0);

    gluTessBeginPolygon(t, &out);
    for (const auto& c : contours) {
        if (c.size() < 3)
            continue;
        gluTessBeginContour(t);
        for (const Point2& p : c) {
            out.points.push_back({p[0], p[1], 0.0});
            gluTessVertex(t, out.points.back().data(), out.points.back().data());
        }
        gluTessEndContour(t);
    }
    gluTessEndPolygon(t);
    return !out.failed && out.triangles.size() % 3 == 0;
}

// ---- Glyph lists ------------------------------------------------------------

// Emits the extruded glyph. Contours are expected with the filled area on
// their right (outer contours clockwise), which gives (-dy, dx) as the
// outward normal of an edge (dx, dy).
void EmitGlyph(const std::vector<std::vector<Point2>>& contours, const TessResult& fill,
               double depth)
{
    if (!fill.triangles.empty()) {
        glBegin(GL_TRIANGLES);
        glNormal3f(0.0f, 0.0f, 1.0f);
        for (const double* v : fill.triangles)
            glVertex3d(v[0], v[1], 0.0);
        glNormal3f(0.0f, 0.0f, -1.0f);
        for (size_t i = 0; i + 2 < fill.triangles.size(); i += 3)
            for (size_t k : {i + 2, i + 1, i})
                glVertex3d(fill.triangles[k][0], fill.triangles[k][1], -depth);
        glEnd();
    }
    glBegin(GL_QUADS);
    for (const auto& c : contours) {
        if (c.size() < 3)
            continue;
        for (size_t i = 0; i < c.size(); ++i) {
            const Point2& a = c[i];
            const Point2& b = c[(i + 1) % c.size()];
            const double dx = b[0] - a[0], dy = b[1] - a[1];
            const double len = std::hypot(dx, dy);
            if (len == 0.0)
                continue;
            glNormal3d(-dy / len, dx / len, 0.0);
            glVertex3d(a[0], a[1], 0.0);
            glVertex3d(b[0], b[1], 0.0);
            glVertex3d(b[0], b[1], -depth);
            glVertex3d(a[0], a[1], -depth);
        }
    }
    glEnd();
}

FT_Library Library()
{
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0)
            l = nullptr;
        return l;
    }();
    return lib;
}

struct FaceDeleter {
    void operator()(FT_Face f) const { FT_Done_Face(f); }
};

} // namespace

QString FindOutlineFontFile(const QString& face, int32_t weight, bool italic)
{
    const QString family = StandInFamily(face);
    const bool bold = weight >= 600;
    QString style = bold ? (italic ? QStringLiteral("BoldItalic") : QStringLiteral("Bold"))
                         : (italic ? QStringLiteral("Italic") : QStringLiteral("Regular"));
    if (family.startsWith(QLatin1String("Liberation "))) {
        const QString name = QString(family).remove(QLatin1Char(' ')) + QLatin1Char('-') + style +
                             QLatin1String(".ttf");
        for (const char* dir : {"/usr/share/fonts/truetype/liberation/",
                                "/usr/share/fonts/truetype/liberation2/"}) {
            const QString path = QLatin1String(dir) + name;
            if (QFile::exists(path))
                return path;
        }
    }
    QString pattern = family;
    if (bold)
        pattern += QLatin1String(":bold");
    if (italic)
        pattern += QLatin1String(":italic");
    QProcess fc;
    fc.start(QStringLiteral("fc-match"), {QStringLiteral("-f"), QStringLiteral("%{file}"), pattern});
    if (!fc.waitForFinished(5000) || fc.exitStatus() != QProcess::NormalExit || fc.exitCode() != 0)
        return {};
    const QString path = QString::fromLocal8Bit(fc.readAllStandardOutput()).trimmed();
    return QFile::exists(path) ? path : QString();
}

bool CompileOutlineGlyphLists(uint32_t base, int32_t first, int32_t count, const QString& face,
                              int32_t weight, bool italic, float extrusion, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (base == 0 || count <= 0)
        return fail(QStringLiteral("no display lists to fill"));
    FT_Library lib = Library();
    if (!lib)
        return fail(QStringLiteral("FreeType could not be started"));
    const QString path = FindOutlineFontFile(face, weight, italic);
    if (path.isEmpty())
        return fail(QStringLiteral("no font file for \"%1\"").arg(face));
    FT_Face raw = nullptr;
    if (FT_New_Face(lib, QFile::encodeName(path).constData(), 0, &raw) != 0 || !raw)
        return fail(QStringLiteral("cannot read font file %1").arg(path));
    std::unique_ptr<FT_FaceRec_, FaceDeleter> ftFace(raw);
    if (!FT_IS_SCALABLE(raw) || raw->units_per_EM == 0)
        return fail(QStringLiteral("%1 has no outlines").arg(path));
    const double scale = 1.0 / raw->units_per_EM;

    FT_Outline_Funcs funcs{};
    funcs.move_to = &MoveTo;
    funcs.line_to = &LineTo;
    funcs.conic_to = &ConicTo;
    funcs.cubic_to = &CubicTo;

    for (int32_t i = 0; i < count; ++i) {
        const FT_ULong code = static_cast<FT_ULong>(first + i);
        OutlineSink sink;
        sink.scale = scale;
        double advance = 0.0;
        const FT_UInt glyph = code >= 32 ? FT_Get_Char_Index(raw, code) : 0;
        if (glyph != 0 &&
            FT_Load_Glyph(raw, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_BITMAP | FT_LOAD_NO_HINTING) == 0 &&
            raw->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            advance = raw->glyph->advance.x * scale;
            FT_Outline& outline = raw->glyph->outline;
            if (FT_Outline_Decompose(&outline, &funcs, &sink) != 0)
                sink.contours.clear();
            for (auto& c : sink.contours)
                if (c.size() > 1 && c.front() == c.back())
                    c.pop_back();
            // Bring PostScript-oriented outlines to the TrueType sense.
            if (FT_Outline_Get_Orientation(&outline) == FT_ORIENTATION_POSTSCRIPT)
                for (auto& c : sink.contours)
                    std::reverse(c.begin(), c.end());
        }

        TessResult fill;
        const bool filled = sink.contours.empty() || Tessellate(sink.contours, fill);
        glNewList(base + static_cast<uint32_t>(i), GL_COMPILE);
        if (filled && !sink.contours.empty())
            EmitGlyph(sink.contours, fill, extrusion);
        if (advance != 0.0)
            glTranslated(advance, 0.0, 0.0);
        glEndList();
    }
    return true;
}
