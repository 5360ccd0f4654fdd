#pragma once
// HUD items: pictures and texts in pixels of the viewer. An item's X and Y
// (its Position().x and .y) are pixels from the viewer's top-left corner to
// the item's centre, whatever its parent: a HUD item under another keeps its
// own coordinates but is hidden with it. Drawn last, in tree order.
#include "platform/scene/MaterialNode.h"

#include <memory>
#include <string>

namespace zw {

// A bitmap font made from a system font (the renderer rasterises it).
struct HudFont {
    std::string family = "DejaVu Sans"; // a font family name as a person would give it ("Arial", "Tahoma")
    int pixelSize = 15;
    bool bold = false;
    Color color{1, 1, 1, 1};
    int firstChar = 32, lastChar = 255; // Windows-1250 codes it holds
    RenderSlot renderSlot;
};

class HudSpriteNode : public MaterialNode {
public:
    explicit HudSpriteNode(std::string name = "") : MaterialNode(NodeKind::HudSprite, std::move(name)) {}
    float X() const { return Position().x; }
    float Y() const { return Position().y; }
    void SetXY(float x, float y) { SetPosition(x, y, Position().z); }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetWidth(float w) { width_ = w; }
    void SetHeight(float h) { height_ = h; }
    void SetSize(float w, float h) { width_ = w, height_ = h; }
    // Degrees, counter-clockwise on the screen.
    float Rotation() const { return rotation_; }
    void SetRotation(float deg) { rotation_ = deg; }

private:
    float width_ = 16, height_ = 16, rotation_ = 0;
};

enum class TextAlign { Left, Center, Right };
enum class TextLayout { Top, Center, Bottom };

// A text in Windows-1250 bytes. Left alignment puts the text's left edge at
// X; Center centres it on X; Right puts its right edge at X. Layout does the
// same for Y (Top: the first line's top at Y).
class HudTextNode : public SceneNode {
public:
    explicit HudTextNode(std::string name = "") : SceneNode(NodeKind::HudText, std::move(name)) {}
    float X() const { return Position().x; }
    float Y() const { return Position().y; }
    void SetXY(float x, float y) { SetPosition(x, y, Position().z); }
    const std::string& Text() const { return text_; }
    void SetText(std::string t) {
        if (t != text_) text_ = std::move(t), ++version_;
    }
    const HudFont* Font() const { return font_; }
    void SetFont(const HudFont* f) { font_ = f, ++version_; }
    TextAlign Alignment() const { return align_; }
    void SetAlignment(TextAlign a) { align_ = a; }
    TextLayout Layout() const { return layout_; }
    void SetLayout(TextLayout l) { layout_ = l; }
    // The text's colour; by default the font's.
    const Color* ModulateColor() const { return hasColor_ ? &color_ : nullptr; }
    void SetModulateColor(const Color& c) { color_ = c, hasColor_ = true; }
    float Rotation() const { return rotation_; }
    void SetRotation(float deg) { rotation_ = deg; }
    uint64_t TextVersion() const { return version_; }

private:
    std::string text_;
    const HudFont* font_ = nullptr;
    TextAlign align_ = TextAlign::Left;
    TextLayout layout_ = TextLayout::Top;
    Color color_;
    bool hasColor_ = false;
    float rotation_ = 0;
    uint64_t version_ = 1;
};

} // namespace zw
