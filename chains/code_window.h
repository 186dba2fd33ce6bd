// A short text of outcome codes held in one machine word, so a spin never allocates and
// sliding a window by a code is a shift.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CodeWindow {
  public:
    // Room for the longest window (30) plus the code appended before it is cut back, two bits
    // a code: a cut always leaves a part of the key to mask.
    static constexpr int kCapacity = 31;

    CodeWindow() = default;
    explicit CodeWindow(std::string_view text) { assign(text); }

    int size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // The i-th code, the oldest first.
    char operator[](int i) const { return code_at(size_ - 1 - i); }
    // The first code of the window if it holds `length` codes (1 to kCapacity); whatever it
    // holds, the answer is read from the key alone, so it can be asked before the size is known.
    char first_if_holding(int length) const { return code_at(length - 1); }
    std::string str() const {
        std::string text(static_cast<std::size_t>(size_), '\0');
        for (int i = 0; i < size_; ++i) {
            text[static_cast<std::size_t>(i)] = (*this)[i];
        }
        return text;
    }

    void clear() {
        key_ = 0;
        size_ = 0;
    }

    // The codes packed two bits each, the newest lowest: equal windows have equal keys. The
    // codes ('0' to '3') are their two bits, so the key is the whole text.
    std::uint64_t key() const { return key_; }
    static std::uint64_t key_of(std::string_view codes) {
        std::uint64_t key = 0;
        for (char ch : codes) {
            key = (key << 2) | bits_of(ch);
        }
        return key;
    }

    // Keeps the newest codes when the text would not fit.
    void assign(std::string_view text) {
        if (text.size() > kCapacity) {
            text.remove_prefix(text.size() - kCapacity);
        }
        size_ = static_cast<std::uint8_t>(text.size());
        key_ = key_of(text);
    }

    // Appends a code; a full window lets its oldest go.
    void push_back(char code) {
        key_ = (key_ << 2) | bits_of(code);
        if (size_ < kCapacity) {
            ++size_;
        } else {
            keep_newest(kCapacity);
        }
    }

    // Cuts the window to its `keep` newest codes, when it holds more, and returns the last code
    // cut (the one just before what is kept); '\0' when nothing was cut.
    char cut_to(int keep) {
        if (size_ <= keep) {
            return '\0';
        }
        const char last_cut = code_at(keep);
        keep_newest(keep);
        return last_cut;
    }

    friend bool operator==(const CodeWindow& a, const CodeWindow& b) {
        return a.size_ == b.size_ && a.key_ == b.key_;
    }

  private:
    static std::uint64_t bits_of(char code) { return static_cast<std::uint64_t>((code - '0') & 3); }

    // The code with `newer` codes after it.
    char code_at(int newer) const { return static_cast<char>('0' + ((key_ >> (2 * newer)) & 3)); }

    void keep_newest(int keep) {
        size_ = static_cast<std::uint8_t>(keep);
        key_ &= (std::uint64_t{1} << (2 * keep)) - 1;
    }

    std::uint64_t key_ = 0;
    std::uint8_t size_ = 0;
};

}  // namespace corvane
