#pragma once
// Cls15, the texture loader: a picture file becomes an OpenGL 2D texture.
// The picture is decoded with QImage (any format it reads: BMP, JPG, GIF,
// PNG ...) or read as a raw ".MOT" file, turned into 24-bit red, green, blue
// rows, bottom row first, scaled to power-of-two sides of at most 256 and
// uploaded with linear filtering.
//
// The size rule and the raw reader are here and need no display (Cls15.cpp);
// decoding, scaling and uploading need Qt Gui and a current OpenGL context
// (Cls15_gl.cpp).
//
// No drawing uses it: the graph's texture members (ShowTex, TexName,
// TexMode) are only stored and saved with the graph.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

// Pixels of a picture: width × height × 3 bytes, red, green, blue, rows of
// exactly width × 3 bytes, bottom row first.
struct TexturePixels {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;
};

// The side a texture gets for a picture side: the next power of two, and
// at most min(256, maxTextureSize) taken down to a power of two. 1 stays 1.
// 0 for a side or limit that is not positive.
int32_t TextureSide(int32_t side, int32_t maxTextureSize);

// A raw ".MOT" picture: a 32-bit little-endian width, a 32-bit little-endian
// height, then width × height × 3 bytes in the layout of TexturePixels.
// False (and `out` unchanged) for sides that are not positive, a picture of
// more than 4096 × 4096 pixels, or fewer pixel bytes than the sides ask for.
bool ReadRawTexture(const QByteArray& bytes, TexturePixels& out);

// Why the last LoadGLTextures gave no texture.
enum class TextureOutcome {
    Created,     // a texture was made
    NoFileName,  // empty file name
    Missing,     // no such file
    Unreadable,  // a file that is no picture, or a damaged one
    NoContext,   // no current OpenGL context
};

class Cls15 {
public:
    // Loads the picture, scales it and creates a texture object (bound as
    // GL_TEXTURE_2D afterwards). True when a texture was created. Never
    // throws: a missing, damaged or unknown file gives false with its
    // outcome and a text saying why.
    bool LoadGLTextures(const QString& FileName);

    // The texture object made last (0: none yet).
    uint32_t Texture() const { return m_texture; }
    TextureOutcome Outcome() const { return m_outcome; }
    const QString& ErrorText() const { return m_error; }

    // Fills `out` from the file: a name ending in "MOT" (any case) is read
    // raw, any other through QImage. False with `error` set otherwise.
    static bool LoadBMP(const QString& FileName, TexturePixels& out, TextureOutcome* outcome,
                        QString* error);

    // Scales the pixels in place to TextureSide of each side (gluScaleImage).
    // False, pixels unchanged, when GL_MAX_TEXTURE_SIZE is not positive or
    // the scaling fails (then with the message "ValidateTextureSize :
    // gluScaleImage failure"). Needs a current OpenGL context.
    static bool ScaleImg(TexturePixels& pixels);

private:
    uint32_t m_texture = 0;
    TextureOutcome m_outcome = TextureOutcome::Created;
    QString m_error;
};
