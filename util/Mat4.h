#pragma once
// 4x4 matrices, column-major as OpenGL takes them: m[c * 4 + r]. Columns 0..2
// are a frame's x, y and z axes, column 3 its origin.
#include "util/Vec.h"

namespace zw {

struct Mat4 {
    float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    static Mat4 Identity() { return Mat4{}; }
    // The frame with the given axes and origin.
    static Mat4 FromAxes(const Vec3& x, const Vec3& y, const Vec3& z, const Vec3& origin);
    static Mat4 Translation(const Vec3& t);
    static Mat4 Scaling(const Vec3& s);
    static Mat4 Perspective(float fovyRadians, float aspect, float zNear, float zFar);
    static Mat4 Orthographic(float left, float right, float bottom, float top, float zNear, float zFar);
    // A view matrix looking from eye along dir with the given up.
    static Mat4 LookAlong(const Vec3& eye, const Vec3& dir, const Vec3& up);

    float& operator()(int r, int c) { return m[c * 4 + r]; }
    float operator()(int r, int c) const { return m[c * 4 + r]; }
    Mat4 operator*(const Mat4& o) const;
    Vec3 TransformPoint(const Vec3& p) const;
    Vec3 TransformVector(const Vec3& v) const;
    Vec3 Column(int c) const { return {m[c * 4], m[c * 4 + 1], m[c * 4 + 2]}; }
    Vec3 Origin() const { return Column(3); }
    // The inverse of a matrix made of rotation, scale and translation (general 4x4 inverse).
    Mat4 Inverse() const;
};

} // namespace zw
