#include "boards/TTabl.h"

#include <algorithm>

namespace zw {

void TTabl::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    dots_.assign(size_t(width_) * size_t(height_), 0);
}

void TTabl::Clear() { std::fill(dots_.begin(), dots_.end(), uint8_t(0)); }

} // namespace zw
