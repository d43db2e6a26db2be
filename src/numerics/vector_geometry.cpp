#include "numerics/vector_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

constexpr float two_pi = 2.0f * std::numbers::pi_v<float>;

}  // namespace

void rotate_about_axis(std::int32_t n, float* points, const Vector3& p, const Vector3& d, float theta)
{
    const double dx = d[0];
    const double dy = d[1];
    const double dz = d[2];
    const double len = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (n <= 0 || len == 0.0) return;
    // Rodrigues' formula with the unit axis d / len, without normalising d.
    const double c = std::cos(static_cast<double>(theta));
    const double s = std::sin(static_cast<double>(theta)) / len;
    const double k = (1.0 - c) / (len * len);
    for (std::int32_t i = 0; i < n; ++i) {
        float* point = points + static_cast<std::ptrdiff_t>(3) * i;
        const double vx = static_cast<double>(point[0]) - p[0];
        const double vy = static_cast<double>(point[1]) - p[1];
        const double vz = static_cast<double>(point[2]) - p[2];
        const double t = vx * dx + vy * dy + vz * dz;
        point[0] = static_cast<float>(p[0] + c * vx + s * (dy * vz - dz * vy) + k * t * dx);
        point[1] = static_cast<float>(p[1] + c * vy + s * (dz * vx - dx * vz) + k * t * dy);
        point[2] = static_cast<float>(p[2] + c * vz + s * (dx * vy - dy * vx) + k * t * dz);
    }
}

Vector3 random_vector_rejection(float len, const UniformDraw& draw)
{
    Vector3 v{};
    float squared = 0.0f;
    do {
        for (float& component : v) component = draw(0.0f, 1.0f) - 0.5f;
        squared = dot_product_3(v, v);
        // The zero vector has no direction: it is drawn again like a miss.
    } while (squared > 0.25f || squared == 0.0f);
    return set_vector_length(v, len);
}

Vector3 random_vector_polar(float len, const UniformDraw& draw)
{
    const float c = 2.0f * draw(0.0f, 1.0f) - 1.0f;
    const float rho = len * std::sqrt(1.0f - c * c);
    const float phi = two_pi * draw(0.0f, 1.0f) - std::numbers::pi_v<float>;
    return {c * len, rho * std::cos(phi), rho * std::sin(phi)};
}

bool random_vector_at_angle(const Vector3& a, float theta, float len, Vector3& v, const UniformDraw& draw)
{
    if (vector_length_3(a) == 0.0f) return false;
    const Vector3 e = set_vector_length(a, 1.0f);
    Vector3 w{};
    float along = 0.0f;
    float sigma = 0.0f;
    do {
        w = random_vector_polar(1.0f, draw);
        along = dot_product_3(w, e);
        sigma = std::sqrt(std::max(0.0f, 1.0f - along * along));
    } while (sigma < 0.1f);
    const Vector3 across = scale_vector_3(vector_difference_3(scale_vector_3(e, along), w), 1.0f / sigma);
    v = scale_vector_3(vector_sum_3(scale_vector_3(e, std::cos(theta)), scale_vector_3(across, std::sin(theta))), len);
    return true;
}

float dot_product_3(const Vector3& a, const Vector3& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

float vector_length_3(const Vector3& a)
{
    return std::sqrt(dot_product_3(a, a));
}

Vector3 cross_product_3(const Vector3& a, const Vector3& b)
{
    return {a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], b[1] * a[0] - a[1] * b[0]};
}

Vector3 vector_difference_3(const Vector3& a, const Vector3& b)
{
    return {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
}

Vector3 vector_sum_3(const Vector3& a, const Vector3& b)
{
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

Vector3 scale_vector_3(const Vector3& a, float s)
{
    return {s * a[0], s * a[1], s * a[2]};
}

Vector3 set_vector_length(const Vector3& a, float len)
{
    const float length = vector_length_3(a);
    if (length == 0.0f) return {0.0f, 0.0f, 0.0f};
    return {a[0] * len / length, a[1] * len / length, a[2] * len / length};
}

bool place_atom_internal(const Vector3& u, const Vector3& v, float r, float theta, float phi, Vector3& x)
{
    if (vector_length_3(v) == 0.0f) return false;
    const Vector3 e = set_vector_length(v, 1.0f);
    const Vector3 w = vector_difference_3(u, scale_vector_3(e, dot_product_3(u, e)));
    const Vector3 turned =
        vector_sum_3(scale_vector_3(w, std::cos(phi)), scale_vector_3(cross_product_3(e, w), std::sin(phi)));
    if (vector_length_3(turned) == 0.0f) return false;
    const Vector3 side = set_vector_length(turned, 1.0f);
    x = vector_sum_3(scale_vector_3(e, r * std::cos(theta)), scale_vector_3(side, r * std::sin(theta)));
    return true;
}

bool place_atom_from_three(const Vector3& a, const Vector3& b, const Vector3& c, float r, float theta, float phi,
                           Vector3& x)
{
    Vector3 offset{};
    if (!place_atom_internal(vector_difference_3(a, b), vector_difference_3(b, c), r, theta, phi, offset)) return false;
    x = vector_sum_3(c, offset);
    return true;
}

float angle_between_vectors(const Vector3& a, const Vector3& b)
{
    const float norms = dot_product_3(a, a) * dot_product_3(b, b);
    if (norms == 0.0f) return 0.0f;
    return std::acos(std::clamp(dot_product_3(a, b) / std::sqrt(norms), -1.0f, 1.0f));
}

float dihedral_from_bond_vectors(const Vector3& a, const Vector3& b, const Vector3& c)
{
    const Vector3 u = cross_product_3(a, b);
    const Vector3 w = cross_product_3(b, c);
    const Vector3 m = cross_product_3(u, w);
    const float angle = angle_between_vectors(u, w);
    return dot_product_3(b, m) < 0.0f ? -angle : angle;
}

float dihedral_of_points(const Vector3& p1, const Vector3& p2, const Vector3& p3, const Vector3& p4)
{
    return dihedral_from_bond_vectors(vector_difference_3(p1, p2), vector_difference_3(p2, p3),
                                      vector_difference_3(p3, p4));
}

float distance_between_points(const Vector3& a, const Vector3& b)
{
    return vector_length_3(vector_difference_3(b, a));
}
