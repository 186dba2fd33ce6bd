#include "chains/chain_index.h"

#include <array>
#include <cstdint>
#include <vector>

#include "chains/catalogue.h"
#include "chains/category.h"

namespace corvane {

namespace {

inline constexpr int kMinWindow = 3;
inline constexpr int kMaxWindow = 30;

std::uint64_t key_of(std::string_view text) {
    return CodeWindow::key_of(text);
}

// An open-addressing table from the packed codes of a line beginning to its hit. Sized to
// stay at most a quarter full, so a look-up usually reads one slot.
class LengthTable {
  public:
    void insert_or_update(std::uint64_t key, int chain, int line) {
        if (Slot* s = slot(key); s->used) {
            // The first chain to claim a beginning keeps it; within that chain each later
            // line replaces the recorded one.
            if (s->hit.chain == chain) {
                s->hit.line = line;
            }
        } else {
            *s = {key, {chain, line}, true};
        }
    }

    const ChainHit* find(std::uint64_t key) const {
        const Slot* s = const_cast<LengthTable*>(this)->slot(key);
        return s->used ? &s->hit : nullptr;
    }

  private:
    static constexpr std::size_t kSlots = 1024;  // at least four times the longest catalogue

    struct Slot {
        std::uint64_t key = 0;
        ChainHit hit;
        bool used = false;
    };

    Slot* slot(std::uint64_t key) {
        std::size_t i = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 54);
        while (slots_[i].used && slots_[i].key != key) {
            i = (i + 1) & (kSlots - 1);
        }
        return &slots_[i];
    }

    std::vector<Slot> slots_ = std::vector<Slot>(kSlots);
};

struct FamilyIndex {
    std::array<LengthTable, kMaxWindow + 1> by_length;  // index: number of codes
};

FamilyIndex build(Family family) {
    FamilyIndex index;
    for (int n = kMinWindow - 1; n <= kMaxWindow; ++n) {
        for (int k = 1; k <= kChainCount; ++k) {
            for (int i = 0; i < chain_line_count(family, k); ++i) {
                index.by_length[n].insert_or_update(key_of(chain_line(family, k, i).substr(0, n)),
                                                    k, i);
            }
        }
    }
    return index;
}

const FamilyIndex& index_of_family(Family family) {
    static const std::array<FamilyIndex, kFamilyCount> indexes = {build(Family::F12),
                                                                  build(Family::F23)};
    return indexes[index_of(family)];
}

const ChainHit* find(Family family, int n, std::uint64_t key) {
    if (n < kMinWindow - 1 || n > kMaxWindow) {
        return nullptr;
    }
    return index_of_family(family).by_length[n].find(key);
}

}  // namespace

ChainHit find_chain(Family family, std::string_view window) {
    const ChainHit* hit = find(family, static_cast<int>(window.size()), key_of(window));
    return hit == nullptr ? ChainHit{} : *hit;
}

bool begins_some_line(Family family, std::string_view prefix) {
    return find(family, static_cast<int>(prefix.size()), key_of(prefix)) != nullptr;
}

ChainHit find_chain(Family family, const CodeWindow& window) {
    const ChainHit* hit = find(family, window.size(), window.key());
    return hit == nullptr ? ChainHit{} : *hit;
}

bool begins_some_line(Family family, const CodeWindow& prefix) {
    return find(family, prefix.size(), prefix.key()) != nullptr;
}

}  // namespace corvane
