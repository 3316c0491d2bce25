#include "tests/decoder/testmedia.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/frame.h>
#include <libavutil/opt.h>
}

namespace testmedia {

namespace {

struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using ContextPtr = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;

[[noreturn]] void Fail(const std::string& what, int error = 0) {
    char text[AV_ERROR_MAX_STRING_SIZE] = "";
    if (error != 0) av_strerror(error, text, sizeof text);
    throw std::runtime_error("testmedia: " + what + (error != 0 ? std::string(": ") + text : std::string()));
}

uint8_t KindOf(const AVPacket& packet) {
    size_t size = 0;
    const uint8_t* stats = av_packet_get_side_data(&packet, AV_PKT_DATA_QUALITY_STATS, &size);
    if (stats && size >= 5) {
        switch (stats[4]) {
            case AV_PICTURE_TYPE_I:
                return 0;
            case AV_PICTURE_TYPE_B:
                return 2;
            default:
                return 1;
        }
    }
    return (packet.flags & AV_PKT_FLAG_KEY) ? 0 : 1;
}

int SampleRateIndex(int sampleRate) {
    static const int rates[] = {96000, 88200, 64000, 48000, 44100, 32000, 24000,
                                22050, 16000, 12000, 11025, 8000,  7350};
    for (int i = 0; i < 13; ++i) {
        if (rates[i] == sampleRate) return i;
    }
    Fail("no ADTS index for sample rate " + std::to_string(sampleRate));
}

// The encoders' statistics and progress lines are noise in test output.
void QuietenLibav() {
    if (av_log_get_level() > AV_LOG_WARNING) av_log_set_level(AV_LOG_WARNING);
}

// Adds deterministic noise in [-amplitude, amplitude] to the luma plane, different for every picture.
void AddNoise(int index, int amplitude, int width, int height, uint8_t* planeY, int strideY) {
    uint32_t state = 0x9E3779B9u ^ static_cast<uint32_t>(index) * 2654435761u;
    for (int y = 0; y < height; ++y) {
        uint8_t* row = planeY + static_cast<ptrdiff_t>(y) * strideY;
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int value =
                row[x] + static_cast<int>((state >> 16) % static_cast<uint32_t>(2 * amplitude + 1)) - amplitude;
            row[x] = static_cast<uint8_t>(std::clamp(value, 0, 255));
        }
    }
}

}  // namespace

void FillPicture(int index, int width, int height, uint8_t* planeY, int strideY, uint8_t* planeCb, int strideCb,
                 uint8_t* planeCr, int strideCr) {
    const int box = std::max(8, std::min(width, height) / 4);
    const int boxX = (index * 7) % std::max(1, width - box);
    const int boxY = (index * 3) % std::max(1, height - box);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = planeY + static_cast<ptrdiff_t>(y) * strideY;
        for (int x = 0; x < width; ++x) {
            const bool inBox = x >= boxX && x < boxX + box && y >= boxY && y < boxY + box;
            row[x] = inBox ? 235 : static_cast<uint8_t>(16 + ((x + 2 * y + 4 * index) % 192));
        }
    }
    const int chromaWidth = (width + 1) / 2;
    const int chromaHeight = (height + 1) / 2;
    for (int y = 0; y < chromaHeight; ++y) {
        uint8_t* cb = planeCb + static_cast<ptrdiff_t>(y) * strideCb;
        uint8_t* cr = planeCr + static_cast<ptrdiff_t>(y) * strideCr;
        for (int x = 0; x < chromaWidth; ++x) {
            cb[x] = static_cast<uint8_t>(64 + (x * 128) / std::max(1, chromaWidth));
            cr[x] = static_cast<uint8_t>(64 + (y * 128) / std::max(1, chromaHeight));
        }
    }
}

