#include "streamsource.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <deque>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
}

namespace {

std::string AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// ---- file ------------------------------------------------------------------------------------

class FileSource final : public H264Source {
public:
    ~FileSource() override {
        if (m_parser) av_parser_close(m_parser);
        avcodec_free_context(&m_context);
        if (m_file) std::fclose(m_file);
    }

    bool Open(const std::string& path, std::string* error) {
        m_file = std::fopen(path.c_str(), "rb");
        if (!m_file) {
            *error = "cannot open " + path + ": " + std::strerror(errno);
            return false;
        }
        m_parser = av_parser_init(AV_CODEC_ID_H264);
        m_context = avcodec_alloc_context3(avcodec_find_decoder(AV_CODEC_ID_H264));
        if (!m_parser || !m_context) {
            *error = "the H.264 parser of libavcodec is not available";
            return false;
        }
        return true;
    }

    bool Next(H264Frame* frame, std::string* error) override {
        for (;;) {
            if (m_used == m_buffer.size() && !m_ended) {
                m_buffer.resize(65536);
                const size_t read = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
                m_buffer.resize(read);
                m_used = 0;
                if (read == 0) {
                    if (std::ferror(m_file)) {
                        *error = "read error";
                        return false;
                    }
                    m_ended = true;
                }
            }
            uint8_t* out = nullptr;
            int outSize = 0;
            const uint8_t* in = m_ended ? nullptr : m_buffer.data() + m_used;
            const int inSize = m_ended ? 0 : int(m_buffer.size() - m_used);
            const int consumed =
                av_parser_parse2(m_parser, m_context, &out, &outSize, in, inSize, AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
            if (consumed < 0) {
                *error = "cannot parse the stream: " + AvError(consumed);
                return false;
            }
            m_used += size_t(consumed);
            if (outSize > 0) {
                frame->data.assign(out, out + outSize);
                frame->keyFrame = m_parser->key_frame == 1;
                return true;
            }
            if (m_ended) return false;  // flushed: nothing more
        }
    }

private:
    std::FILE* m_file = nullptr;
    AVCodecParserContext* m_parser = nullptr;
    AVCodecContext* m_context = nullptr;
    std::vector<uint8_t> m_buffer;
    size_t m_used = 0;
    bool m_ended = false;
};

// ---- test pattern ----------------------------------------------------------------------------

struct Yuv {
    uint8_t y, u, v;
};

// Full-intensity colour bars as BT.601 limited-range samples.
constexpr Yuv kBars[8] = {{235, 128, 128}, {210, 16, 146}, {170, 166, 16}, {145, 54, 34},
                          {106, 202, 222}, {81, 90, 240},  {41, 240, 110}, {16, 128, 128}};

void FillPattern(AVFrame* picture, int index) {
    const int width = picture->width;
    const int height = picture->height;
    const int barsBottom = height * 2 / 3;
    for (int y = 0; y < height; ++y) {
        uint8_t* luma = picture->data[0] + ptrdiff_t(y) * picture->linesize[0];
        for (int x = 0; x < width; ++x) {
            luma[x] = y < barsBottom ? kBars[x * 8 / width].y : uint8_t(16 + (x * 219) / width);
        }
    }
    for (int y = 0; y < (height + 1) / 2; ++y) {
        uint8_t* cb = picture->data[1] + ptrdiff_t(y) * picture->linesize[1];
        uint8_t* cr = picture->data[2] + ptrdiff_t(y) * picture->linesize[2];
        for (int x = 0; x < (width + 1) / 2; ++x) {
            const bool bars = y * 2 < barsBottom;
            cb[x] = bars ? kBars[x * 2 * 8 / width].u : 128;
            cr[x] = bars ? kBars[x * 2 * 8 / width].v : 128;
        }
    }
    // A white square travelling across the ramp, one pass every 4 s at 25 fps.
    const int side = std::max(8, height / 6) & ~1;
    const int travel = std::max(1, width - side);
    const int left = (index * 4) % (2 * travel) < travel ? (index * 4) % travel : travel - (index * 4) % travel;
    const int top = barsBottom + (height - barsBottom - side) / 2;
    for (int y = top; y < top + side && y < height; ++y) {
        std::memset(picture->data[0] + ptrdiff_t(y) * picture->linesize[0] + (left & ~1), 235, size_t(side));
    }
    // The frame number in binary: 16 blocks along the bottom edge, bright for a 1 bit.
    const int block = std::max(2, width / 32) & ~1;
    for (int bit = 0; bit < 16; ++bit) {
        const uint8_t value = (index >> (15 - bit)) & 1 ? 235 : 16;
        for (int y = height - block; y < height; ++y) {
            std::memset(picture->data[0] + ptrdiff_t(y) * picture->linesize[0] + bit * block * 2, value, size_t(block));
        }
    }
}

class PatternSource final : public H264Source {
public:
    ~PatternSource() override {
        av_frame_free(&m_picture);
        av_packet_free(&m_packet);
        avcodec_free_context(&m_context);
    }

