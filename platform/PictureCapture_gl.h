#pragma once
// The picture of the drawing area: its current frame rendered again into
// the widget's own framebuffer and read back from OpenGL, at the area's
// size in device pixels. It is not a grab of the screen, so a window lying
// over the drawing area never shows in the picture.
#include <QImage>

class QOpenGLWidget;

// A null image when there is no drawing area or it has no usable context.
QImage CapturePictureBox(QOpenGLWidget* picDraw);
