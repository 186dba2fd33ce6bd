// A short text of outcome codes with fixed storage, so a spin never allocates.
#pragma once

#include <array>
#include <cstdint>
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
    char operator[](int i) const { return codes_[i]; }
    std::string_view view() const { return {codes_.data(), static_cast<std::size_t>(size_)}; }
    std::string str() const { return std::string(view()); }

    void clear() { size_ = 0; }

    // Keeps the newest codes when the text would not fit.
    void assign(std::string_view text) {
        if (text.size() > kCapacity) {
            text.remove_prefix(text.size() - kCapacity);
        }
        size_ = static_cast<std::uint8_t>(text.size());
        text.copy(codes_.data(), text.size());
    }

    void push_back(char code) {
        if (size_ == kCapacity) {
            drop_front(1);
        }
        codes_[size_++] = code;
    }

    // Removes the n oldest codes.
    void drop_front(int n) {
        for (int i = n; i < size_; ++i) {
            codes_[i - n] = codes_[i];
        }
        size_ = static_cast<std::uint8_t>(size_ - n);
    }

    friend bool operator==(const CodeWindow& a, const CodeWindow& b) {
        return a.view() == b.view();
    }

  private:
    std::array<char, kCapacity> codes_{};
    std::uint8_t size_ = 0;
};

}  // namespace corvane
