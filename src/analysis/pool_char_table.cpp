#include "analysis/pool_char_table.hpp"

#include <algorithm>

namespace qinghe {
namespace {

inline int codeOf(const std::string& ch) {
    if (ch.size() != 2) return -1;
    return static_cast<unsigned char>(ch[0]) << 8 | static_cast<unsigned char>(ch[1]);
}

}  // namespace

void PoolCharTable::clear() {
    records_.clear();
    std::fill(firstByCode_.begin(), firstByCode_.end(), 0);
}

void PoolCharTable::resize(size_t n) {
    records_.resize(n);
    rebuildIndex();
}

void PoolCharTable::set(size_t position, CharInfo record) {
    int oldCode = codeOf(records_[position].character);
    records_[position] = std::move(record);
    if (oldCode >= 0 && firstByCode_[oldCode] == position + 1) {
        // The replaced record was the first of its character: find the next one, if any.
        firstByCode_[oldCode] = 0;
        for (size_t i = position + 1; i < records_.size(); ++i) {
            if (codeOf(records_[i].character) == oldCode) {
                firstByCode_[oldCode] = static_cast<uint32_t>(i + 1);
                break;
            }
        }
    }
    indexRecord(position);
}

void PoolCharTable::append(CharInfo record) {
    records_.push_back(std::move(record));
    indexRecord(records_.size() - 1);
}

void PoolCharTable::indexRecord(size_t position) {
    int code = codeOf(records_[position].character);
    if (code < 0) return;
    uint32_t& slot = firstByCode_[code];
    if (slot == 0 || slot > position + 1) slot = static_cast<uint32_t>(position + 1);
}

void PoolCharTable::rebuildIndex() {
    std::fill(firstByCode_.begin(), firstByCode_.end(), 0);
    for (size_t i = 0; i < records_.size(); ++i) indexRecord(i);
}

const CharInfo& PoolCharTable::find(const std::string& ch) const {
    int code = codeOf(ch);
    if (code >= 0) {
        uint32_t slot = firstByCode_[code];
        return slot ? records_[slot - 1] : empty_;
    }
    for (const CharInfo& record : records_)
        if (record.character == ch) return record;
    return empty_;
}

bool PoolCharTable::contains(const std::string& ch) const {
    return &find(ch) != &empty_;
}

}  // namespace qinghe
