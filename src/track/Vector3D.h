#pragma once

// A point or direction in world space: +Y up, travel and view along -Z, +X right.
struct Vector3D {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    friend bool operator==(const Vector3D&, const Vector3D&) = default;
};
