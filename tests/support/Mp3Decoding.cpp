#include "support/Mp3Decoding.h"

#include <QFile>

#include <mpg123.h>

DecodedMp3 decodeMp3(const QString& path)
{
    static const bool initialised = mpg123_init() == MPG123_OK;
    DecodedMp3 out;
    mpg123_handle* handle = initialised ? mpg123_new(nullptr, nullptr) : nullptr;
    if (!handle)
        return out;
    mpg123_param(handle, MPG123_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(handle);
    mpg123_format(handle, 44100, MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_open(handle, QFile::encodeName(path).constData()) == MPG123_OK) {
        int channels = 0, encoding = 0;
        mpg123_getformat(handle, &out.rate, &channels, &encoding);
        out.announcedFrames = mpg123_length(handle);
        std::vector<unsigned char> buffer(1 << 16);
        for (;;) {
            size_t done = 0;
            const int rc = mpg123_read(handle, buffer.data(), buffer.size(), &done);
            const float* data = reinterpret_cast<const float*>(buffer.data());
            for (size_t i = 0; i + 1 < done / sizeof(float); i += 2) {
                out.left.push_back(data[i]);
                out.right.push_back(data[i + 1]);
            }
            if (rc != MPG123_OK)
                break;
        }
        mpg123_close(handle);
    }
    mpg123_delete(handle);
    return out;
}
