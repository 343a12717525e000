// Cls15, the texture loader: decoding with QImage, scaling with GLU and the
// texture object.
#include "view/Cls15.h"

#include "platform/AppTitle.h"
#include "platform/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QOpenGLContext>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

namespace {

bool Fail(TextureOutcome* outcome, QString* error, TextureOutcome why, const QString& text)
{
    if (outcome)
        *outcome = why;
    if (error)
        *error = text;
    return false;
}

// The picture's rows as red, green, blue bytes, bottom row first.
void FromImage(const QImage& source, TexturePixels& out)
{
    const QImage img = source.convertToFormat(QImage::Format_RGB888);
    out.width = img.width();
    out.height = img.height();
    const size_t row = static_cast<size_t>(out.width) * 3;
    out.rgb.assign(row * static_cast<size_t>(out.height), 0);
    for (int r = 0; r < out.height; ++r) {
        // QImage rows run top down and are padded; ours run bottom up.
        const uchar* src = img.constScanLine(out.height - 1 - r);
        std::memcpy(out.rgb.data() + row * static_cast<size_t>(r), src, row);
    }
}

} // namespace

bool Cls15::LoadBMP(const QString& FileName, TexturePixels& out, TextureOutcome* outcome,
                    QString* error)
{
    if (FileName.isEmpty())
        return Fail(outcome, error, TextureOutcome::NoFileName, QStringLiteral("没有给出图片文件名。"));
    const QFileInfo info(FileName);
    if (!info.exists() || !info.isFile())
        return Fail(outcome, error, TextureOutcome::Missing,
                    QStringLiteral("找不到图片文件：%1").arg(FileName));

    if (FileName.right(3).toUpper() == QStringLiteral("MOT")) {
        QFile file(FileName);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(outcome, error, TextureOutcome::Unreadable,
                        QStringLiteral("无法读取图片文件：%1").arg(FileName));
        TexturePixels raw;
        if (!ReadRawTexture(file.readAll(), raw))
            return Fail(outcome, error, TextureOutcome::Unreadable,
                        QStringLiteral("图片文件已损坏：%1").arg(FileName));
        out = std::move(raw);
        return true;
    }

    QImageReader reader(FileName);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    if (img.isNull() || img.width() <= 0 || img.height() <= 0)
        return Fail(outcome, error, TextureOutcome::Unreadable,
                    QStringLiteral("无法读取图片文件：%1（%2）").arg(FileName, reader.errorString()));
    FromImage(img, out);
    return true;
}

bool Cls15::ScaleImg(TexturePixels& pixels)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (maxSize <= 0)
        return false;
    const int32_t w = TextureSide(pixels.width, maxSize);
    const int32_t h = TextureSide(pixels.height, maxSize);
    if (w == pixels.width && h == pixels.height)
        return true;
    if (w <= 0 || h <= 0)
        return false;

    std::vector<uint8_t> scaled(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    const GLint rc = gluScaleImage(GL_RGB, pixels.width, pixels.height, GL_UNSIGNED_BYTE,
                                   pixels.rgb.data(), w, h, GL_UNSIGNED_BYTE, scaled.data());
    glPopClientAttrib();
    if (rc != 0) {
        ShowMessage(QStringLiteral("ValidateTextureSize : gluScaleImage failure"), AppTitle(),
                    MsgIcon::None, MsgButtons::Ok);
        return false;
    }
    pixels.width = w;
    pixels.height = h;
    pixels.rgb = std::move(scaled);
    return true;
}

bool Cls15::LoadGLTextures(const QString& FileName)
{
    m_error.clear();
    if (!QOpenGLContext::currentContext()) {
        m_outcome = TextureOutcome::NoContext;
        m_error = QStringLiteral("没有可用的OpenGL环境，无法建立纹理。");
        return false;
    }
    TexturePixels pixels;
    TextureOutcome outcome = TextureOutcome::Created;
    if (!LoadBMP(FileName, pixels, &outcome, &m_error)) {
        m_outcome = outcome;
        return false;
    }
    // A failed scaling uploads the pixels as they are (its message is shown).
    ScaleImg(pixels);

    GLuint name = 0;
    glGenTextures(1, &name);
    m_texture = name;
    glBindTexture(GL_TEXTURE_2D, name);
    // Rows of width × 3 bytes are not padded to 4 (a 1 or 2 pixel wide
    // picture would otherwise be read past its end).
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, pixels.width, pixels.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.rgb.data());
    glPopClientAttrib();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    m_outcome = TextureOutcome::Created;
    return true;
}
