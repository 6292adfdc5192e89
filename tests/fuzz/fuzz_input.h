#pragma once

// Takes typed values off the front of a fuzzer's input.

#include <cstddef>
#include <cstdint>

namespace quillane::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t take(std::uint32_t below) {  // 0 .. below-1; 0 once the input is used up
        std::uint32_t v = 0;
        for (int i = 0; i < 4 && pos_ < size_; ++i) v = v << 8 | data_[pos_++];
        return below ? v % below : 0;
    }
    const std::uint8_t* rest() const { return data_ + pos_; }
    std::size_t restSize() const { return size_ - pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace quillane::fuzz