    bool Open(int width, int height, int fps, std::string* error) {
        av_log_set_level(AV_LOG_WARNING);
        const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
        if (!codec) {
            *error = "libavcodec has no libx264 encoder";
            return false;
        }
        m_context = avcodec_alloc_context3(codec);
        m_packet = av_packet_alloc();
        m_picture = av_frame_alloc();
        if (!m_context || !m_packet || !m_picture) {
            *error = "out of memory";
            return false;
        }
        m_context->width = width;
        m_context->height = height;
        m_context->pix_fmt = AV_PIX_FMT_YUV420P;
        m_context->time_base = AVRational{1, fps};
        m_context->framerate = AVRational{fps, 1};
        m_context->gop_size = fps;  // an I-frame every second, as the camera sends them
        m_context->max_b_frames = 0;
        av_opt_set(m_context->priv_data, "preset", "ultrafast", 0);
        av_opt_set(m_context->priv_data, "tune", "zerolatency", 0);
        av_opt_set(m_context->priv_data, "x264-params", "repeat-headers=1", 0);
        const int opened = avcodec_open2(m_context, codec, nullptr);
        if (opened < 0) {
            *error = "cannot open libx264: " + AvError(opened);
            return false;
        }
        m_picture->width = width;
        m_picture->height = height;
        m_picture->format = AV_PIX_FMT_YUV420P;
        if (av_frame_get_buffer(m_picture, 0) < 0) {
            *error = "out of memory";
            return false;
        }
        return true;
    }

    bool Next(H264Frame* frame, std::string* error) override {
        while (m_ready.empty()) {
            if (av_frame_make_writable(m_picture) < 0) {
                *error = "out of memory";
                return false;
            }
            FillPattern(m_picture, m_index);
            m_picture->pts = m_index++;
            int result = avcodec_send_frame(m_context, m_picture);
            if (result < 0) {
                *error = "encoding failed: " + AvError(result);
                return false;
            }
            while ((result = avcodec_receive_packet(m_context, m_packet)) == 0) {
                H264Frame encoded;
                encoded.data.assign(m_packet->data, m_packet->data + m_packet->size);
                encoded.keyFrame = (m_packet->flags & AV_PKT_FLAG_KEY) != 0;
                m_ready.push_back(std::move(encoded));
                av_packet_unref(m_packet);
            }
            if (result != AVERROR(EAGAIN)) {
                *error = "encoding failed: " + AvError(result);
                return false;
            }
        }
        *frame = std::move(m_ready.front());
        m_ready.pop_front();
        return true;
    }

private:
    AVCodecContext* m_context = nullptr;
    AVPacket* m_packet = nullptr;
    AVFrame* m_picture = nullptr;
    std::deque<H264Frame> m_ready;
    int m_index = 0;
};

}  // namespace

std::unique_ptr<H264Source> OpenH264File(const std::string& path, std::string* error) {
    std::unique_ptr<FileSource> source(new FileSource);
    if (!source->Open(path, error)) return nullptr;
    return source;
}

std::unique_ptr<H264Source> MakeTestPatternSource(int width, int height, int fps, std::string* error) {
    std::unique_ptr<PatternSource> source(new PatternSource);
    if (!source->Open(width, height, fps, error)) return nullptr;
    return source;
}
