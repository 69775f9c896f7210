// Point and box math of morr2d.
#include "PointMath.h"

#include <algorithm>
#include <cmath>

double degToRad(double deg) {
    return MATH_PI * deg / 180.0;
}

double radToDeg(double rad) {
    return 180.0 * rad / MATH_PI;
}

double pointDirection(double xA, double yA, double xB, double yB) {
    return std::atan2(yA - yB, xB - xA);
}

double pointDistance(double xA, double yA, double xB, double yB) {
    double dx = xB - xA;
    double dy = yB - yA;
    return std::sqrt(dx * dx + dy * dy);
}

double xVector(double radians, double length) {
    return std::cos(radians) * length;
}

double yVector(double radians, double length) {
    return std::sin(-radians) * length;
}

double degConstrain(double degrees) {
    while (degrees >= 360.0) {
        degrees -= 360.0;
    }
    while (degrees < 0.0) {
        degrees += 360.0;
    }
    return degrees;
}

bool shapesIntersect(double leftA, double topA, double rightA, double bottomA, double leftB,
                     double topB, double rightB, double bottomB) {
    return rightB > leftA && rightA > leftB && bottomB > topA && bottomA > topB;
}

bool shapesIntersect(double x, double y, double left, double top, double right, double bottom) {
    return right > x && x >= left && bottom > y && y >= top;
}

void shapeIntersection(double leftA, double topA, double rightA, double bottomA, double leftB,
                       double topB, double rightB, double bottomB, double* leftR, double* topR,
                       double* rightR, double* bottomR) {
    *leftR = std::max(leftA, leftB);
    *topR = std::max(topA, topB);
    *rightR = std::min(rightA, rightB);
    *bottomR = std::min(bottomA, bottomB);
}
