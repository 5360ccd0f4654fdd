#pragma once
// The dot matrix of a board: columns 1..width, rows 1..height, lit or not.
// Reads and writes outside the matrix are ignored, so no board file can
// make a glyph write past its edge.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zw {

class TTabl {
public:
    // Sizes the matrix and clears it (every dot unlit).
    void Resize(int width, int height);
    void Clear();

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int col, int row) const { return col >= 1 && col <= width_ && row >= 1 && row <= height_; }
    bool Lit(int col, int row) const {
        return Inside(col, row) && dots_[Index(col, row)] != 0;
    }
    void Set(int col, int row, bool lit) {
        if (Inside(col, row)) dots_[Index(col, row)] = lit ? 1 : 0;
    }

private:
    size_t Index(int col, int row) const { return size_t(row - 1) * size_t(width_) + size_t(col - 1); }
    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> dots_;
};

} // namespace zw
