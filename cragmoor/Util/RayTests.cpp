// Ray against line and ray against unit circle.
#include "RayTests.h"

#include <cmath>

namespace {
constexpr double NO_HIT = -1.0;
} // namespace

double rayTracePlane2(const Vector2& rayOrigin, const Vector2& rayDirection,
                      const Vector2& planeOrigin, const Vector2& planeNormal) {
    double denom = planeNormal.dotProduct(rayDirection);
    if (denom == 0.0) {
        return NO_HIT;
    }
    return (planeNormal.dotProduct(planeOrigin) - planeNormal.dotProduct(rayOrigin)) / denom;
}

double rayTraceUnitCircle2(const Vector2& rayOrigin, const Vector2& rayDirection,
                           const Vector2& circleOrigin) {
    Vector2 circleToRay = circleOrigin - rayOrigin;
    double circleToRayLength = circleToRay.length();
    // Ray parameter of the point of the ray's line closest to the centre.
    double circleToRayDot = circleToRay.dotProduct(rayDirection);
    // Squared radius minus the squared distance of the line from the centre.
    double dist = 1.0 - (circleToRayLength * circleToRayLength - circleToRayDot * circleToRayDot);
    if (dist < 0.0) {
        return NO_HIT;
    }
    return circleToRayDot - std::sqrt(dist);
}
