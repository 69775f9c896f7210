#include "PlayerLanding.h"

#include "Contacts.h"

namespace {

// Farther than any level can reach: the world is 9000 units high.
constexpr double kLongestFall = 20000.0;

} // namespace

PlayerLanding findPlayerLanding(const std::vector<Line2>& lines) {
    const Ellipsoid2 player(kPlayerStart, kPlayerRadius);
    const ContactSweep sweep = sweepEllipse(player, Vector2(0, kLongestFall), lines);
    PlayerLanding landing;
    landing.lands = sweep.found;
    if (sweep.found) {
        landing.centre = Vector2(kPlayerStart.m_x, kPlayerStart.m_y + sweep.distance);
    }
    return landing;
}
