// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/carousel/Transform3D.h"

#include <cmath>

namespace components {

Transform3D Transform3D::translation(double tx, double ty, double tz)
{
    Transform3D t;
    t.m[3][0] = tx;
    t.m[3][1] = ty;
    t.m[3][2] = tz;
    return t;
}

Transform3D Transform3D::rotation(double angle, double x, double y, double z)
{
    Transform3D t;
    const double length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0)
        return t;
    x /= length;
    y /= length;
    z /= length;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double k = 1.0 - c;
    // The transpose of the usual column-vector rotation, for row vectors.
    t.m[0][0] = c + x * x * k;
    t.m[0][1] = x * y * k + z * s;
    t.m[0][2] = x * z * k - y * s;
    t.m[1][0] = x * y * k - z * s;
    t.m[1][1] = c + y * y * k;
    t.m[1][2] = y * z * k + x * s;
    t.m[2][0] = x * z * k + y * s;
    t.m[2][1] = y * z * k - x * s;
    t.m[2][2] = c + z * z * k;
    return t;
}

Transform3D Transform3D::concat(const Transform3D &a, const Transform3D &b)
{
    Transform3D r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    return r;
}

Transform3D Transform3D::translated(double tx, double ty, double tz) const
{
    return concat(translation(tx, ty, tz), *this);
}

Transform3D Transform3D::rotated(double angle, double x, double y, double z) const
{
    return concat(rotation(angle, x, y, z), *this);
}

QPointF Transform3D::project(double x, double y) const
{
    const double w = x * m[0][3] + y * m[1][3] + m[3][3];
    const double px = x * m[0][0] + y * m[1][0] + m[3][0];
    const double py = x * m[0][1] + y * m[1][1] + m[3][1];
    return {px / w, py / w};
}

QTransform Transform3D::toQTransform() const
{
    // Drop the z row and column: points of the item's plane have z = 0 and the
    // projected z is not drawn.
    return QTransform(m[0][0], m[0][1], m[0][3], m[1][0], m[1][1], m[1][3], m[3][0], m[3][1], m[3][3]);
}

bool Transform3D::operator==(const Transform3D &other) const
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            if (m[i][j] != other.m[i][j])
                return false;
    return true;
}

} // namespace components
