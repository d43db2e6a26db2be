// Geometry of 3-D vectors of reals: turning point lists, random directions,
// products, lengths, angles and the placement of atoms from internal
// coordinates. Angles are in radians.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

using Vector3 = std::array<float, 3>;

// A draw of the program-wide uniform stream as random_real(a, b) gives it.
using UniformDraw = std::function<float(float a, float b)>;

// Turns the n points (x, y, z consecutive) by theta about the axis through p
// with direction d (any length; right-hand rule). A zero d or n <= 0 leaves
// the points unchanged.
void rotate_about_axis(std::int32_t n, float* points, const Vector3& p, const Vector3& d, float theta);

// A random vector of length len: rejection inside the ball of radius 0.5.
Vector3 random_vector_rejection(float len, const UniformDraw& draw);
// A random vector of length len, uniform in direction.
Vector3 random_vector_polar(float len, const UniformDraw& draw);
// A random vector of length len at angle theta from a; false (v untouched)
// when a is the zero vector.
bool random_vector_at_angle(const Vector3& a, float theta, float len, Vector3& v, const UniformDraw& draw);

float dot_product_3(const Vector3& a, const Vector3& b);
float vector_length_3(const Vector3& a);
Vector3 cross_product_3(const Vector3& a, const Vector3& b);
// b - a
Vector3 vector_difference_3(const Vector3& a, const Vector3& b);
Vector3 vector_sum_3(const Vector3& a, const Vector3& b);
Vector3 scale_vector_3(const Vector3& a, float s);
// a scaled to length len; the zero vector stays zero.
Vector3 set_vector_length(const Vector3& a, float len);

// The offset of a new atom at distance r, at angle theta from the direction
// v and at dihedral angle phi about v from the reference direction u; false
// (x untouched) when v is zero or u lies along v.
bool place_atom_internal(const Vector3& u, const Vector3& v, float r, float theta, float phi, Vector3& x);
// The position of a fourth atom bonded to c, from the atoms a, b, c.
bool place_atom_from_three(const Vector3& a, const Vector3& b, const Vector3& c, float r, float theta, float phi,
                           Vector3& x);

// The angle between a and b (0 when either is zero).
float angle_between_vectors(const Vector3& a, const Vector3& b);
// The dihedral angle of the bond vectors a, b, c, negative when turning left.
float dihedral_from_bond_vectors(const Vector3& a, const Vector3& b, const Vector3& c);
float dihedral_of_points(const Vector3& p1, const Vector3& p2, const Vector3& p3, const Vector3& p4);
float distance_between_points(const Vector3& a, const Vector3& b);
