// SPDX-License-Identifier: GPL-3.0-or-later
#include "TorusRender.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zorbil::art {

namespace {

constexpr double Ring = 0.9;
constexpr double Tube = 0.5;

struct Vec {
    double x, y, z;
    Vec operator+(Vec o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(Vec o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double s) const { return {x * s, y * s, z * s}; }
    double dot(Vec o) const { return x * o.x + y * o.y + z * o.z; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec unit() const { return *this * (1.0 / length()); }
};

// Rotation from view space into the torus' own space (its axis is y).
struct Rotation {
    std::array<double, 9> m{};
    Vec apply(Vec v) const
    {
        return {m[0] * v.x + m[1] * v.y + m[2] * v.z, m[3] * v.x + m[4] * v.y + m[5] * v.z,
                m[6] * v.x + m[7] * v.y + m[8] * v.z};
    }
};

Rotation ViewToTorus(double tiltDeg, double turnDeg)
{
    const double a = tiltDeg * M_PI / 180;
    const double b = turnDeg * M_PI / 180;
    // Inverse of: tilt about x, then turn about the vertical axis.
    const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
    return {{cb, 0, -sb, sa * sb, ca, sa * cb, ca * sb, -sa, ca * cb}};
}

double Distance(Vec p)
{
    const double q = std::sqrt(p.x * p.x + p.z * p.z) - Ring;
    return std::sqrt(q * q + p.y * p.y) - Tube;
}

Vec Normal(Vec p)
{
    const double r = std::sqrt(p.x * p.x + p.z * p.z);
    const Vec centre = r > 1e-9 ? Vec{p.x / r * Ring, 0, p.z / r * Ring} : Vec{Ring, 0, 0};
    return (p - centre).unit();
}

// Whether the glaze covers this point: the upper side of the tube with a
// wavy edge, as icing runs down a real donut.
bool Iced(Vec p)
{
    const double angle = std::atan2(p.z, p.x);
    const double edge = -0.12 + 0.07 * std::sin(angle * 7) + 0.04 * std::sin(angle * 13 + 1);
    return p.y > edge;
}

}  // namespace

QImage RenderTorus(int width, int height, const TorusView& view)
{
    constexpr int Samples = 4;
    const Rotation toTorus = ViewToTorus(view.TiltX, view.TurnY);
    // The torus' extent seen from the front, for fitting it in the picture.
    const double reach = Ring + Tube;
    const double fit = std::min(width, height) / (2.0 * reach) * view.Scale;
    const Vec light = Vec{-0.5, 0.7, 0.6}.unit();  // up, left, towards the viewer
    const Vec eye{0, 0, 1};
    const Vec halfway = (light + eye).unit();

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int py = 0; py < height; ++py) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < width; ++px) {
            double r = 0, g = 0, b = 0, cover = 0;
            for (int s = 0; s < Samples * Samples; ++s) {
                const double sx = px + (s % Samples + 0.5) / Samples;
                const double sy = py + (s / Samples + 0.5) / Samples;
                const Vec origin{(sx - width / 2.0) / fit, -(sy - height / 2.0) / fit, 3};
                // March from in front of the torus towards it.
                double t = 0;
                bool hit = false;
                Vec p{};
                for (int step = 0; step < 96 && t < 6; ++step) {
                    p = toTorus.apply(origin - eye * t);
                    const double d = Distance(p);
                    if (d < 1e-4) {
                        hit = true;
                        break;
                    }
                    t += d;
                }
                if (!hit)
                    continue;
                // Back to view space for lighting.
                const Vec nt = Normal(p);
                const Rotation& m = toTorus;
                const Vec n{m.m[0] * nt.x + m.m[3] * nt.y + m.m[6] * nt.z,
                            m.m[1] * nt.x + m.m[4] * nt.y + m.m[7] * nt.z,
                            m.m[2] * nt.x + m.m[5] * nt.y + m.m[8] * nt.z};
                const QColor base = view.Icing.isValid() && Iced(p) ? view.Icing : view.Colour;
                const double diffuse = std::max(0.0, n.dot(light));
                const double fill = 0.35 * std::max(0.0, n.dot(Vec{0.6, -0.3, 0.7}.unit()));
                const double specular = std::pow(std::max(0.0, n.dot(halfway)), 40) * 0.7;
                const double rim = std::pow(1 - std::max(0.0, n.dot(eye)), 3) * 0.25;
                const double lit = 0.22 + 0.85 * diffuse + fill;
                r += std::min(1.0, base.redF() * lit + specular + rim);
                g += std::min(1.0, base.greenF() * lit + specular + rim);
                b += std::min(1.0, base.blueF() * lit + specular + rim);
                cover += 1;
            }
            const double n = Samples * Samples;
            // Premultiplied: the colour sums are already weighted by coverage.
            row[px] = qRgba(static_cast<int>(std::lround(255 * r / n)), static_cast<int>(std::lround(255 * g / n)),
                            static_cast<int>(std::lround(255 * b / n)), static_cast<int>(std::lround(255 * cover / n)));
        }
    }
    return image;
}

}  // namespace zorbil::art
