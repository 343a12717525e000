#pragma once
// A small AVI writer over FFmpeg: one video stream, the compressor the user
// picks, 1 to 30 frames per second, frames handed over as bitmap rows the
// way a BMP file stores them. Also the modal dialog that picks compressor,
// key-frame rate and data rate.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

struct AviCodecChoice {
    QString id;      // FFmpeg encoder name: "rawvideo", "mjpeg", ...
    QString caption; // what the user sees
};

// The compressors offered, only those this FFmpeg can encode; the
// uncompressed one comes first.
std::vector<AviCodecChoice> AviCodecs();

struct AviOptions {
    QString codec = QStringLiteral("rawvideo");
    int32_t keyFrameEvery = 1; // 1: every frame is a key frame
    int64_t bitRate = 0;       // bits per second; 0: the codec's quality default
};

// Modal choice of the options; false when the user cancelled. Tests answer
// it with SetAviOptionsHandler instead of a window.
using AviOptionsHandler = std::function<bool(QWidget* owner, AviOptions& options)>;
AviOptionsHandler SetAviOptionsHandler(AviOptionsHandler handler);
bool ChooseAviOptions(QWidget* owner, AviOptions& options);

class AviWriter {
public:
    AviWriter();
    ~AviWriter(); // closes an open file (as Close)
    AviWriter(const AviWriter&) = delete;
    AviWriter& operator=(const AviWriter&) = delete;

    // Every call returns 0 on success, else a negative error code
    // (ErrorText describes it).
    int Open(const QString& path, int32_t width, int32_t height, int32_t framesPerSecond,
             const AviOptions& options);
    // One frame of bitmap rows: 24 or 32 bits per pixel (BGR order), rows
    // padded to 4 bytes, bottom row first unless topDown. A frame of another
    // size than the stream is scaled to it. `size` is the number of bytes at
    // bits: a frame whose rows do not fit in it is refused.
    int WriteFrame(const uint8_t* bits, int64_t size, int32_t width, int32_t height,
                   int32_t bitCount, bool topDown = false);
    // Flushes the encoder and completes the file. Only after 0 is the file
    // a whole video.
    int Close();

    bool IsOpen() const;
    int32_t FramesWritten() const { return m_frames; }
    QString ErrorText() const { return m_error; }

private:
    struct State;
    int Fail(int code, const QString& what);
    int Drain(bool flush);
    std::unique_ptr<State> m_state;
    int32_t m_frames = 0;
    QString m_error;
};
