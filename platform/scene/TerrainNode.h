#pragma once
// The ground: a terrain over a height source, a grid of tiles repeated without
// end around the camera when the source is endless.
#include "platform/format/Image.h"
#include "platform/scene/MaterialNode.h"

#include <memory>

namespace zw {

// Heights from a grey-scale picture: 0..255 map to -1..+1 times the terrain's
// Z scale (128 is 0, so a flat grey picture gives a flat ground). With
// endless repetition the picture tiles the plane; otherwise outside it is 0.
class BitmapHeightData {
public:
    BitmapHeightData() = default;
    explicit BitmapHeightData(Image picture) : picture_(std::move(picture)) {}
    const Image& Picture() const { return picture_; }
    void SetPicture(Image p) { picture_ = std::move(p), ++version_; }
    bool Endless() const { return endless_; }
    void SetEndless(bool v) { endless_ = v, ++version_; }
    // The height at grid point (x, y), -1..1.
    float HeightAt(long x, long y) const;
    uint64_t Version() const { return version_; }

private:
    Image picture_;
    bool endless_ = false;
    uint64_t version_ = 1;
};

// The terrain lies in its local XY plane (grid x, y), heights along local Z.
// One grid step is one unit before the node's scale.
class TerrainNode : public MaterialNode {
public:
    enum class Quality { Tesselated, Bruteforce };
    explicit TerrainNode(std::string name = "") : MaterialNode(NodeKind::Terrain, std::move(name)) {}
    const BitmapHeightData* HeightData() const { return data_; }
    void SetHeightData(const BitmapHeightData* d) { data_ = d; }
    // Grid points per texture tile.
    int TileSize() const { return tileSize_; }
    void SetTileSize(int n) { tileSize_ = n < 1 ? 1 : n; }
    Quality QualityStyle() const { return quality_; }
    void SetQualityStyle(Quality q) { quality_ = q; }
    // Height in the terrain's local units at a grid point.
    float LocalHeight(long x, long y) const;

private:
    const BitmapHeightData* data_ = nullptr;
    int tileSize_ = 16;
    Quality quality_ = Quality::Tesselated;
};

} // namespace zw
