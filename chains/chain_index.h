// Fast look-up of the catalogue by window text. A window hits the same (chain, line) whatever
// mark stands before it, as long as the mark differs from the window's first code: every line
// that begins with the window also begins with that code. So each family and window length
// maps a window text straight to the line that the detection records.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/numbers.h"
#include "chains/code_window.h"

namespace corvane {

struct ChainHit {
    int chain = 0;  // 1..22; 0: no line begins with the window
    int line = 0;   // the last line of that chain that begins with the window
    explicit operator bool() const { return chain != 0; }
    friend bool operator==(const ChainHit&, const ChainHit&) = default;
};

// The lowest chain that has a line beginning with `window` (whose length is the window length
// in use, 3..30), and the last such line in it.
ChainHit find_chain(Family family, std::string_view window);

// True when some line begins with `prefix` (2..29 codes).
bool begins_some_line(Family family, std::string_view prefix);

// The beginnings of one family's lines of one length, by their packed codes: an open-addressing
// table that stays at most a quarter full, and before it a filter of one bit per hash that
// turns most windows away without reading the table (most windows begin no line).
class ChainTable {
  public:
    // False when no line begins with these packed codes; true when one may: for the few
    // windows that pass, find() tells.
    bool may_begin(std::uint64_t key) const {
        const std::uint64_t hash = key * kMix;
        return ((filter_[hash >> 58] >> ((hash >> 52) & 63)) & 1) != 0;
    }

    // The hit of the beginning with these packed codes; nullptr when no line begins so.
    const ChainHit* find(std::uint64_t key) const {
        if (!may_begin(key)) {
            return nullptr;
        }
        for (std::size_t i = (key * kMix) >> 54;; i = (i + 1) & (kSlots - 1)) {
            const Slot& s = slots_[i];
            if (!s.hit) {
                return nullptr;
            }
            if (s.key == key) {
                return &s.hit;
            }
        }
    }

    // While the table is built: the first chain to claim a beginning keeps it; within that
    // chain each later line replaces the recorded one.
    void insert_or_update(std::uint64_t key, int chain, int line);

  private:
    static constexpr std::uint64_t kMix = 0x9E3779B97F4A7C15ULL;
    static constexpr std::size_t kSlots = 1024;  // at least four times the longest catalogue

    struct Slot {
        std::uint64_t key = 0;
        ChainHit hit;  // chain 0: the slot is free
    };

    std::array<std::uint64_t, 64> filter_{};
    std::vector<Slot> slots_ = std::vector<Slot>(kSlots);
};

namespace detail {
// Every family's table for every length a window can have, built once.
using ChainTables = std::array<std::array<ChainTable, CodeWindow::kCapacity + 1>, kFamilyCount>;
const ChainTables& build_chain_tables();
}  // namespace detail

// The table of a family's line beginnings of `length` codes; for a length that no window in use
// has (below 2 or above 30), a table that finds nothing.
inline const ChainTable& chain_table(Family family, int length) {
    static const detail::ChainTables& tables = detail::build_chain_tables();
    return tables[index_of(family)][static_cast<std::size_t>(length)];
}

// The same look-ups for the windows of a category, by their packed codes.
inline ChainHit find_chain(Family family, const CodeWindow& window) {
    const ChainHit* hit = chain_table(family, window.size()).find(window.key());
    return hit == nullptr ? ChainHit{} : *hit;
}
inline bool begins_some_line(Family family, const CodeWindow& prefix) {
    return chain_table(family, prefix.size()).find(prefix.key()) != nullptr;
}

}  // namespace corvane
