// Storage for a record that only grows at its end and shrinks from it: it grows block by block
// and never moves what it holds, so adding to a long record costs what adding to a short one
// does (a vector would now and then copy everything it holds).
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace corvane {

template <typename T>
class BlockStore {
  public:
    static constexpr std::size_t kBlock = 4096;

    // One past the last slot in use.
    std::size_t size() const { return size_; }

    const T& operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    T& operator[](std::size_t i) { return blocks_[i / kBlock][i % kBlock]; }

    // Makes room for n (at most kBlock) elements side by side, in one block, and returns the
    // index of the first. When the current block has no room for them, they begin the next
    // one, and the slots left over are never read.
    std::size_t allocate(std::size_t n) {
        if (size_ % kBlock + n > kBlock) {
            size_ += kBlock - size_ % kBlock;
        }
        const std::size_t first = size_;
        size_ += n;
        while (blocks_.size() * kBlock < size_) {
            blocks_.emplace_back(kBlock);
        }
        return first;
    }

    // n elements from `first`, which allocate() gave side by side.
    std::span<const T> span(std::size_t first, std::size_t n) const {
        return n == 0 ? std::span<const T>() : std::span<const T>(&(*this)[first], n);
    }

    // Lets go of every slot from `size` on; the blocks stay for what comes next.
    void shrink_to(std::size_t size) { size_ = size; }
    void clear() { size_ = 0; }

  private:
    // Each block is made at its full size once and never resized, so what it holds stays put;
    // copying the store copies the blocks.
    std::vector<std::vector<T>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace corvane
