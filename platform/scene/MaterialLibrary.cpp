#include "platform/scene/MaterialLibrary.h"

#include "util/Errors.h"
#include "util/Paths.h"

namespace zw {

void MaterialLibrary::SetTexturePaths(const std::string& paths) {
    paths_.clear();
    size_t start = 0;
    while (start <= paths.size()) {
        size_t end = paths.find(';', start);
        if (end == std::string::npos) end = paths.size();
        if (end > start) paths_.push_back(paths.substr(start, end - start));
        start = end + 1;
    }
}

std::string MaterialLibrary::FindTextureFile(const std::string& file) const {
    if (file.empty()) return "";
    for (const std::string& dir : paths_) {
        std::string p = JoinPath(dir, file);
        if (FileExists(p)) return ResolvePath(p);
    }
    if (FileExists(file)) return ResolvePath(file);
    return "";
}

Material* MaterialLibrary::Add(const std::string& name) {
    materials_.push_back(std::make_unique<Material>(name));
    ++generation_;
    return materials_.back().get();
}

Material* MaterialLibrary::GetOrAdd(const std::string& name) {
    if (Material* m = Find(name)) return m;
    return Add(name);
}

Material* MaterialLibrary::Find(const std::string& name) const {
    for (const auto& m : materials_)
        if (m->Name() == name) return m.get();
    return nullptr;
}

int MaterialLibrary::IndexOf(const std::string& name) const {
    for (size_t i = 0; i < materials_.size(); ++i)
        if (materials_[i]->Name() == name) return int(i);
    return -1;
}

void MaterialLibrary::LoadTexture(Material& m, const std::string& file) const {
    std::string found = FindTextureFile(file);
    if (found.empty()) {
        std::string where;
        for (const std::string& d : paths_) where += (where.empty() ? "" : ";") + d;
        throw EInOutError("texture \"" + file + "\" not found" + (where.empty() ? "" : " in " + where));
    }
    m.LoadTexture(found);
}

void MaterialLibrary::Clear() {
    materials_.clear();
    ++generation_;
}

Material* MaterialBinding::LibMaterial() const {
    if (!library_ || libName_.empty()) return nullptr;
    if (resolvedGen_ != library_->Generation() || (resolved_ && resolved_->Name() != libName_)) {
        resolved_ = library_->Find(libName_);
        resolvedGen_ = library_->Generation();
    }
    return resolved_;
}

const Material& MaterialBinding::Effective() const {
    Material* m = LibMaterial();
    return m ? *m : own_;
}

} // namespace zw
