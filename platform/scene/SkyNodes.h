#pragma once
// The sky: a box of six library materials around the camera, or a dome of
// coloured bands with stars. Both follow the camera and are drawn first.
#include "platform/scene/MaterialLibrary.h"
#include "platform/scene/SceneNode.h"

#include <string>
#include <vector>

namespace zw {

class SkyBoxNode : public SceneNode {
public:
    enum Face { Top, Bottom, Left, Right, Front, Back, FaceCount };
    explicit SkyBoxNode(std::string name = "") : SceneNode(NodeKind::SkyBox, std::move(name)) {}
    MaterialLibrary* Library() const { return library_; }
    void SetLibrary(MaterialLibrary* lib) {
        library_ = lib;
        for (auto& b : faces_) b.SetLibrary(lib);
    }
    const std::string& FaceMaterialName(Face f) const { return faces_[f].LibMaterialName(); }
    void SetFaceMaterial(Face f, const std::string& name) { faces_[f].Bind(library_, name); }
    // The face's material, or null when the library has none of that name.
    const Material* FaceMaterial(Face f) const { return faces_[f].LibMaterial(); }

private:
    MaterialLibrary* library_ = nullptr;
    MaterialBinding faces_[FaceCount];
};

struct SkyBand {
    float startAngle = 0, stopAngle = 90; // degrees above the horizon
    Color startColor{0, 0, 0, 1}, stopColor{0, 0, 1, 1};
    int slices = 12, stacks = 1;
};

struct SkyStar {
    float rightAscension = 0; // hours
    float declination = 0;    // degrees
    float magnitude = 0;
    Color color{1, 1, 1, 1};
};

class SkyDomeNode : public SceneNode {
public:
    explicit SkyDomeNode(std::string name = "") : SceneNode(NodeKind::SkyDome, std::move(name)) {}
    size_t BandCount() const { return bands_.size(); }
    const SkyBand& Band(size_t i) const { return bands_[i]; }
    SkyBand& EditBand(size_t i) { return ++version_, bands_[i]; }
    SkyBand& AddBand(const SkyBand& b) { return ++version_, bands_.emplace_back(b); }
    void ClearBands() { bands_.clear(), ++version_; }
    const std::vector<SkyBand>& Bands() const { return bands_; }
    const std::vector<SkyStar>& Stars() const { return stars_; }
    void AddStar(const SkyStar& s) { stars_.push_back(s), ++version_; }
    void ClearStars() { stars_.clear(), ++version_; }
    uint64_t Version() const { return version_; }

private:
    std::vector<SkyBand> bands_;
    std::vector<SkyStar> stars_;
    uint64_t version_ = 1;
};

} // namespace zw