double LumaDifference(int index, int width, int height, const uint8_t* planeY, int strideY) {
    const int chromaWidth = (width + 1) / 2;
    const int chromaHeight = (height + 1) / 2;
    std::vector<uint8_t> y(static_cast<size_t>(width) * height);
    std::vector<uint8_t> c(static_cast<size_t>(chromaWidth) * chromaHeight * 2);
    FillPicture(index, width, height, y.data(), width, c.data(), chromaWidth,
                c.data() + static_cast<size_t>(chromaWidth) * chromaHeight, chromaWidth);
    double sum = 0;
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            sum += std::abs(int(planeY[static_cast<ptrdiff_t>(row) * strideY + x]) -
                            int(y[static_cast<size_t>(row) * width + x]));
        }
    }
    return sum / (static_cast<double>(width) * height);
}

std::vector<EncodedVideoFrame> EncodeH264(const H264Options& options) {
    QuietenLibav();
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec) Fail("libx264 encoder not available");
    ContextPtr context(avcodec_alloc_context3(codec));
    if (!context) Fail("cannot allocate encoder");
    context->width = options.width;
    context->height = options.height;
    context->pix_fmt = AV_PIX_FMT_YUV420P;
    context->time_base = AVRational{1, options.fps};
    context->framerate = AVRational{options.fps, 1};
    context->gop_size = options.gopSize > 0 ? options.gopSize : 100000;
    context->keyint_min = context->gop_size;
    context->max_b_frames = options.bFrames;
    context->thread_count = 1;  // one slice per picture, deterministic output
    av_opt_set(context->priv_data, "preset", options.preset.c_str(), 0);
    av_opt_set(context->priv_data, "b-pyramid", "none", 0);
    av_opt_set_double(context->priv_data, "crf", options.crf, 0);
    // Fixed GOP, no scene-cut I-frames, no adaptive B placement: the frame pattern is predictable.
    av_opt_set(context->priv_data, "x264-params", "scenecut=0:b-adapt=0:sliced-threads=0", 0);
    int error = avcodec_open2(context.get(), codec, nullptr);
    if (error < 0) Fail("cannot open libx264", error);

    FramePtr picture(av_frame_alloc());
    PacketPtr packet(av_packet_alloc());
    if (!picture || !packet) Fail("out of memory");
    picture->format = AV_PIX_FMT_YUV420P;
    picture->width = options.width;
    picture->height = options.height;
    error = av_frame_get_buffer(picture.get(), 0);
    if (error < 0) Fail("cannot allocate picture", error);

    std::vector<EncodedVideoFrame> frames;
    auto drain = [&]() {
        for (;;) {
            int result = avcodec_receive_packet(context.get(), packet.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
            if (result < 0) Fail("encoding failed", result);
            EncodedVideoFrame frame;
            frame.data.assign(packet->data, packet->data + packet->size);
            frame.kind = KindOf(*packet);
            frame.displayIndex = packet->pts;
            frame.width = options.width;
            frame.height = options.height;
            frames.push_back(std::move(frame));
            av_packet_unref(packet.get());
        }
    };
    for (int i = 0; i < options.frameCount; ++i) {
        error = av_frame_make_writable(picture.get());
        if (error < 0) Fail("picture not writable", error);
        FillPicture(options.firstPicture + i, options.width, options.height, picture->data[0], picture->linesize[0],
                    picture->data[1], picture->linesize[1], picture->data[2], picture->linesize[2]);
        if (options.noise > 0)
            AddNoise(i, options.noise, options.width, options.height, picture->data[0], picture->linesize[0]);
        picture->pts = i;
        picture->pict_type = AV_PICTURE_TYPE_NONE;
        error = avcodec_send_frame(context.get(), picture.get());
        if (error < 0) Fail("cannot send picture", error);
        drain();
    }
    error = avcodec_send_frame(context.get(), nullptr);
    if (error < 0) Fail("cannot flush encoder", error);
    drain();
    return frames;
}

StreamFrameInfo MakeFrameInfo(const EncodedVideoFrame& frame, uint8_t sequence, uint64_t timestamp, uint8_t attribute) {
    StreamFrameInfo info;
    std::memset(&info, 0, sizeof info);
    info.frameKind = frame.kind;
    info.attribute = attribute;
    const uint32_t size = static_cast<uint32_t>(frame.data.size());
    info.sizeWord1 = static_cast<uint16_t>(size >> 16);
    info.sizeWord2 = static_cast<uint16_t>(size & 0xFFFF);
    info.timestamp = timestamp;
    info.sequence = sequence;
    return info;
}

