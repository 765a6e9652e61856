#include "zones/HashCollector.h"

#include <algorithm>

namespace zones {

HashCollector::HashCollector()
{
    // Every part starts "full", so that its first hash brings its first block.
    m_fill.fill(blockSize);
}

HashCollector::~HashCollector() = default;

void HashCollector::addBlock(size_t part)
{
    m_blocks[part].push_back(std::make_unique_for_overwrite<Block>());
    m_fill[part] = 0;
}

std::vector<quint64> HashCollector::takePart(int part)
{
    auto &blocks = m_blocks[size_t(part)];
    std::vector<quint64> values;
    if (blocks.empty())
        return values;
    values.reserve((blocks.size() - 1) * blockSize + m_fill[size_t(part)]);
    for (size_t i = 0; i < blocks.size(); ++i) {
        const quint32 used = i + 1 < blocks.size() ? blockSize : m_fill[size_t(part)];
        values.insert(values.end(), blocks[i]->values, blocks[i]->values + used);
        blocks[i].reset();
    }
    blocks.clear();
    blocks.shrink_to_fit();
    m_fill[size_t(part)] = blockSize;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

} // namespace zones
