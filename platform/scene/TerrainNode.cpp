#include "platform/scene/TerrainNode.h"

namespace zw {

float BitmapHeightData::HeightAt(long x, long y) const {
    long w = picture_.Width(), h = picture_.Height();
    if (w == 0 || h == 0) return 0;
    if (endless_) {
        x = ((x % w) + w) % w;
        y = ((y % h) + h) % h;
    } else if (x < 0 || y < 0 || x >= w || y >= h) {
        return 0;
    }
    Rgba c = picture_.At(int(x), int(y));
    float grey = (float(c.r) + float(c.g) + float(c.b)) / 3.0f;
    return (grey - 128.0f) / 127.0f;
}

float TerrainNode::LocalHeight(long x, long y) const { return data_ ? data_->HeightAt(x, y) : 0; }

} // namespace zw
