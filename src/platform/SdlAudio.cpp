#include "platform/SdlAudio.h"

#include <QByteArray>
#include <QFile>

#include <SDL.h>
#include <mpg123.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace platform {

namespace {

constexpr size_t kBytesPerFrame = sizeof(float) * SdlAudio::kChannels;
// About 23 ms: short enough that Stop is heard at once and a slider follows
// the hand, long enough that a busy desktop never starves the device.
constexpr int kBufferFrames = 1024;
// Decoding happens in pieces of this many frames, however large a buffer
// the device asks for.
constexpr size_t kScratchFrames = 4096;
// Our tunes are below 2 MB; a file far larger is not one of them.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;
// A decoder that keeps answering with nothing has nothing more to give.
constexpr int kMostEmptyReads = 64;

// Keeps the audio thread out while the UI thread changes what it reads.
class DeviceLock {
public:
    explicit DeviceLock(uint32_t device) : m_device(device) { SDL_LockAudioDevice(m_device); }
    ~DeviceLock() { SDL_UnlockAudioDevice(m_device); }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    uint32_t m_device;
};

} // namespace

struct SdlAudio::Voice {
    ~Voice()
    {
        if (decoder)
            mpg123_delete(decoder);
    }

    // libmpg123 reads the file's bytes from memory, so the audio thread never
    // waits for a disk.
    static mpg123_ssize_t read(void* handle, void* buffer, size_t count)
    {
        auto* voice = static_cast<Voice*>(handle);
        const size_t left = size_t(voice->file.size()) - voice->position;
        const size_t n = std::min(count, left);
        std::memcpy(buffer, voice->file.constData() + voice->position, n);
        voice->position += n;
        return static_cast<mpg123_ssize_t>(n);
    }
    static off_t seek(void* handle, off_t offset, int whence)
    {
        auto* voice = static_cast<Voice*>(handle);
        const off_t base = whence == SEEK_SET   ? 0
                           : whence == SEEK_CUR ? off_t(voice->position)
                                                : off_t(voice->file.size());
        const off_t target = base + offset;
        if (target < 0 || target > off_t(voice->file.size()))
            return -1;
        voice->position = size_t(target);
        return target;
    }

    QByteArray file;
    size_t position = 0;
    mpg123_handle* decoder = nullptr;
    bool loop = false;
    EndCallback onEnd;
    std::atomic<bool> playing{false};
    std::atomic<bool> ended{false};
    std::atomic<float> volume{1.0f};
    // The audio thread's own: the gain the last buffer ended with.
    float appliedVolume = 1.0f;
    bool heard = false;
};

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio()
{
    uninit();
}

bool SdlAudio::init()
{
    if (m_device)
        return true;
    // The program ends on SIGTERM and SIGINT in its own way; SDL must not
    // take those signals over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Yulavin");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Tunes");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudio::fillBuffer;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts our format to the device's.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (!m_device) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    static const bool decoderReady = mpg123_init() == MPG123_OK;
    if (!decoderReady) {
        uninit();
        return false;
    }
    m_scratch.assign(kScratchFrames * kChannels, 0.0f);
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudio::uninit()
{
    if (!m_device)
        return;
    // Closing waits for the audio thread to end, so the voices can go after.
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_voices.clear();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    if (SDL_WasInit(0) == 0)
        SDL_Quit();
}

std::optional<Audio::Sound> SdlAudio::open(const QString& path, bool loop)
{
    if (!m_device)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestFile)
        return std::nullopt;
    auto voice = std::make_unique<Voice>();
    voice->file = file.readAll();
    voice->loop = loop;
    voice->decoder = mpg123_new(nullptr, nullptr);
    if (!voice->decoder)
        return std::nullopt;
    mpg123_handle* decoder = voice->decoder;
    // Gapless: the encoder's delay and padding, which the file's LAME tag
    // names, are cut, so a loop's last sample meets its first.
    mpg123_param(decoder, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(decoder);
    mpg123_format(decoder, kRate, MPG123_STEREO, MPG123_ENC_FLOAT_32);
    mpg123_replace_reader_handle(decoder, &Voice::read, &Voice::seek, nullptr);
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_open_handle(decoder, voice.get()) != MPG123_OK ||
        mpg123_getformat(decoder, &rate, &channels, &encoding) != MPG123_OK || rate != kRate ||
        channels != kChannels || encoding != MPG123_ENC_FLOAT_32)
        return std::nullopt;

    const Sound sound = m_nextSound++;
    DeviceLock lock(m_device);
    m_voices.emplace(sound, std::move(voice));
    return sound;
}

