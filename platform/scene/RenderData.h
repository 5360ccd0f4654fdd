#pragma once
// The renderer's own data hung on scene objects (GPU buffers, textures). The
// scene graph never looks inside; it frees the slot with its object.
#include <memory>

namespace zw {

struct RenderData {
    virtual ~RenderData() = default;
};

// A slot any scene object carries for the renderer. Copying an object never
// copies its slot (the copy has to be uploaded on its own).
class RenderSlot {
public:
    RenderSlot() = default;
    RenderSlot(const RenderSlot&) {}
    RenderSlot& operator=(const RenderSlot&) { return *this; }
    RenderData* Get() const { return data_.get(); }
    template <class T> T* As() const { return static_cast<T*>(data_.get()); }
    void Set(std::unique_ptr<RenderData> d) const { data_ = std::move(d); }
    void Reset() const { data_.reset(); }

private:
    mutable std::unique_ptr<RenderData> data_;
};

} // namespace zw
