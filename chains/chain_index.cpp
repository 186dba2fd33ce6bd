#include "chains/chain_index.h"

#include "chains/catalogue.h"
#include "chains/category.h"

namespace corvane {

namespace {

inline constexpr int kMinWindow = 3;
inline constexpr int kMaxWindow = 30;

}  // namespace

void ChainTable::insert_or_update(std::uint64_t key, int chain, int line) {
    const std::uint64_t hash = key * kMix;
    filter_[hash >> 58] |= std::uint64_t{1} << ((hash >> 52) & 63);
    std::size_t i = hash >> 54;
    while (slots_[i].hit && slots_[i].key != key) {
        i = (i + 1) & (kSlots - 1);
    }
    Slot& s = slots_[i];
    if (!s.hit) {
        s = {key, {chain, line}};
    } else if (s.hit.chain == chain) {
        s.hit.line = line;
    }
}

const detail::ChainTables& detail::build_chain_tables() {
    static const ChainTables tables = [] {
        ChainTables t;
        for (const FamilyInfo& f : kFamilies) {
            for (int n = kMinWindow - 1; n <= kMaxWindow; ++n) {
                for (int k = 1; k <= kChainCount; ++k) {
                    for (int i = 0; i < chain_line_count(f.id, k); ++i) {
                        t[index_of(f.id)][static_cast<std::size_t>(n)].insert_or_update(
                            CodeWindow::key_of(chain_line(f.id, k, i).substr(0, n)), k, i);
                    }
                }
            }
        }
        return t;
    }();
    return tables;
}

ChainHit find_chain(Family family, std::string_view window) {
    if (window.size() > CodeWindow::kCapacity) {
        return {};
    }
    const ChainHit* hit =
        chain_table(family, static_cast<int>(window.size())).find(CodeWindow::key_of(window));
    return hit == nullptr ? ChainHit{} : *hit;
}

bool begins_some_line(Family family, std::string_view prefix) {
    return prefix.size() <= CodeWindow::kCapacity &&
           chain_table(family, static_cast<int>(prefix.size())).find(CodeWindow::key_of(prefix)) !=
               nullptr;
}

}  // namespace corvane