SdlAudio::Voice* SdlAudio::find(Sound sound) const
{
    const auto it = m_voices.find(sound);
    return it == m_voices.end() ? nullptr : it->second.get();
}

void SdlAudio::setEndCallback(Sound sound, EndCallback onAudioThread)
{
    if (Voice* voice = find(sound)) {
        DeviceLock lock(m_device);
        voice->onEnd = std::move(onAudioThread);
    }
}

bool SdlAudio::start(Sound sound)
{
    Voice* voice = find(sound);
    if (!voice || voice->ended)
        return false;
    voice->playing = true;
    return true;
}

void SdlAudio::stop(Sound sound)
{
    if (Voice* voice = find(sound)) {
        // Once this returns, no further buffer holds the sound.
        DeviceLock lock(m_device);
        voice->playing = false;
    }
}

void SdlAudio::close(Sound sound)
{
    const auto it = m_voices.find(sound);
    if (it == m_voices.end())
        return;
    std::unique_ptr<Voice> voice;
    {
        DeviceLock lock(m_device);
        voice = std::move(it->second);
        m_voices.erase(it);
    }
}

bool SdlAudio::isPlaying(Sound sound)
{
    const Voice* voice = find(sound);
    return voice && voice->playing;
}

bool SdlAudio::atEnd(Sound sound)
{
    const Voice* voice = find(sound);
    return voice && voice->ended;
}

void SdlAudio::setVolume(Sound sound, float factor)
{
    if (Voice* voice = find(sound))
        voice->volume = std::clamp(factor, 0.0f, 1.0f);
}

void SdlAudio::fillBuffer(void* self, unsigned char* stream, int length)
{
    static_cast<SdlAudio*>(self)->mix(reinterpret_cast<float*>(stream),
                                      size_t(length) / kBytesPerFrame);
}

void SdlAudio::mix(float* out, size_t frames)
{
    std::fill(out, out + frames * kChannels, 0.0f);
    for (auto& [sound, voicePointer] : m_voices) {
        Voice& voice = *voicePointer;
        for (size_t done = 0; done < frames && voice.playing;) {
            const size_t wanted = std::min(frames - done, kScratchFrames);
            const size_t made = render(voice, wanted);
            // The gain glides from the last buffer's to the new one, so a
            // slider dragged through many steps never clicks.
            const float target = voice.volume;
            const float from = voice.heard ? voice.appliedVolume : target;
            const float step = (target - from) / float(wanted);
            float* into = out + done * kChannels;
            for (size_t i = 0; i < made; ++i) {
                const float gain = from + step * float(i + 1);
                into[2 * i] += m_scratch[2 * i] * gain;
                into[2 * i + 1] += m_scratch[2 * i + 1] * gain;
            }
            voice.appliedVolume = target;
            voice.heard = true;
            done += wanted;
        }
    }
}

size_t SdlAudio::render(Voice& voice, size_t frames)
{
    size_t made = 0;
    // Guard against a file that decodes to nothing, played once or looping.
    bool emptySinceRestart = false;
    int emptyReads = 0;
    while (made < frames) {
        size_t bytes = 0;
        const int result = mpg123_read(voice.decoder, m_scratch.data() + made * kChannels,
                                       (frames - made) * kBytesPerFrame, &bytes);
        made += bytes / kBytesPerFrame;
        emptyReads = bytes > 0 ? 0 : emptyReads + 1;
        if (bytes > 0)
            emptySinceRestart = false;
        if ((result == MPG123_OK || result == MPG123_NEW_FORMAT) && emptyReads < kMostEmptyReads)
            continue;
        if (result == MPG123_DONE && voice.loop && !emptySinceRestart &&
            mpg123_seek(voice.decoder, 0, SEEK_SET) == 0) {
            emptySinceRestart = true;
            continue;
        }
        // The end, or a file that breaks off: what was decoded still plays.
        voice.playing = false;
        voice.ended = true;
        if (voice.onEnd)
            voice.onEnd();
        break;
    }
    return made;
}

} // namespace platform
