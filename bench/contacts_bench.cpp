// Cost of one contact search: a character among the lines a chunk query hands
// it, resting on a floor, and against a long list spread over the world (most
// of which the swept-region test turns away). Prints nanoseconds per call.
#include "Contacts.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

const Ellipsoid2 CHARACTER(Vector2(400, 300), Vector2(16, 32));

// Movements of a character's tick: falling, walking, walking up a slope,
// jumping.
const std::vector<Vector2> MOVEMENTS = {Vector2(0, 8),        Vector2(4, 0),   Vector2(-4, 0),
                                        Vector2(0.07, -0.07), Vector2(0, -10), Vector2(3, 16)};

// Floor pieces, slopes, walls and a ceiling within a couple of body sizes of
// the character, in random order and facing.
std::vector<Line2> nearbyLines(int count) {
    std::mt19937 random(11);
    std::uniform_real_distribution<double> offset(-80, 80), angle(0, 3.14159), length(8, 60);
    std::vector<Line2> lines;
    for (int i = 0; i < count; ++i) {
        const Vector2 middle = CHARACTER.m_center + Vector2(offset(random), offset(random));
        const double a = i % 3 == 0 ? 0 : angle(random), half = length(random);
        const Vector2 along(std::cos(a) * half, std::sin(a) * half);
        lines.emplace_back(middle + along, middle - along);
    }
    return lines;
}

std::vector<Line2> worldLines(int count) {
    std::mt19937 random(12);
    std::uniform_real_distribution<double> place(0, 9000), step(-40, 40);
    std::vector<Line2> lines;
    for (int i = 0; i < count; ++i) {
        const Vector2 a(place(random), place(random));
        lines.emplace_back(a, a + Vector2(step(random), step(random)));
    }
    return lines;
}

void sweepAll(benchmark::State& state, const std::vector<Line2>& lines) {
    std::size_t next = 0;
    for (auto _ : state) {
        const ContactSweep sweep =
            sweepEllipse(CHARACTER, MOVEMENTS[next++ % MOVEMENTS.size()], lines);
        benchmark::DoNotOptimize(sweep);
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}

void BM_SweepAmongNearbyLines(benchmark::State& state) {
    sweepAll(state, nearbyLines(static_cast<int>(state.range(0))));
}

void BM_SweepAgainstWorldList(benchmark::State& state) {
    std::vector<Line2> lines = worldLines(static_cast<int>(state.range(0)));
    const std::vector<Line2> near = nearbyLines(20);
    lines.insert(lines.end(), near.begin(), near.end());
    sweepAll(state, lines);
}

void BM_SweepRestingOnFloor(benchmark::State& state) {
    std::vector<Line2> lines = nearbyLines(19);
    const double floorY = CHARACTER.m_center.m_y + CHARACTER.m_radius.m_y + 0.001;
    lines.emplace_back(Vector2(1000, floorY), Vector2(0, floorY));
    for (auto _ : state) {
        const ContactSweep sweep = sweepEllipse(CHARACTER, Vector2(0, 0.5), lines);
        benchmark::DoNotOptimize(sweep);
    }
}

BENCHMARK(BM_SweepAmongNearbyLines)->Arg(20)->Arg(60);
BENCHMARK(BM_SweepAgainstWorldList)->Arg(1000)->Arg(10000);
BENCHMARK(BM_SweepRestingOnFloor);

} // namespace

BENCHMARK_MAIN();
