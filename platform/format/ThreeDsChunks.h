#pragma once
// Chunk identifiers of the 3DS format that we read and write.
#include <cstdint>

namespace zw::tds {

constexpr uint16_t kMain = 0x4D4D;
constexpr uint16_t kVersion = 0x0002;
constexpr uint16_t kEditor = 0x3D3D;
constexpr uint16_t kMeshVersion = 0x3D3E;
constexpr uint16_t kMasterScale = 0x0100;
constexpr uint16_t kObject = 0x4000;
constexpr uint16_t kTriMesh = 0x4100;
constexpr uint16_t kVertices = 0x4110;
constexpr uint16_t kFaces = 0x4120;
constexpr uint16_t kFaceMaterial = 0x4130;
constexpr uint16_t kTexCoords = 0x4140;
constexpr uint16_t kSmoothing = 0x4150;
constexpr uint16_t kLocalMatrix = 0x4160;
constexpr uint16_t kMaterial = 0xAFFF;
constexpr uint16_t kMatName = 0xA000;
constexpr uint16_t kMatAmbient = 0xA010;
constexpr uint16_t kMatDiffuse = 0xA020;
constexpr uint16_t kMatSpecular = 0xA030;
constexpr uint16_t kMatTransparency = 0xA050;
constexpr uint16_t kMatTwoSided = 0xA081;
constexpr uint16_t kMatTexture = 0xA200;
constexpr uint16_t kMapFile = 0xA300;
constexpr uint16_t kColorF = 0x0010;
constexpr uint16_t kColor24 = 0x0011;
constexpr uint16_t kLinColor24 = 0x0012;
constexpr uint16_t kLinColorF = 0x0013;
constexpr uint16_t kPercentI = 0x0030;
constexpr uint16_t kPercentF = 0x0031;

} // namespace zw::tds
