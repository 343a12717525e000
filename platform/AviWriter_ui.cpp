// A small AVI writer over FFmpeg and its compressor dialog.
#include "platform/AviWriter_ui.h"

#include "platform/BitmapRows.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <limits>

namespace {

AviOptionsHandler& OptionsHandler()
{
    static AviOptionsHandler handler;
    return handler;
}

QString AvErrorText(int code)
{
    char buffer[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer);
}

bool RunOptionsDialog(QWidget* owner, AviOptions& options)
{
    const std::vector<AviCodecChoice> codecs = AviCodecs();
    QDialog dialog(owner);
    dialog.setWindowTitle(QStringLiteral("视频压缩"));
    auto* form = new QFormLayout(&dialog);
    auto* codec = new QComboBox(&dialog);
    codec->setObjectName(QStringLiteral("cboCodec"));
    for (const AviCodecChoice& c : codecs) {
        codec->addItem(c.caption, c.id);
        if (c.id == options.codec)
            codec->setCurrentIndex(codec->count() - 1);
    }
    form->addRow(QStringLiteral("压缩程序:"), codec);
    auto* keyOn = new QCheckBox(QStringLiteral("关键帧间隔"), &dialog);
    auto* key = new QSpinBox(&dialog);
    key->setRange(1, 1000);
    key->setValue(std::max(1, options.keyFrameEvery));
    keyOn->setChecked(options.keyFrameEvery > 1);
    form->addRow(keyOn, key);
    auto* rateOn = new QCheckBox(QStringLiteral("数据速率 (KB/秒)"), &dialog);
    auto* rate = new QSpinBox(&dialog);
    rate->setRange(1, 100000);
    rate->setValue(options.bitRate > 0 ? int(options.bitRate / 8000) : 300);
    rateOn->setChecked(options.bitRate > 0);
    form->addRow(rateOn, rate);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted || codec->currentIndex() < 0)
        return false;
    options.codec = codec->currentData().toString();
    options.keyFrameEvery = keyOn->isChecked() ? key->value() : 1;
    options.bitRate = rateOn->isChecked() ? int64_t(rate->value()) * 8000 : 0;
    return true;
}

} // namespace

std::vector<AviCodecChoice> AviCodecs()
{
    static const std::pair<const char*, const char*> offered[] = {
        {"rawvideo", "未压缩 (Full Frames)"},
        {"mjpeg", "Motion JPEG"},
        {"mpeg4", "MPEG-4 Part 2"},
        {"msmpeg4v2", "Microsoft MPEG-4 V2"},
        {"huffyuv", "HuffYUV (无损)"},
        {"ffv1", "FFV1 (无损)"},
    };
    std::vector<AviCodecChoice> out;
    for (const auto& [id, caption] : offered)
        if (avcodec_find_encoder_by_name(id))
            out.push_back({QString::fromLatin1(id), QString::fromUtf8(caption)});
    return out;
}

AviOptionsHandler SetAviOptionsHandler(AviOptionsHandler handler)
{
    AviOptionsHandler previous = std::move(OptionsHandler());
    OptionsHandler() = std::move(handler);
    return previous;
}

bool ChooseAviOptions(QWidget* owner, AviOptions& options)
{
    if (OptionsHandler())
        return OptionsHandler()(owner, options);
    return RunOptionsDialog(owner, options);
}

struct AviWriter::State {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    bool headerWritten = false;

