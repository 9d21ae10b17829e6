// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPointF>
#include <QTransform>

namespace components {

// A 4x4 homogeneous transform in row-vector form: a point (x, y, z, 1) times
// the matrix. m34 is the perspective entry, m41..m43 the translation. Every
// operation applies its step before the existing transform, so a chain reads
// from the item outwards.
struct Transform3D
{
    double m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    static Transform3D identity() { return {}; }
    static Transform3D translation(double tx, double ty, double tz);
    static Transform3D rotation(double angle, double x, double y, double z);

    // a then b.
    static Transform3D concat(const Transform3D &a, const Transform3D &b);
    Transform3D translated(double tx, double ty, double tz) const;
    Transform3D rotated(double angle, double x, double y, double z) const;

    double at(int row, int column) const { return m[row - 1][column - 1]; }
    double &at(int row, int column) { return m[row - 1][column - 1]; }

    // Where the point (x, y, 0) of the item's plane lands after the perspective divide.
    QPointF project(double x, double y) const;
    // The same mapping of the z = 0 plane as a 2D projective transform.
    QTransform toQTransform() const;

    bool operator==(const Transform3D &other) const;
};

} // namespace components
