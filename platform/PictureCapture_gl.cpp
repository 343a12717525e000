// The picture of the drawing area, rendered again and read back from OpenGL.
#include "platform/PictureCapture_gl.h"

#include <QOpenGLWidget>

QImage CapturePictureBox(QOpenGLWidget* picDraw)
{
    if (!picDraw)
        return {};
    // grabFramebuffer runs the widget's paintGL into its framebuffer object
    // (creating the context first if the widget was never shown) and reads
    // the pixels back.
    QImage image = picDraw->grabFramebuffer();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    // The picture is opaque, as the screen showed it.
    return image.convertToFormat(QImage::Format_RGB32);
}