std::vector<uint8_t> MakeAdtsHeader(int payloadLength, int sampleRate, int channels) {
    const int length = payloadLength + 7;
    if (length >= (1 << 13)) Fail("AAC frame too long for ADTS");
    const int profile = 1;  // AAC LC (audio object type 2)
    const int index = SampleRateIndex(sampleRate);
    return {
        0xFF,
        0xF1,  // MPEG-4, layer 0, no CRC
        static_cast<uint8_t>((profile << 6) | (index << 2) | ((channels >> 2) & 0x1)),
        static_cast<uint8_t>(((channels & 0x3) << 6) | ((length >> 11) & 0x3)),
        static_cast<uint8_t>((length >> 3) & 0xFF),
        static_cast<uint8_t>(((length & 0x7) << 5) | 0x1F),
        0xFC,
    };
}

std::vector<std::vector<uint8_t>> EncodeAacAdts(const AacOptions& options) {
    QuietenLibav();
    const AVCodec* codec = avcodec_find_encoder_by_name("aac");
    if (!codec) Fail("aac encoder not available");
    ContextPtr context(avcodec_alloc_context3(codec));
    if (!context) Fail("cannot allocate encoder");
    context->sample_fmt = AV_SAMPLE_FMT_FLTP;
    context->sample_rate = options.sampleRate;
    av_channel_layout_default(&context->ch_layout, options.channels);
    context->bit_rate = options.bitRate;
    context->time_base = AVRational{1, options.sampleRate};
    int error = avcodec_open2(context.get(), codec, nullptr);
    if (error < 0) Fail("cannot open aac encoder", error);

    FramePtr samples(av_frame_alloc());
    PacketPtr packet(av_packet_alloc());
    if (!samples || !packet) Fail("out of memory");
    samples->format = AV_SAMPLE_FMT_FLTP;
    samples->nb_samples = context->frame_size;
    samples->sample_rate = options.sampleRate;
    error = av_channel_layout_copy(&samples->ch_layout, &context->ch_layout);
    if (error < 0) Fail("cannot set channel layout", error);
    error = av_frame_get_buffer(samples.get(), 0);
    if (error < 0) Fail("cannot allocate samples", error);

    std::vector<std::vector<uint8_t>> frames;
    auto drain = [&]() {
        for (;;) {
            int result = avcodec_receive_packet(context.get(), packet.get());
            if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return;
            if (result < 0) Fail("encoding failed", result);
            if (static_cast<int>(frames.size()) < options.frameCount) {
                std::vector<uint8_t> frame = MakeAdtsHeader(packet->size, options.sampleRate, options.channels);
                frame.insert(frame.end(), packet->data, packet->data + packet->size);
                frames.push_back(std::move(frame));
            }
            av_packet_unref(packet.get());
        }
    };
    int64_t position = 0;
    const double step = 2.0 * M_PI * options.toneHz / options.sampleRate;
    // One more input frame than output frames covers the encoder's priming delay.
    for (int i = 0; i <= options.frameCount && static_cast<int>(frames.size()) < options.frameCount; ++i) {
        error = av_frame_make_writable(samples.get());
        if (error < 0) Fail("samples not writable", error);
        for (int channel = 0; channel < options.channels; ++channel) {
            auto* plane = reinterpret_cast<float*>(samples->extended_data[channel]);
            for (int n = 0; n < samples->nb_samples; ++n)
                plane[n] = 0.5f * static_cast<float>(std::sin(step * double(position + n)));
        }
        samples->pts = position;
        position += samples->nb_samples;
        error = avcodec_send_frame(context.get(), samples.get());
        if (error < 0) Fail("cannot send samples", error);
        drain();
    }
    error = avcodec_send_frame(context.get(), nullptr);
    if (error < 0) Fail("cannot flush encoder", error);
    drain();
    if (static_cast<int>(frames.size()) < options.frameCount) Fail("encoder gave too few frames");
    return frames;
}

}  // namespace testmedia
