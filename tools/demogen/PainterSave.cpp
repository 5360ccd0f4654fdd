// Writing the canvas as image files.
#include "tools/demogen/Painter.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wtype-limits"
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#pragma GCC diagnostic pop

#include <filesystem>
#include <stdexcept>

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
std::vector<uint8_t> Rgb(const std::vector<uint8_t>& rgba) {
    std::vector<uint8_t> out(rgba.size() / 4 * 3);
    for (size_t i = 0, j = 0; i < rgba.size(); i += 4, j += 3) {
        out[j] = rgba[i];
        out[j + 1] = rgba[i + 1];
        out[j + 2] = rgba[i + 2];
    }
    return out;
}
} // namespace

void Painter::SaveBmp(const std::string& gameDir, const std::string& rel) const {
    std::string path = PrepareOutput(gameDir, rel);
    std::vector<uint8_t> rgb = Rgb(px_);
    if (!stbi_write_bmp(path.c_str(), width_, height_, 3, rgb.data()))
        throw std::runtime_error("Cannot write " + path);
}

void Painter::SaveJpeg(const std::string& gameDir, const std::string& rel, int quality) const {
    std::string path = PrepareOutput(gameDir, rel);
    std::vector<uint8_t> rgb = Rgb(px_);
    if (!stbi_write_jpg(path.c_str(), width_, height_, 3, rgb.data(), quality))
        throw std::runtime_error("Cannot write " + path);
}

void Painter::SavePng(const std::string& path) const {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    if (!stbi_write_png(path.c_str(), width_, height_, 4, px_.data(), width_ * 4))
        throw std::runtime_error("Cannot write " + path);
}

} // namespace demogen
