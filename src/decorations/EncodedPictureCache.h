#pragma once

#include <QByteArray>
#include <QImage>

#include <deque>
#include <vector>

// A long list of large pictures kept as their encoded bytes, decoded only
// when drawn. Deep snow's 120 full-screen pictures would take about 500 MB
// decoded; this way only the few most recently shown ones are held decoded.
class EncodedPictureCache final {
public:
    // How many decoded pictures are kept: the one on screen and the one before.
    static constexpr size_t kDefaultCapacity = 2;

    explicit EncodedPictureCache(size_t capacity = kDefaultCapacity);

    // Adds a picture at the end; empty bytes make an entry that draws nothing.
    void append(QByteArray encoded);
    // Forgets every picture, encoded and decoded.
    void clear();

    int count() const { return static_cast<int>(m_encoded.size()); }
    bool isEmpty() const { return m_encoded.empty(); }

    // Picture number `index`, decoded now or taken from the cache; a null
    // picture for an index out of range or bytes that do not decode.
    QImage picture(int index);

    // How many pictures are held decoded right now.
    size_t decodedCount() const { return m_decoded.size(); }

private:
    struct Decoded {
        int index;
        QImage image;
    };

    size_t m_capacity;
    std::vector<QByteArray> m_encoded;
    // Most recently used first.
    std::deque<Decoded> m_decoded;
};
