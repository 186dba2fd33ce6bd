#include "chains/chain_index.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "chains/catalogue.h"
#include "chains/category.h"

namespace corvane {

namespace {

inline constexpr int kMinWindow = 3;
inline constexpr int kMaxWindow = 30;

// Codes '0'..'3' take two bits each; 30 codes fit in 60 bits.
std::uint64_t key_of(std::string_view text) {
    std::uint64_t key = 0;
    for (char ch : text) {
        key = (key << 2) | static_cast<std::uint64_t>((ch - '0') & 3);
    }
    return key;
}

struct Entry {
    std::uint64_t key;
    ChainHit hit;
    bool operator<(const Entry& other) const { return key < other.key; }
};

// Sorted tables of the line beginnings of one length.
using LengthTable = std::vector<Entry>;

struct FamilyIndex {
    std::array<LengthTable, kMaxWindow + 1> by_length;  // index: number of codes
};

FamilyIndex build(Family family) {
    FamilyIndex index;
    for (int n = kMinWindow - 1; n <= kMaxWindow; ++n) {
        LengthTable& table = index.by_length[n];
        // Walk lines in test order: the first chain to claim a beginning keeps it, and within
        // that chain each later line replaces the recorded one.
        for (int k = 1; k <= kChainCount; ++k) {
            for (int i = 0; i < chain_line_count(family, k); ++i) {
                const std::uint64_t key = key_of(chain_line(family, k, i).substr(0, n));
                auto it = std::find_if(table.begin(), table.end(),
                                       [&](const Entry& e) { return e.key == key; });
                if (it == table.end()) {
                    table.push_back({key, {k, i}});
                } else if (it->hit.chain == k) {
                    it->hit.line = i;
                }
            }
        }
        std::sort(table.begin(), table.end());
    }
    return index;
}

const FamilyIndex& index_of_family(Family family) {
    static const FamilyIndex f12 = build(Family::F12);
    static const FamilyIndex f23 = build(Family::F23);
    return family == Family::F12 ? f12 : f23;
}

const Entry* find(Family family, std::string_view text) {
    const int n = static_cast<int>(text.size());
    if (n < kMinWindow - 1 || n > kMaxWindow) {
        return nullptr;
    }
    const LengthTable& table = index_of_family(family).by_length[n];
    const Entry probe{key_of(text), {}};
    auto it = std::lower_bound(table.begin(), table.end(), probe);
    if (it == table.end() || it->key != probe.key) {
        return nullptr;
    }
    return &*it;
}

}  // namespace

ChainHit find_chain(Family family, std::string_view window) {
    const Entry* e = find(family, window);
    return e == nullptr ? ChainHit{} : e->hit;
}

bool begins_some_line(Family family, std::string_view prefix) {
    return find(family, prefix) != nullptr;
}

}  // namespace corvane
