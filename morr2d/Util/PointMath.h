// Geometry of morr2d on plain doubles: angle conversion, direction and
// distance between points, vector components, degree wrapping, and overlap of
// axis-aligned boxes given as left, top, right, bottom (left < right,
// top < bottom; y grows downwards, angles counter-clockwise on screen).
#pragma once

// Deliberately five decimals: angles come out with the same small offset as in
// cragmoor's geometry.
#include "Util/MathConstants.h"

double degToRad(double deg);
double radToDeg(double rad);

// Direction from A to B in radians, in (-pi, pi], not wrapped.
double pointDirection(double xA, double yA, double xB, double yB);
double pointDistance(double xA, double yA, double xB, double yB);

// Components of the vector of the given length along the angle (y negated).
double xVector(double radians, double length);
double yVector(double radians, double length);

// Wraps into [0, 360).
double degConstrain(double degrees);

// True when the boxes share interior; boxes that only touch do not intersect.
bool shapesIntersect(double leftA, double topA, double rightA, double bottomA, double leftB,
                     double topB, double rightB, double bottomB);

// True when the point lies in the half-open box: its left and top edges
// belong to it, its right and bottom edges do not, so tiling boxes never both
// claim one point.
bool shapesIntersect(double x, double y, double left, double top, double right, double bottom);

// Writes the overlap box; boxes that do not overlap give left > right or
// top > bottom.
void shapeIntersection(double leftA, double topA, double rightA, double bottomA, double leftB,
                       double topB, double rightB, double bottomB, double* leftR, double* topR,
                       double* rightR, double* bottomR);
