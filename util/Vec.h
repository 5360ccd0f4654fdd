#pragma once
// Small vectors for the scene graph and the simulation (single precision, as
// the scene and the GPU keep them).
#include <cmath>

namespace zw {

struct Vec2 {
    float x = 0, y = 0;
    bool operator==(const Vec2&) const = default;
};

struct Vec3 {
    float x = 0, y = 0, z = 0;
    bool operator==(const Vec3&) const = default;
    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator-() const { return {-x, -y, -z}; }
    Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vec3 operator/(float s) const { return {x / s, y / s, z / s}; }
    Vec3& operator+=(const Vec3& o) { return *this = *this + o; }
    Vec3& operator-=(const Vec3& o) { return *this = *this - o; }
    Vec3& operator*=(float s) { return *this = *this * s; }
};

inline float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline float Length(const Vec3& v) { return std::sqrt(Dot(v, v)); }
// v / |v|; the zero vector stays zero.
inline Vec3 Normalized(const Vec3& v) {
    float l = Length(v);
    return l > 0 ? v / l : v;
}
// v rotated by angle (radians) about the unit axis, right-handed (Rodrigues).
inline Vec3 Rotated(const Vec3& v, const Vec3& axis, float angle) {
    float c = std::cos(angle), s = std::sin(angle);
    return v * c + Cross(axis, v) * s + axis * (Dot(axis, v) * (1 - c));
}

struct Vec4 {
    float x = 0, y = 0, z = 0, w = 0;
    bool operator==(const Vec4&) const = default;
};

// A colour with components 0..1.
struct Color {
    float r = 1, g = 1, b = 1, a = 1;
    bool operator==(const Color&) const = default;
};

constexpr float kDegToRad = 3.14159265358979323846f / 180.0f;

} // namespace zw
