#pragma once
// A named set of materials with the folders their texture files are searched in.
#include "platform/scene/Material.h"

#include <memory>
#include <string>
#include <vector>

namespace zw {

class MaterialLibrary {
public:
    explicit MaterialLibrary(std::string name = "") : name_(std::move(name)) {}
    const std::string& Name() const { return name_; }

    // Folders separated by ";" (a data file's spelling, backslashes allowed).
    void SetTexturePaths(const std::string& paths);
    const std::vector<std::string>& TexturePaths() const { return paths_; }
    // The file name found in the first texture folder that has it, or as it
    // stands when it exists; "" when none has it.
    std::string FindTextureFile(const std::string& file) const;

    size_t Count() const { return materials_.size(); }
    Material* At(size_t i) const { return i < materials_.size() ? materials_[i].get() : nullptr; }
    // A new material at the end (names need not be unique; lookups find the first).
    Material* Add(const std::string& name);
    // The material of that name, created when missing.
    Material* GetOrAdd(const std::string& name);
    Material* Find(const std::string& name) const;
    int IndexOf(const std::string& name) const;
    // Reads the texture of a material through the search paths (EInOutError when no folder has it).
    void LoadTexture(Material& m, const std::string& file) const;
    void Clear();
    // Changes whenever a material is added or removed, so that name bindings re-resolve.
    uint64_t Generation() const { return generation_; }

private:
    std::string name_;
    std::vector<std::string> paths_;
    std::vector<std::unique_ptr<Material>> materials_;
    uint64_t generation_ = 1;
};

// A node's material: its own, or a library material by name.
class MaterialBinding {
public:
    Material& Own() { return own_; }
    const Material& Own() const { return own_; }
    MaterialLibrary* Library() const { return library_; }
    const std::string& LibMaterialName() const { return libName_; }
    void SetLibrary(MaterialLibrary* lib) { library_ = lib, resolvedGen_ = 0; }
    void SetLibMaterialName(const std::string& name) { libName_ = name, resolvedGen_ = 0; }
    void Bind(MaterialLibrary* lib, const std::string& name) { library_ = lib, libName_ = name, resolvedGen_ = 0; }
    void Unbind() { libName_.clear(), resolvedGen_ = 0; }
    // The library material when bound and found, else the node's own.
    const Material& Effective() const;
    Material& Effective() { return const_cast<Material&>(static_cast<const MaterialBinding*>(this)->Effective()); }
    bool IsBound() const { return LibMaterial() != nullptr; }
    Material* LibMaterial() const;

private:
    Material own_;
    MaterialLibrary* library_ = nullptr;
    std::string libName_;
    mutable Material* resolved_ = nullptr;
    mutable uint64_t resolvedGen_ = 0;
};

} // namespace zw
