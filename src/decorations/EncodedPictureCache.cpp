#include "decorations/EncodedPictureCache.h"

#include "core/ProgramResources.h"

#include <algorithm>

EncodedPictureCache::EncodedPictureCache(size_t capacity)
    : m_capacity(std::max<size_t>(capacity, 1))
{
}

void EncodedPictureCache::append(QByteArray encoded)
{
    m_encoded.push_back(std::move(encoded));
}

void EncodedPictureCache::clear()
{
    m_decoded.clear();
    m_encoded.clear();
    m_encoded.shrink_to_fit();
}

QImage EncodedPictureCache::picture(int index)
{
    if (index < 0 || index >= count())
        return {};
    const auto found = std::find_if(m_decoded.begin(), m_decoded.end(),
                                    [index](const Decoded& entry) { return entry.index == index; });
    if (found != m_decoded.end()) {
        Decoded entry = std::move(*found);
        m_decoded.erase(found);
        m_decoded.push_front(std::move(entry));
        return m_decoded.front().image;
    }
    if (m_decoded.size() >= m_capacity)
        m_decoded.pop_back();
    m_decoded.push_front({index, DecodePng(m_encoded[static_cast<size_t>(index)])});
    return m_decoded.front().image;
}
