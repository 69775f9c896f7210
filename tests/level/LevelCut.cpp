// Follows the loader step by step: the edge crossing keeps only points that
// lie between the edge's ends in x and y, and the line's direction comes
// from comparing rNormal(Q - P) with the face normal's in-plane part.
#include "LevelCut.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

FileVec3 minus(const FileVec3& a, const FileVec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

FileVec3 crossProduct(const FileVec3& a, const FileVec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

bool between(double value, double end1, double end2) {
    return value >= std::min(end1, end2) && value <= std::max(end1, end2);
}

} // namespace

Point2 CutLine::frontNormal() const {
    const Point2 n{-(b.y - a.y), b.x - a.x};
    const double l = std::hypot(n.x, n.y);
    return l > 0 ? Point2{n.x / l, n.y / l} : n;
}

double CutLine::length() const {
    return std::hypot(b.x - a.x, b.y - a.y);
}

std::optional<Point2> crossingOfEdge(const FileVec3& a, const FileVec3& b) {
    const FileVec3 d = minus(b, a);
    if (d.z == 0) {
        return std::nullopt;
    }
    const double t = (0 - a.z) / d.z;
    const Point2 p{d.x * t + a.x, d.y * t + a.y};
    if (!between(p.x, a.x, b.x) || !between(p.y, a.y, b.y)) {
        return std::nullopt;
    }
    return p;
}

std::optional<CutLine> cutFace(const FileVec3& a, const FileVec3& b, const FileVec3& c) {
    const FileVec3 faceNormal = crossProduct(minus(b, a), minus(c, a));
    std::vector<Point2> found;
    for (const auto& [from, to] : {std::pair{a, c}, std::pair{c, b}, std::pair{b, a}}) {
        if (found.size() == 2) {
            break;
        }
        if (const auto p = crossingOfEdge(from, to)) {
            found.push_back(*p);
        }
    }
    if (found.size() < 2) {
        return std::nullopt;
    }
    const Point2 p = found[0], q = found[1];
    const Point2 n{-(q.y - p.y), q.x - p.x};
    if (n.x * faceNormal.x + n.y * faceNormal.y > 0) {
        return CutLine{q, p};
    }
    return CutLine{p, q};
}

std::vector<CutLine> cutLevel(const ReadLevel& level) {
    std::vector<CutLine> lines;
    for (const ReadFace& face : level.faces) {
        auto at = [&](int i) {
            return level.worldPositions[static_cast<std::size_t>(face.position[i] - 1)];
        };
        if (const auto line = cutFace(at(0), at(1), at(2))) {
            lines.push_back(*line);
        }
    }
    return lines;
}

bool insideSolid(const std::vector<CutLine>& lines, Point2 p) {
    bool inside = false;
    for (const CutLine& line : lines) {
        const Point2 a = line.a, b = line.b;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double contactDirection(const CutLine& line) {
    const Point2 n = line.frontNormal();
    const double degrees = std::atan2(n.y, -n.x) * 180.0 / kPi; // of (-n.x, -n.y), y flipped
    return degrees < 0 ? degrees + 360.0 : degrees;
}

std::optional<CutLine> firstLineBelow(const std::vector<CutLine>& lines, Point2 p, double* hitY) {
    std::optional<CutLine> best;
    double bestY = INFINITY;
    for (const CutLine& line : lines) {
        if (line.a.x == line.b.x || !between(p.x, line.a.x, line.b.x)) {
            continue;
        }
        const double y =
            line.a.y + (line.b.y - line.a.y) * (p.x - line.a.x) / (line.b.x - line.a.x);
        if (y > p.y && y < bestY) {
            bestY = y;
            best = line;
        }
    }
    if (hitY) {
        *hitY = bestY;
    }
    return best;
}
