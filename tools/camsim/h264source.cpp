#include "tools/camsim/h264source.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
}

#include <fstream>
#include <iterator>

namespace camsim {

namespace {

struct CodecContextDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

class TestPatternSource : public H264Source {
public:
    bool Open(int width, int height, int fps, int gop, int bitrateKbps, std::string* error) {
        av_log_set_level(AV_LOG_ERROR);  // no encoder statistics on standard error
        const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
        if (!codec) {
            *error = "libavcodec has no libx264 encoder";
            return false;
        }
        m_context.reset(avcodec_alloc_context3(codec));
        m_frame.reset(av_frame_alloc());
        m_packet.reset(av_packet_alloc());
        if (!m_context || !m_frame || !m_packet) {
            *error = "out of memory";
            return false;
        }
        AVCodecContext* c = m_context.get();
        c->width = width;
        c->height = height;
        c->time_base = AVRational{1, fps};
        c->framerate = AVRational{fps, 1};
        c->pix_fmt = AV_PIX_FMT_YUV420P;
        c->gop_size = gop;
        c->max_b_frames = 0;
        c->bit_rate = static_cast<int64_t>(bitrateKbps) * 1000;
        c->thread_count = 1;
        av_opt_set(c->priv_data, "preset", "ultrafast", 0);
        av_opt_set(c->priv_data, "tune", "zerolatency", 0);
        av_opt_set(c->priv_data, "profile", "baseline", 0);
        if (avcodec_open2(c, codec, nullptr) < 0) {
            *error = "cannot open the libx264 encoder for " + std::to_string(width) + "x" + std::to_string(height);
            return false;
        }
        m_frame->format = c->pix_fmt;
        m_frame->width = width;
        m_frame->height = height;
        if (av_frame_get_buffer(m_frame.get(), 0) < 0) {
            *error = "out of memory";
            return false;
        }
        return true;
    }

    bool Next(AccessUnit* unit) override {
        for (;;) {
            int rc = avcodec_receive_packet(m_context.get(), m_packet.get());
            if (rc == 0) {
                unit->data.assign(m_packet->data, m_packet->data + m_packet->size);
                unit->keyFrame = (m_packet->flags & AV_PKT_FLAG_KEY) != 0;
                av_packet_unref(m_packet.get());
                return true;
            }
            if (rc != AVERROR(EAGAIN)) return false;
            if (av_frame_make_writable(m_frame.get()) < 0) return false;
            Paint(m_frame.get(), m_frameIndex);
            m_frame->pts = m_frameIndex++;
            if (avcodec_send_frame(m_context.get(), m_frame.get()) < 0) return false;
        }
    }

private:
    // A diagonal gradient drifting to the right, a white square crossing the picture and a
    // slowly turning colour cast: every picture differs and motion is easy to see.
    static void Paint(AVFrame* frame, int64_t index) {
        const int w = frame->width, h = frame->height;
        const int shift = static_cast<int>(index * 4);
        for (int y = 0; y < h; ++y) {
            uint8_t* row = frame->data[0] + y * frame->linesize[0];
            for (int x = 0; x < w; ++x) row[x] = static_cast<uint8_t>(16 + ((x + y + shift) & 0x7F));
        }
        const int box = h / 4 > 8 ? h / 4 : 8;
        const int span = w > box ? w - box : 1;
        const int bx = static_cast<int>((index * 6) % span);
        const int by = (h - box) / 2 > 0 ? (h - box) / 2 : 0;
        for (int y = by; y < by + box && y < h; ++y) {
            uint8_t* row = frame->data[0] + y * frame->linesize[0];
            for (int x = bx; x < bx + box && x < w; ++x) row[x] = 235;
        }
        const uint8_t u = static_cast<uint8_t>(128 + ((index / 5) % 64) - 32);
        const uint8_t v = static_cast<uint8_t>(128 - ((index / 7) % 64) + 32);
        for (int y = 0; y < (h + 1) / 2; ++y) {
            uint8_t* ru = frame->data[1] + y * frame->linesize[1];
            uint8_t* rv = frame->data[2] + y * frame->linesize[2];
            for (int x = 0; x < (w + 1) / 2; ++x) {
                ru[x] = u;
                rv[x] = v;
            }
        }
    }

    std::unique_ptr<AVCodecContext, CodecContextDeleter> m_context;
    std::unique_ptr<AVFrame, FrameDeleter> m_frame;
    std::unique_ptr<AVPacket, PacketDeleter> m_packet;
    int64_t m_frameIndex = 0;
};

class FileSource : public H264Source {
public:
    explicit FileSource(std::vector<AccessUnit> units) : m_units(std::move(units)) {}
    bool Next(AccessUnit* unit) override {
        *unit = m_units[m_next];
        m_next = (m_next + 1) % m_units.size();
        return true;
    }

private:
    std::vector<AccessUnit> m_units;
    size_t m_next = 0;
};

// Start of the NAL unit after the start code at `i` (3- or 4-byte codes), or npos.
size_t FindStartCode(const std::vector<uint8_t>& s, size_t from, size_t* payload) {
    for (size_t i = from; i + 3 <= s.size(); ++i) {
        if (s[i] == 0 && s[i + 1] == 0 && s[i + 2] == 1) {
            *payload = i + 3;
            return (i > from && s[i - 1] == 0) ? i - 1 : i;
        }
    }
    return std::string::npos;
}

}  // namespace

std::vector<AccessUnit> SplitAccessUnits(const std::vector<uint8_t>& stream) {
    // NAL units by start code; an access unit starts at an access unit delimiter, SPS, PPS or
    // SEI that follows a picture, or at a slice whose first_mb_in_slice is 0 (first header bit 1).
    std::vector<AccessUnit> units;
    AccessUnit current;
    bool currentHasSlice = false;
    size_t payload = 0;
    size_t start = FindStartCode(stream, 0, &payload);
    while (start != std::string::npos) {
        size_t nextPayload = 0;
        size_t next = FindStartCode(stream, payload, &nextPayload);
        size_t end = next == std::string::npos ? stream.size() : next;
        if (payload < end) {
            int type = stream[payload] & 0x1F;
            bool slice = type == 1 || type == 5;
            bool firstSlice = slice && payload + 1 < end && (stream[payload + 1] & 0x80);
            bool opensUnit = (type == 9 || type == 7 || type == 8 || type == 6) || (firstSlice && currentHasSlice);
            if (opensUnit && currentHasSlice) {
                units.push_back(std::move(current));
                current = AccessUnit();
                currentHasSlice = false;
            }
            current.data.insert(current.data.end(), stream.begin() + static_cast<long>(start),
                                stream.begin() + static_cast<long>(end));
            if (slice) currentHasSlice = true;
            if (type == 5) current.keyFrame = true;
        }
        start = next;
        payload = nextPayload;
    }
    if (currentHasSlice) units.push_back(std::move(current));
    return units;
}

std::unique_ptr<H264Source> MakeTestPatternSource(int width, int height, int fps, int gop, int bitrateKbps,
                                                  std::string* error) {
    std::unique_ptr<TestPatternSource> source(new TestPatternSource);
    if (!source->Open(width, height, fps, gop, bitrateKbps, error)) return nullptr;
    return source;
}

std::unique_ptr<H264Source> MakeFileSource(const std::string& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot read " + path;
        return nullptr;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<AccessUnit> units = SplitAccessUnits(bytes);
    if (units.empty()) {
        *error = path + " holds no H.264 picture (Annex B expected)";
        return nullptr;
    }
    return std::unique_ptr<H264Source>(new FileSource(std::move(units)));
}

}  // namespace camsim
