// A short text of outcome codes with fixed storage, so a spin never allocates.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace corvane {

class CodeWindow {
  public:
    // Room for the longest window (30) plus the code appended before it is cut back.
    static constexpr int kCapacity = 32;

    CodeWindow() = default;
    explicit CodeWindow(std::string_view text) { assign(text); }

    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    char operator[](int i) const { return codes_[start_ + i]; }
    std::string_view view() const {
        return {codes_.data() + start_, static_cast<std::size_t>(size_)};
    }
    std::string str() const { return std::string(view()); }

    void clear() {
        start_ = 0;
        size_ = 0;
        key_ = 0;
    }

    // The codes packed two bits each, the newest lowest: equal windows have equal keys.
    std::uint64_t key() const { return key_; }
    static std::uint64_t key_of(std::string_view codes) {
        std::uint64_t key = 0;
        for (char ch : codes) {
            key = (key << 2) | static_cast<std::uint64_t>((ch - '0') & 3);
        }
        return key;
    }

    // Keeps the newest codes when the text would not fit.
    void assign(std::string_view text) {
        if (text.size() > kCapacity) {
            text.remove_prefix(text.size() - kCapacity);
        }
        start_ = 0;
        size_ = static_cast<std::uint8_t>(text.size());
        text.copy(codes_.data(), text.size());
        key_ = key_of(text);
    }

    void push_back(char code) {
        if (size_ == kCapacity) {
            drop_front(1);
        }
        if (start_ + size_ == kBuffer) {
            // The codes have slid to the end of the buffer: back to its start, once in a while.
            std::memmove(codes_.data(), codes_.data() + start_, size_);
            start_ = 0;
        }
        codes_[start_ + size_++] = code;
        key_ = (key_ << 2) | static_cast<std::uint64_t>((code - '0') & 3);
    }

    // Removes the n oldest codes.
    void drop_front(int n) {
        start_ = static_cast<std::uint8_t>(start_ + n);
        size_ = static_cast<std::uint8_t>(size_ - n);
        key_ = size_ == kCapacity ? key_ : key_ & ((std::uint64_t{1} << (2 * size_)) - 1);
    }

    friend bool operator==(const CodeWindow& a, const CodeWindow& b) {
        return a.view() == b.view();
    }

  private:
    // The codes slide forward through a buffer twice the capacity as the oldest are cut, so
    // cutting moves nothing.
    static constexpr int kBuffer = 2 * kCapacity;

    std::uint64_t key_ = 0;
    std::array<char, kBuffer> codes_{};
    std::uint8_t start_ = 0;
    std::uint8_t size_ = 0;
};

}  // namespace corvane
