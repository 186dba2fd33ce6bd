// Storage for a record that only grows at its end and shrinks from it: it grows block by block
// and never moves what it holds, so adding to a long record costs what adding to a short one
// does (a vector would now and then copy everything it holds). A new block is not filled in
// advance: each page of it is first touched when something is written there, so a record that
// grows for ever pays for its memory once, as it fills it.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

namespace corvane {

template <typename T, std::size_t Block = 4096>
class BlockStore {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_default_constructible_v<T>,
                  "the slots are left as they are made and copied as bytes");

  public:
    static constexpr std::size_t kBlock = Block;

    BlockStore() = default;
    BlockStore(const BlockStore& other) { *this = other; }
    BlockStore(BlockStore&&) noexcept = default;
    BlockStore& operator=(BlockStore&&) noexcept = default;
    // Copies the slots up to size(), the ones allocate() passed over as they are.
    BlockStore& operator=(const BlockStore& other) {
        if (this != &other) {
            blocks_.clear();
            size_ = other.size_;
            for (std::size_t b = 0; b * kBlock < size_; ++b) {
                blocks_.push_back(std::make_unique_for_overwrite<T[]>(kBlock));
                const std::size_t used = size_ - b * kBlock < kBlock ? size_ - b * kBlock : kBlock;
                std::memcpy(blocks_[b].get(), other.blocks_[b].get(), used * sizeof(T));
            }
        }
        return *this;
    }

    // One past the last slot in use.
    std::size_t size() const { return size_; }

    const T& operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    T& operator[](std::size_t i) { return blocks_[i / kBlock][i % kBlock]; }

    // Where allocate(n) puts its first slot in a store of `size` slots: there, or at the start
    // of the next block when the current one has no room for n. A reader that knows how many
    // slots each allocation asked for finds them again with it.
    static constexpr std::size_t placed(std::size_t size, std::size_t n) {
        return size % kBlock + n > kBlock ? size + (kBlock - size % kBlock) : size;
    }

    // Makes room for n (at most kBlock) slots side by side, in one block, and returns the index
    // of the first. The slots hold nothing until they are written; those that placed() passed
    // over are never read.
    std::size_t allocate(std::size_t n) {
        const std::size_t first = placed(size_, n);
        size_ = first + n;
        if (size_ > blocks_.size() * kBlock) [[unlikely]] {
            grow();
        }
        return first;
    }

    // Adds one slot holding `value` if the last block has room for it; false, and nothing
    // added, when a block would have to be made first.
    bool push_back_if_room(const T& value) {
        if (size_ == blocks_.size() * kBlock) {
            return false;
        }
        blocks_[size_ / kBlock][size_ % kBlock] = value;
        ++size_;
        return true;
    }

    // Adds one slot holding `value`.
    void push_back(const T& value) {
        if (size_ == blocks_.size() * kBlock) [[unlikely]] {
            grow();
        }
        blocks_[size_ / kBlock][size_ % kBlock] = value;
        ++size_;
    }

    // n slots from `first`, which allocate() gave side by side.
    std::span<const T> span(std::size_t first, std::size_t n) const {
        return n == 0 ? std::span<const T>() : std::span<const T>(&(*this)[first], n);
    }
    std::span<T> span(std::size_t first, std::size_t n) {
        return n == 0 ? std::span<T>() : std::span<T>(&(*this)[first], n);
    }

    // Lets go of every slot from `size` on; the blocks stay for what comes next.
    void shrink_to(std::size_t size) { size_ = size; }
    void clear() { size_ = 0; }

  private:
    // Adds a block, and more until they hold size() slots; out of line, so that the calls that
    // find room stay short.
    [[gnu::noinline]] void grow() {
        do {
            blocks_.push_back(std::make_unique_for_overwrite<T[]>(kBlock));
        } while (blocks_.size() * kBlock < size_);
    }

    // Each block is made at its full size once and never resized, so what it holds stays put.
    std::vector<std::unique_ptr<T[]>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace corvane
