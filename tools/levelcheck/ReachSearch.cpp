// The search runs tick layer by tick layer: only the states of the layer in
// hand are kept whole, every node keeps just its place and the way it was
// reached. The way back is the same graph read backwards from the landing.
#include "ReachSearch.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <unordered_map>
#include <utility>

#include "AppStuff/MapController.h"
#include "ReachWalker.h"

namespace {

// The rounding below which two states count as one: finer where the player
// stands (where every way on starts) than in the air.
constexpr double kPositionStep = 1.0;
constexpr double kSpeedStep = 0.25;
constexpr double kAirPositionStep = 4.0;
constexpr double kAirSpeedStep = 1.0;
// A place this close to the landing (world units) is back at the start.
constexpr double kHomeReach = 2.0;
// Beyond this margin around the world nothing can come back.
constexpr double kWorldMargin = 200.0;
constexpr std::uint32_t kNoNode = UINT32_MAX;

// Horizontal keys times jump held or not.
constexpr std::uint8_t kActions[] = {
    0, kKeyLeft, kKeyRight, kKeyJump, kKeyLeft | kKeyJump, kKeyRight | kKeyJump,
};
constexpr std::size_t kActionCount = sizeof(kActions);

std::uint64_t field(double value, double step, int bits) {
    const long long offset = 1LL << (bits - 1);
    const long long rounded = std::llround(value / step) + offset;
    return static_cast<std::uint64_t>(std::clamp(rounded, 0LL, (1LL << bits) - 1));
}

std::uint64_t stateKey(const Vector2& centre, const Vector2& velocity,
                       E_CharacterGround::ControlState control, std::uint8_t keys, bool standing) {
    const double position = standing ? kPositionStep : kAirPositionStep;
    const double speed = standing ? kSpeedStep : kAirSpeedStep;
    return field(centre.m_x, position, 16) | field(centre.m_y, position, 16) << 16 |
           field(velocity.m_x, speed, 10) << 32 | field(velocity.m_y, speed, 10) << 42 |
           static_cast<std::uint64_t>(standing) << 55 | static_cast<std::uint64_t>(control) << 52 |
           static_cast<std::uint64_t>(keys & kKeyJump) << 54;
}

bool outsideWorld(const Vector2& p) {
    const double far = LEVEL_SIZE + kWorldMargin;
    return p.m_x < -kWorldMargin || p.m_x > far || p.m_y < -far || p.m_y > far;
}

// The jump key only matters while it can start a jump (pressed with floor
// under the feet) or cut one short (let go while rising): other changes of
// it give the same movement, one tick later at best.
bool worthTrying(const WalkerState& s, std::uint8_t before, std::uint8_t keys) {
    const bool held = before & kKeyJump;
    const bool holds = keys & kKeyJump;
    if (held)
        return !holds || s.velocity.m_y < 0;
    return !holds || s.cached[4] >= 0;
}

bool movedOn(const WalkerState& from, const ReachWalker& to) {
    const Vector2& centre = to.getPosition().m_center;
    return from.centre.m_x != centre.m_x || from.centre.m_y != centre.m_y ||
           from.velocity.m_x != to.getVelocity().m_x || from.velocity.m_y != to.getVelocity().m_y ||
           from.control != to.getControlState();
}

struct Graph {
    std::vector<std::uint32_t> successors; // kActionCount per node
};

// Holding no key, a player at rest stays in the same state.
bool atRest(const Graph& graph, std::uint32_t node) {
    return graph.successors[node * kActionCount] == node;
}

// Where the player comes to rest holding no key: on floor, or on a slope too
// steep to walk.
std::uint32_t findLanding(const ReachMap& reach, const Graph& graph) {
    std::uint32_t node = 0;
    for (std::size_t tick = 0; tick < reach.nodes.size(); ++tick) {
        const std::uint32_t next = graph.successors[node * kActionCount];
        if (next == node || next == kNoNode)
            break;
        node = next;
    }
    return node;
}

std::vector<bool> nodesLeadingHome(const ReachMap& reach, const Graph& graph) {
    const std::size_t n = reach.nodes.size();
    // The reversed edges, grouped by target.
    std::vector<std::uint32_t> start(n + 1, 0);
    for (const std::uint32_t to : graph.successors)
        if (to != kNoNode)
            ++start[to + 1];
    for (std::size_t i = 0; i < n; ++i)
        start[i + 1] += start[i];
    std::vector<std::uint32_t> from(start[n]);
    std::vector<std::uint32_t> fill(start.begin(), start.end() - 1);
    for (std::size_t edge = 0; edge < graph.successors.size(); ++edge)
        if (const std::uint32_t to = graph.successors[edge]; to != kNoNode)
            from[fill[to]++] = static_cast<std::uint32_t>(edge / kActionCount);

    std::vector<bool> home(n, false);
    std::vector<std::uint32_t> queue;
    const Vector2& landing = reach.nodes[reach.landing].centre;
    for (std::uint32_t i = 0; i < n; ++i) {
        const ReachNode& node = reach.nodes[i];
        if (atRest(graph, i) && std::abs(node.centre.m_x - landing.m_x) <= kHomeReach &&
            std::abs(node.centre.m_y - landing.m_y) <= kHomeReach) {
            home[i] = true;
            queue.push_back(i);
        }
    }
    for (std::size_t next = 0; next < queue.size(); ++next)
        for (std::uint32_t e = start[queue[next]]; e < start[queue[next] + 1]; ++e)
            if (!home[from[e]]) {
                home[from[e]] = true;
                queue.push_back(from[e]);
            }
    return home;
}

// Traps are the connected groups of places without a way back.
std::vector<ReachTrap> findTraps(ReachMap& reach, const Graph& graph) {
    const std::size_t n = reach.nodes.size();
    std::vector<int>& group = reach.trapOf;
    group.assign(n, -1);
    // The edges among trap nodes, both ways.
    std::vector<std::vector<std::uint32_t>> neighbours(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (reach.leadsHome[i])
            continue;
        for (std::size_t a = 0; a < kActionCount; ++a) {
            const std::uint32_t to = graph.successors[i * kActionCount + a];
            if (to != kNoNode && !reach.leadsHome[to]) {
                neighbours[i].push_back(to);
                neighbours[to].push_back(i);
            }
        }
    }
    std::vector<ReachTrap> traps;
    for (std::uint32_t seed = 0; seed < n; ++seed) {
        if (reach.leadsHome[seed] || group[seed] >= 0)
            continue;
        ReachTrap trap;
        group[seed] = static_cast<int>(traps.size());
        trap.nodes.push_back(seed);
        for (std::size_t next = 0; next < trap.nodes.size(); ++next)
            for (const std::uint32_t other : neighbours[trap.nodes[next]])
                if (group[other] < 0) {
                    group[other] = group[seed];
                    trap.nodes.push_back(other);
                }
        std::sort(trap.nodes.begin(), trap.nodes.end());
        traps.push_back(std::move(trap));
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!reach.leadsHome[i])
            continue;
        for (std::size_t a = 0; a < kActionCount; ++a) {
            const std::uint32_t to = graph.successors[i * kActionCount + a];
            if (to == kNoNode || reach.leadsHome[to])
                continue;
            ReachTrap& trap = traps[group[to]];
            if (trap.entries++ == 0)
                trap.entry = i;
        }
    }
    return traps;
}

} // namespace

