#pragma once
// The scene's materials, pictures and fonts as the GPU keeps them, hung on
// the scene objects' render slots and rebuilt only when their version changes.
#include "platform/render/FontAtlas.h"
#include "platform/render/GlFrame.h"
#include "platform/scene/Hud.h"
#include "platform/scene/Material.h"

namespace zw {

// The material as drawn (texture uploaded on first use and on change).
const RMaterial& GpuMaterial(const Material& m);
// The atlas of a HUD font (made on first use).
const FontAtlas& GpuFont(const HudFont& f);
// The font file and size standing in for a family ("Arial", "Tahoma") and weight.
std::string FontFileFor(const std::string& family, bool bold);

} // namespace zw
