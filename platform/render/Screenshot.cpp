#include "platform/render/Screenshot.h"

#include "platform/format/Image.h"
#include "util/Errors.h"

#include <epoxy/gl.h>
#include <vector>

namespace zw {

void SaveFramebufferPng(const std::string& path, int width, int height) {
    if (width <= 0 || height <= 0) throw EInOutError("screenshot " + path + ": the window has no pixels");
    std::vector<uint8_t> rows(size_t(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    // GL's rows run bottom-up, the image's top-down; the picture is opaque.
    Image img(width, height);
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = rows.data() + size_t(height - 1 - y) * width * 4;
        uint8_t* dst = img.Data() + size_t(y) * width * 4;
        for (int x = 0; x < width * 4; x += 4) {
            dst[x] = src[x];
            dst[x + 1] = src[x + 1];
            dst[x + 2] = src[x + 2];
            dst[x + 3] = 255;
        }
    }
    WritePngFile(path, img);
}

} // namespace zw
