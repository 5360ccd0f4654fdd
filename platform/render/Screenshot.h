#pragma once
// The current window's back buffer as a PNG (read before it is presented).
#include <string>

namespace zw {

// Throws EInOutError when the file cannot be written.
void SaveFramebufferPng(const std::string& path, int width, int height);

} // namespace zw
