// PoolCharTable: the per-run records of a generation job's characters (strokes and element), so
// that scoring thousands of names never queries the character table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/char_info.hpp"

namespace qinghe {

class PoolCharTable {
public:
    void clear();
    // Makes the table n records long, all empty.
    void resize(size_t n);
    size_t size() const { return records_.size(); }
    void set(size_t position, CharInfo record);
    void append(CharInfo record);
    const CharInfo& at(size_t position) const { return records_[position]; }

    // The first record whose character equals ch byte for byte, or an empty record (0 strokes,
    // no element) when there is none.
    const CharInfo& find(const std::string& ch) const;
    // True when some record has this character.
    bool contains(const std::string& ch) const;

private:
    void indexRecord(size_t position);
    void rebuildIndex();

    std::vector<CharInfo> records_;
    // For two-byte characters: position + 1 of the first record with that code, 0 for none. The
    // table answers find() in constant time; other texts fall back to a walk from the first.
    std::vector<uint32_t> firstByCode_ = std::vector<uint32_t>(0x10000, 0);
    CharInfo empty_;
};

}  // namespace qinghe
