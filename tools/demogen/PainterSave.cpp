// Writing the canvas as image files through the project's image writers.
#include "platform/format/Image.h"
#include "tools/demogen/Painter.h"

#include <cstring>
#include <filesystem>

namespace demogen {

std::string PrepareOutput(const std::string& gameDir, const std::string& rel) {
    std::string r = rel;
    for (char& ch : r)
        if (ch == '\\') ch = '/';
    std::filesystem::path p = std::filesystem::path(gameDir) / r;
    std::filesystem::create_directories(p.parent_path());
    return p.string();
}

namespace {
zw::Image ToImage(int w, int h, const std::vector<uint8_t>& rgba) {
    zw::Image img(w, h);
    std::memcpy(img.Data(), rgba.data(), rgba.size());
    return img;
}
} // namespace

void Painter::SaveBmp(const std::string& gameDir, const std::string& rel) const {
    zw::WriteBmp24File(PrepareOutput(gameDir, rel), ToImage(width_, height_, px_));
}

void Painter::SaveJpeg(const std::string& gameDir, const std::string& rel, int quality) const {
    zw::WriteJpegFile(PrepareOutput(gameDir, rel), ToImage(width_, height_, px_), quality);
}

void Painter::SavePng(const std::string& path) const {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    zw::WritePngFile(path, ToImage(width_, height_, px_));
}

} // namespace demogen
