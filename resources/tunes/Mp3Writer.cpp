#include "Mp3Writer.h"

#include <lame/lame.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// LAME fills shared tables the first time an encoder is set up; setting up
// encoders one at a time keeps the threads from racing there.
std::mutex g_setupLock;

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

} // namespace

std::size_t Mp3Writer::write(const StereoBuffer& tune, const std::string& title,
                             const std::string& path, std::string& error) const
{
    std::unique_ptr<lame_global_flags, LameCloser> lame;
    std::vector<unsigned char> id3;
    {
        std::lock_guard<std::mutex> lock(g_setupLock);
        lame.reset(lame_init());
        if (!lame) {
            error = "lame_init failed";
            return 0;
        }
        lame_set_in_samplerate(lame.get(), StereoBuffer::kRate);
        lame_set_out_samplerate(lame.get(), StereoBuffer::kRate);
        lame_set_num_channels(lame.get(), 2);
        lame_set_mode(lame.get(), JOINT_STEREO);
        lame_set_VBR(lame.get(), vbr_default);
        lame_set_VBR_quality(lame.get(), float(m_vbrQuality));
        lame_set_quality(lame.get(), 3);
        lame_set_bWriteVbrTag(lame.get(), 1);
        id3tag_init(lame.get());
        id3tag_v2_only(lame.get());
        id3tag_set_title(lame.get(), title.c_str());
        id3tag_set_artist(lame.get(), "Yulavin");
        lame_set_write_id3tag_automatic(lame.get(), 0);
        if (lame_init_params(lame.get()) < 0) {
            error = "lame_init_params failed";
            return 0;
        }
        id3.resize(lame_get_id3v2_tag(lame.get(), nullptr, 0));
        if (!id3.empty())
            lame_get_id3v2_tag(lame.get(), id3.data(), id3.size());
    }

    std::vector<unsigned char> audio;
    const std::size_t chunk = 8192;
    std::vector<unsigned char> out(chunk * 5 / 4 + 7200);
    for (std::size_t at = 0; at < tune.frames(); at += chunk) {
        const int frames = int(std::min(chunk, tune.frames() - at));
        const int n = lame_encode_buffer_ieee_float(lame.get(), tune.left() + at, tune.right() + at,
                                                    frames, out.data(), int(out.size()));
        if (n < 0) {
            error = "encoding failed";
            return 0;
        }
        audio.insert(audio.end(), out.begin(), out.begin() + n);
    }
    const int n = lame_encode_flush(lame.get(), out.data(), int(out.size()));
    if (n < 0) {
        error = "flushing the encoder failed";
        return 0;
    }
    audio.insert(audio.end(), out.begin(), out.begin() + n);

    // The encoder left an empty frame at the head of the audio for the info
    // tag, which it can only fill in now that it knows the totals.
    std::vector<unsigned char> tag(lame_get_lametag_frame(lame.get(), nullptr, 0));
    if (tag.empty() || lame_get_lametag_frame(lame.get(), tag.data(), tag.size()) != tag.size() ||
        tag.size() > audio.size()) {
        error = "no info tag";
        return 0;
    }
    std::copy(tag.begin(), tag.end(), audio.begin());

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        error = "cannot write " + path;
        return 0;
    }
    bool ok = std::fwrite(id3.data(), 1, id3.size(), file) == id3.size();
    ok = ok && std::fwrite(audio.data(), 1, audio.size(), file) == audio.size();
    ok = std::fclose(file) == 0 && ok;
    if (!ok) {
        error = "writing " + path + " failed";
        return 0;
    }
    return id3.size() + audio.size();
}
