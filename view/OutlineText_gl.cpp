// 3D text from the two outline-font blocks of the drawing area.
#include "view/OutlineText.h"
#include "platform/AppTitle.h"

#include "platform/MessageBox.h"
#include "platform/OutlineFont_gl.h"
#include "view/Colors.h"

#include <QCoreApplication>
#include <QDebug>

#include <GL/gl.h>

int32_t g_FontListNormal = 0;
int32_t g_FontListBold = 0;

namespace Module1 {

namespace {
constexpr int32_t kGlyphCount = 128;
constexpr float kExtrusion = 0.1f;

void ReportFontFailure()
{
    ShowMessage(QStringLiteral("无法创建字体。"), AppTitle(),
                MsgIcon::Critical);
}
} // namespace

bool CreateOutlineFont(int32_t& listBase, const QString& faceName, int32_t /*height*/,
                       int32_t weight, int32_t italic, int32_t color)
{
    SetGLColor(color);
    const GLuint base = glGenLists(kGlyphCount);
    listBase = static_cast<int32_t>(base);
    if (base == 0) {
        ReportFontFailure();
        return false;
    }
    QString why;
    if (!CompileOutlineGlyphLists(base, 0, kGlyphCount, faceName, weight, italic != 0, kExtrusion,
                                  &why)) {
        qWarning().noquote() << "outline font" << faceName << ":" << why;
        ReportFontFailure();
        glDeleteLists(base, kGlyphCount);
        return false;
    }
    return true;
}

void DrawOutlineText(int32_t listBase, const QString& text, float x, float y, float z,
                     const std::array<float, 4>& rotation, std::optional<int32_t> color)
{
    glPushAttrib(GL_POLYGON_BIT);
    glPushMatrix();
    glListBase(static_cast<GLuint>(listBase));
    glTranslatef(x, y, z);
    glScalef(0.7f, 0.7f, 0.7f);
    glRotatef(rotation[0], rotation[1], rotation[2], rotation[3]);
    if (color)
        SetGLColor(*color);
    QByteArray codes;
    codes.reserve(text.size());
    for (QChar ch : text)
        if (ch.unicode() < kGlyphCount)
            codes.append(static_cast<char>(ch.unicode()));
    if (!codes.isEmpty())
        glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.constData());
    glPopMatrix();
    glPopAttrib();
}

} // namespace Module1