    ~State()
    {
        sws_freeContext(scaler);
        av_packet_free(&packet);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        if (format) {
            if (format->pb)
                avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }
};

AviWriter::AviWriter() = default;

AviWriter::~AviWriter()
{
    if (IsOpen())
        Close();
}

bool AviWriter::IsOpen() const { return m_state != nullptr; }

int AviWriter::Fail(int code, const QString& what)
{
    m_error = what + QStringLiteral(": ") + AvErrorText(code);
    return code < 0 ? code : AVERROR_UNKNOWN;
}

int AviWriter::Open(const QString& path, int32_t width, int32_t height, int32_t framesPerSecond,
                    const AviOptions& options)
{
    if (IsOpen())
        return Fail(AVERROR(EBUSY), QStringLiteral("already open"));
    m_frames = 0;
    m_error.clear();
    // Errors come back as codes; FFmpeg's own chatter would only fill stderr.
    av_log_set_level(AV_LOG_ERROR);
    if (width <= 0 || height <= 0 || framesPerSecond < 1 || framesPerSecond > 30)
        return Fail(AVERROR(EINVAL), QStringLiteral("frame size or speed"));
    const AVCodec* encoder = avcodec_find_encoder_by_name(options.codec.toLatin1().constData());
    if (!encoder)
        return Fail(AVERROR_ENCODER_NOT_FOUND, options.codec);

    auto s = std::make_unique<State>();
    const QByteArray file = path.toUtf8();
    int rc = avformat_alloc_output_context2(&s->format, nullptr, "avi", file.constData());
    if (rc < 0 || !s->format)
        return Fail(rc, QStringLiteral("avi muxer"));
    s->stream = avformat_new_stream(s->format, nullptr);
    s->codec = avcodec_alloc_context3(encoder);
    s->frame = av_frame_alloc();
    s->packet = av_packet_alloc();
    if (!s->stream || !s->codec || !s->frame || !s->packet)
        return Fail(AVERROR(ENOMEM), QStringLiteral("allocation"));

    const bool raw = encoder->id == AV_CODEC_ID_RAWVIDEO;
    AVCodecContext* c = s->codec;
    // Chroma-subsampled compressors need even sizes; the last odd row or
    // column is scaled in rather than dropped.
    c->width = raw ? width : std::max(2, width & ~1);
    c->height = raw ? height : std::max(2, height & ~1);
    c->pix_fmt = raw ? AV_PIX_FMT_BGR24
                     : (encoder->pix_fmts ? encoder->pix_fmts[0] : AV_PIX_FMT_YUV420P);
    c->time_base = AVRational{1, framesPerSecond};
    c->framerate = AVRational{framesPerSecond, 1};
    c->gop_size = std::max(1, options.keyFrameEvery);
    c->max_b_frames = 0;
    if (options.bitRate > 0) {
        c->bit_rate = options.bitRate;
    } else if (!raw) {
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * 3;
    }
    if (s->format->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    rc = avcodec_open2(c, encoder, nullptr);
    if (rc < 0)
        return Fail(rc, QStringLiteral("encoder"));
    rc = avcodec_parameters_from_context(s->stream->codecpar, c);
    if (rc < 0)
        return Fail(rc, QStringLiteral("stream"));
    s->stream->time_base = c->time_base;
    s->stream->avg_frame_rate = c->framerate;

    s->frame->format = c->pix_fmt;
    s->frame->width = c->width;
    s->frame->height = c->height;
    rc = av_frame_get_buffer(s->frame, 0);
    if (rc < 0)
        return Fail(rc, QStringLiteral("frame"));

    rc = avio_open(&s->format->pb, file.constData(), AVIO_FLAG_WRITE);
    if (rc < 0)
        return Fail(rc, path);
    rc = avformat_write_header(s->format, nullptr);
    if (rc < 0)
        return Fail(rc, QStringLiteral("header"));
    s->headerWritten = true;
    m_state = std::move(s);
    return 0;
}

int AviWriter::Drain(bool flush)
{
    State& s = *m_state;
    for (;;) {
        int rc = avcodec_receive_packet(s.codec, s.packet);
        if (rc == AVERROR(EAGAIN) || (flush && rc == AVERROR_EOF))
            return 0;
        if (rc < 0)
            return Fail(rc, QStringLiteral("encode"));
        av_packet_rescale_ts(s.packet, s.codec->time_base, s.stream->time_base);
        s.packet->stream_index = s.stream->index;
        rc = av_interleaved_write_frame(s.format, s.packet);
        av_packet_unref(s.packet);
        if (rc < 0)
            return Fail(rc, QStringLiteral("write"));
    }
}

int AviWriter::WriteFrame(const uint8_t* bits, int64_t size, int32_t width, int32_t height,
                          int32_t bitCount, bool topDown)
{
    if (!IsOpen())
        return Fail(AVERROR(EINVAL), QStringLiteral("not open"));
    if (!bits || width <= 0 || height <= 0 || (bitCount != 24 && bitCount != 32))
        return Fail(AVERROR(EINVAL), QStringLiteral("frame format"));
    // Sizes in 64 bits; the scaler takes a row stride as int.
    const int64_t rowBytes64 = DibRowBytes(width, bitCount);
    if (rowBytes64 > std::numeric_limits<int>::max() || size < rowBytes64 * height)
        return Fail(AVERROR(EINVAL), QStringLiteral("frame data shorter than its rows"));
    State& s = *m_state;
    const AVPixelFormat source = bitCount == 24 ? AV_PIX_FMT_BGR24 : AV_PIX_FMT_BGRA;
    s.scaler = sws_getCachedContext(s.scaler, width, height, source, s.codec->width,
                                    s.codec->height, s.codec->pix_fmt, SWS_BICUBIC, nullptr,
                                    nullptr, nullptr);
    if (!s.scaler)
        return Fail(AVERROR(EINVAL), QStringLiteral("scaler"));
    int rc = av_frame_make_writable(s.frame);
    if (rc < 0)
        return Fail(rc, QStringLiteral("frame"));
    const int rowBytes = static_cast<int>(rowBytes64);
    // A BMP stores its bottom row first: start at the last stored row and
    // walk backwards.
    const uint8_t* first = topDown ? bits : bits + std::ptrdiff_t(rowBytes) * (height - 1);
    const int stride = topDown ? rowBytes : -rowBytes;
    const uint8_t* planes[4] = {first, nullptr, nullptr, nullptr};
    const int strides[4] = {stride, 0, 0, 0};
    sws_scale(s.scaler, planes, strides, 0, height, s.frame->data, s.frame->linesize);
    s.frame->pts = m_frames;
    s.frame->quality = s.codec->global_quality;
    rc = avcodec_send_frame(s.codec, s.frame);
    if (rc < 0)
        return Fail(rc, QStringLiteral("encode"));
    rc = Drain(false);
    if (rc < 0)
        return rc;
    ++m_frames;
    return 0;
}

int AviWriter::Close()
{
    if (!IsOpen())
        return 0;
    int result = 0;
    State& s = *m_state;
    int rc = avcodec_send_frame(s.codec, nullptr);
    if (rc < 0 && rc != AVERROR_EOF)
        result = Fail(rc, QStringLiteral("flush"));
    else
        result = Drain(true);
    rc = av_write_trailer(s.format);
    if (rc < 0 && result == 0)
        result = Fail(rc, QStringLiteral("trailer"));
    rc = avio_closep(&s.format->pb);
    if (rc < 0 && result == 0)
        result = Fail(rc, QStringLiteral("close"));
    m_state.reset();
    return result;
}
