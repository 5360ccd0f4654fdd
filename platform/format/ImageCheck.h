#pragma once
// Walks a compressed picture's segments before the decoder sees it and
// refuses (EConvertError) what the decoder would mishandle.
#include <cstddef>
#include <cstdint>
#include <string>

namespace zw {

void CheckJpegSegments(const uint8_t* data, size_t size, const std::string& name);
// PNG chunks must lie inside the file; an empty image data chunk is refused.
void CheckPngChunks(const uint8_t* data, size_t size, const std::string& name);

} // namespace zw
