// The AVI writer, read back through libavformat: for every compressor it
// offers, the file holds one video stream of the right size, speed and
// frame count, and the frames decode.
#include "platform/AviWriter_ui.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Probe {
    int streams = 0;
    int width = 0, height = 0;
    AVRational rate{0, 1};
    int packets = 0;
    int decoded = 0;
    bool opened = false;
};

Probe ProbeFile(const QString& path)
{
    Probe p;
    AVFormatContext* fmt = nullptr;
    const QByteArray file = path.toUtf8();
    if (avformat_open_input(&fmt, file.constData(), nullptr, nullptr) < 0)
        return p;
    p.opened = true;
    avformat_find_stream_info(fmt, nullptr);
    p.streams = int(fmt->nb_streams);
    if (p.streams == 1) {
        AVStream* st = fmt->streams[0];
        p.width = st->codecpar->width;
        p.height = st->codecpar->height;
        p.rate = st->avg_frame_rate.num ? st->avg_frame_rate : st->r_frame_rate;
        const AVCodec* dec = avcodec_find_decoder(st->codecpar->codec_id);
        AVCodecContext* ctx = avcodec_alloc_context3(dec);
        avcodec_parameters_to_context(ctx, st->codecpar);
        const bool canDecode = dec && avcodec_open2(ctx, dec, nullptr) == 0;
        AVPacket* pkt = av_packet_alloc();
        AVFrame* frame = av_frame_alloc();
        auto receive = [&] {
            while (avcodec_receive_frame(ctx, frame) == 0)
                ++p.decoded;
        };
        while (av_read_frame(fmt, pkt) >= 0) {
            ++p.packets;
            if (canDecode && avcodec_send_packet(ctx, pkt) == 0)
                receive();
            av_packet_unref(pkt);
        }
        if (canDecode) {
            avcodec_send_packet(ctx, nullptr);
            receive();
        }
        av_frame_free(&frame);
        av_packet_free(&pkt);
        avcodec_free_context(&ctx);
    }
    avformat_close_input(&fmt);
    return p;
}

// BMP-style rows: bottom-up, padded to 4 bytes, a gradient per frame.
std::vector<uint8_t> Rows(int w, int h, int bits, int shade)
{
    const int row = ((w * bits + 31) / 32) * 4;
    std::vector<uint8_t> out(size_t(row) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * bits / 8; ++x)
            out[size_t(y) * row + x] = uint8_t(x * 3 + y * 5 + shade);
    return out;
}

TEST(AviWriter, EveryOfferedCompressorWritesAReadableVideo)
{
    const std::vector<AviCodecChoice> codecs = AviCodecs();
    ASSERT_FALSE(codecs.empty());
    EXPECT_EQ(codecs.front().id, QStringLiteral("rawvideo"));
    QTemporaryDir dir;
    // An odd width (rows padded) and both bit depths a frame bitmap can have.
    constexpr int W = 37, H = 24, Frames = 5, Fps = 7;
    for (const AviCodecChoice& codec : codecs) {
        for (int bits : {24, 32}) {
            SCOPED_TRACE(codec.id.toStdString() + " " + std::to_string(bits));
            const QString path = dir.filePath(codec.id + QString::number(bits) + QStringLiteral(".avi"));
            AviWriter writer;
            AviOptions options;
            options.codec = codec.id;
            ASSERT_EQ(writer.Open(path, W, H, Fps, options), 0) << writer.ErrorText().toStdString();
            for (int i = 0; i < Frames; ++i) {
                const std::vector<uint8_t> rows = Rows(W, H, bits, i * 20);
                ASSERT_EQ(writer.WriteFrame(rows.data(), rows.size(), W, H, bits), 0) << writer.ErrorText().toStdString();
            }
            ASSERT_EQ(writer.Close(), 0) << writer.ErrorText().toStdString();
            EXPECT_FALSE(writer.IsOpen());

            const Probe p = ProbeFile(path);
            ASSERT_TRUE(p.opened);
            EXPECT_EQ(p.streams, 1);
            const bool raw = codec.id == QStringLiteral("rawvideo");
            EXPECT_EQ(p.width, raw ? W : W - 1);
            EXPECT_EQ(p.height, H);
            EXPECT_EQ(p.rate.num, Fps * p.rate.den);
            EXPECT_EQ(p.packets, Frames);
            EXPECT_EQ(p.decoded, Frames);
        }
    }
}

TEST(AviWriter, KeyFrameRateAndDataRateAreAccepted)
{
    QTemporaryDir dir;
    for (const AviCodecChoice& codec : AviCodecs()) {
        if (codec.id == QStringLiteral("rawvideo"))
            continue;
        SCOPED_TRACE(codec.id.toStdString());
        AviOptions options{codec.id, 3, 400000};
        const QString path = dir.filePath(codec.id + QStringLiteral(".avi"));
        AviWriter writer;
        ASSERT_EQ(writer.Open(path, 32, 32, 30, options), 0) << writer.ErrorText().toStdString();
        // A frame of another size than the stream is scaled to it.
        const std::vector<uint8_t> small = Rows(16, 8, 24, 0);
        for (int i = 0; i < 4; ++i)
            ASSERT_EQ(writer.WriteFrame(small.data(), small.size(), 16, 8, 24), 0);
        ASSERT_EQ(writer.Close(), 0);
        const Probe p = ProbeFile(path);
        EXPECT_EQ(p.width, 32);
        EXPECT_EQ(p.packets, 4);
    }
}

TEST(AviWriter, RefusesBadRequestsWithAnError)
{
    QTemporaryDir dir;
    AviWriter writer;
    AviOptions options;
    EXPECT_LT(writer.Open(dir.filePath(QStringLiteral("no/such/folder/x.avi")), 8, 8, 5, options), 0);
    EXPECT_FALSE(writer.IsOpen());
    EXPECT_FALSE(writer.ErrorText().isEmpty());
    EXPECT_LT(writer.Open(dir.filePath(QStringLiteral("a.avi")), 8, 8, 31, options), 0);
    EXPECT_LT(writer.Open(dir.filePath(QStringLiteral("a.avi")), 0, 8, 5, options), 0);
    options.codec = QStringLiteral("nosuchcodec");
    EXPECT_LT(writer.Open(dir.filePath(QStringLiteral("a.avi")), 8, 8, 5, options), 0);
    EXPECT_LT(writer.WriteFrame(nullptr, 0, 8, 8, 24), 0);

    options.codec = QStringLiteral("rawvideo");
    ASSERT_EQ(writer.Open(dir.filePath(QStringLiteral("b.avi")), 8, 8, 5, options), 0);
    const std::vector<uint8_t> pal(64, 0);
    EXPECT_LT(writer.WriteFrame(pal.data(), pal.size(), 8, 8, 8), 0); // palette frames are not taken
    // Rows longer than the data (a damaged bitmap header) are refused, not
    // read past the end; so is a width whose row size overflows 32 bits.
    const std::vector<uint8_t> shortRows(24 * 7, 0); // 7 rows of 8 pixels at 24 bits
    EXPECT_LT(writer.WriteFrame(shortRows.data(), shortRows.size(), 8, 8, 24), 0);
    EXPECT_LT(writer.WriteFrame(shortRows.data(), shortRows.size(), 100'000'000, 1, 32), 0);
    EXPECT_EQ(writer.FramesWritten(), 0);
    EXPECT_EQ(writer.Close(), 0);
}

} // namespace