ReachMap exploreReach(const std::vector<Line2>& lines) {
    const auto began = std::chrono::steady_clock::now();
    const std::clock_t processorBegan = std::clock();
    OutlineWorld world(lines);
    ReachWalker& walker = world.walker();

    ReachMap reach;
    Graph graph;
    std::unordered_map<std::uint64_t, std::uint32_t> known;
    std::vector<std::pair<std::uint32_t, WalkerState>> layer, nextLayer;
    const WalkerState start = walker.save();
    reach.nodes.push_back({start.centre, 0, 0, false, false});
    known.emplace(stateKey(start.centre, start.velocity, start.control, 0, false), 0);
    layer.emplace_back(0, start);

    while (!layer.empty()) {
        for (const auto& [index, state] : layer) {
            graph.successors.resize((index + 1) * kActionCount, kNoNode);
            const std::uint8_t before = reach.nodes[index].keys;
            for (std::size_t a = 0; a < kActionCount; ++a) {
                if (!worthTrying(state, before, kActions[a]))
                    continue;
                walker.restore(state);
                walker.step(kActions[a], before);
                const Vector2& centre = walker.getPosition().m_center;
                const bool standing = walker.standing();
                const auto newIndex = static_cast<std::uint32_t>(reach.nodes.size());
                auto [found, isNew] =
                    known.emplace(stateKey(centre, walker.getVelocity(), walker.getControlState(),
                                           kActions[a], standing),
                                  newIndex);
                // A slow movement that rounds to the state it came from would
                // stall there: it becomes the state of its rounding instead.
                if (!isNew && found->second == index && movedOn(state, walker)) {
                    found->second = newIndex;
                    isNew = true;
                }
                graph.successors[index * kActionCount + a] = found->second;
                if (!isNew)
                    continue;
                const ReachNode node{centre, index, kActions[a], standing, outsideWorld(centre)};
                reach.nodes.push_back(node);
                if (!node.lost)
                    nextLayer.emplace_back(found->second, walker.save());
            }
        }
        layer.swap(nextLayer);
        nextLayer.clear();
    }
    graph.successors.resize(reach.nodes.size() * kActionCount, kNoNode);

    reach.landing = findLanding(reach, graph);
    reach.leadsHome = nodesLeadingHome(reach, graph);
    reach.traps = findTraps(reach, graph);
    reach.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    reach.processorSeconds = static_cast<double>(std::clock() - processorBegan) / CLOCKS_PER_SEC;
    return reach;
}

std::vector<std::uint8_t> keysTo(const ReachMap& reach, std::uint32_t node) {
    std::vector<std::uint8_t> keys;
    for (; node != 0; node = reach.nodes[node].parent)
        keys.push_back(reach.nodes[node].keys);
    std::reverse(keys.begin(), keys.end());
    return keys;
}
