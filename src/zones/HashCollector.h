#pragma once

#include <QtGlobal>

#include <array>
#include <memory>
#include <vector>

namespace zones {

/**
 * Collects 64-bit hashes, any number and in any order, at 8 bytes each plus a fixed margin: hashes are
 * kept in blocks by their top bits, and each part is sorted only when it is taken, in order. Taking
 * every part in turn gives every distinct hash once, in ascending order.
 */
class HashCollector {
public:
    static constexpr int partBits = 10;
    static constexpr int partCount = 1 << partBits;

    HashCollector();
    ~HashCollector();
    HashCollector(const HashCollector &) = delete;
    HashCollector &operator=(const HashCollector &) = delete;

    void add(quint64 hash)
    {
        const auto part = size_t(hash >> (64 - partBits));
        if (m_fill[part] == blockSize)
            addBlock(part);
        m_blocks[part].back()->values[m_fill[part]++] = hash;
        ++m_added;
    }
    /// Hashes added, repeats included.
    quint64 added() const { return m_added; }
    /// The distinct hashes of part @p part, ascending; the part's memory is freed.
    std::vector<quint64> takePart(int part);

private:
    static constexpr quint32 blockSize = 4096;
    struct Block {
        quint64 values[blockSize];
    };
    void addBlock(size_t part);

    std::array<std::vector<std::unique_ptr<Block>>, partCount> m_blocks;
    std::array<quint32, partCount> m_fill{};
    quint64 m_added = 0;
};

} // namespace zones
