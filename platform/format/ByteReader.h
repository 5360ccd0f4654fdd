#pragma once
// Bounded little-endian reads over a byte buffer: every read is checked
// against what is left, and a short read names the file, the offset and
// what was expected.
#include "util/Errors.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace zw {

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size, std::string name)
        : data_(data), size_(size), name_(std::move(name)) {}

    size_t Pos() const { return pos_; }
    size_t Size() const { return size_; }
    size_t Left() const { return size_ - pos_; }
    const std::string& Name() const { return name_; }
    const uint8_t* Data() const { return data_; }

    void Seek(size_t pos, const char* what) {
        if (pos > size_) Fail(what, pos - pos_);
        pos_ = pos;
    }
    void Skip(size_t n, const char* what) {
        Need(n, what);
        pos_ += n;
    }
    void Need(size_t n, const char* what) const {
        if (n > Left()) Fail(what, n);
    }
    uint8_t U8(const char* what) {
        Need(1, what);
        return data_[pos_++];
    }
    uint16_t U16(const char* what) {
        Need(2, what);
        uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    uint32_t U32(const char* what) {
        Need(4, what);
        uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
                     (uint32_t(data_[pos_ + 2]) << 16) | (uint32_t(data_[pos_ + 3]) << 24);
        pos_ += 4;
        return v;
    }
    int32_t I32(const char* what) { return int32_t(U32(what)); }
    float F32(const char* what) {
        uint32_t u = U32(what);
        float f;
        std::memcpy(&f, &u, 4);
        return f;
    }

    [[noreturn]] void Fail(const std::string& what, size_t wanted) const {
        throw EInOutError(name_ + ": " + what + " at byte offset " + std::to_string(pos_) + ": needs " +
                          std::to_string(wanted) + " bytes, " + std::to_string(Left()) + " left");
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    std::string name_;
};

} // namespace zw
