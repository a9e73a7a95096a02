// The locator arithmetic of one Calculate, timed against the least work any
// great-circle computation takes (great_circle_baseline.h).

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/locator.h"
#include "great_circle_baseline.h"
#include "random_locators.h"
#include "window/text_case.h"

namespace vestrel::bench {
namespace {

using geometry::ComputePath;
using geometry::DecodeLocator;
using geometry::GeoPoint;
using geometry::NormalizeLocator;
using geometry::PathResult;

// A power of two, so that the pair index wraps with a mask. A few thousand
// locators spread the paths over the globe without leaving the cache, so the
// timings are of arithmetic, not of memory.
constexpr std::size_t kCount = 4096;
constexpr std::size_t kMask = kCount - 1;
constexpr std::size_t kPartnerOffset = kCount / 2;

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kDistanceToleranceKm = 2.0;
constexpr double kBearingToleranceDegrees = 1.0;

struct Workload {
    std::vector<std::u32string> texts;
    std::vector<GeoPoint> points;
    std::vector<RadianPoint> radians;
    const char* error = nullptr;  // why the timings would mean nothing, if they would not
};

std::size_t Partner(std::size_t i) {
    return (i + kPartnerOffset) & kMask;
}

// The two computations must agree, or the baseline would not be doing the
// same job. The library rounds to whole kilometres and degrees, uses a
// shorter pi and nudges the longitude difference by 0.0001 radians (up to
// 0.64 km), so they agree to within two kilometres and one degree.
const char* CheckBaselineAgrees(const Workload& w) {
    for (std::size_t i = 0; i < kCount; ++i) {
        const PathResult path = ComputePath(w.points[i], w.points[Partner(i)]);
        const BaselinePath plain = BaselineGreatCircle(w.radians[i], w.radians[Partner(i)]);
        if (std::fabs(path.distance - plain.distance) > kDistanceToleranceKm) {
            return "the baseline's distance disagrees with ComputePath";
        }
        const double turn = std::fabs(path.bearing - plain.bearing);
        // Near the antipode the bearing is ill-conditioned and may differ widely.
        if (path.distance < 19900.0 && std::fmin(turn, 360.0 - turn) > kBearingToleranceDegrees) {
            return "the baseline's bearing disagrees with ComputePath";
        }
    }
    return nullptr;
}

Workload MakeWorkload() {
    Workload w;
    w.texts = RandomLocators(kCount);
    for (const std::u32string& text : w.texts) {
        const geometry::LocatorCheck check = NormalizeLocator(text, window::UpperCase);
        if (check.invalid) {
            w.error = "a generated locator is not valid";
            return w;
        }
        const GeoPoint point = DecodeLocator(check.text);
        w.points.push_back(point);
        w.radians.push_back({point.lat * kRadiansPerDegree, point.lon * kRadiansPerDegree});
    }
    w.error = CheckBaselineAgrees(w);
    return w;
}

const Workload& SharedWorkload() {
    static const Workload workload = MakeWorkload();
    return workload;
}

bool Ready(benchmark::State& state, const Workload& w) {
    if (w.error != nullptr) {
        state.SkipWithError(w.error);
        return false;
    }
    return true;
}

void Baseline(benchmark::State& state) {
    const Workload& w = SharedWorkload();
    if (!Ready(state, w)) {
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        BaselinePath path = BaselineGreatCircle(w.radians[i], w.radians[Partner(i)]);
        benchmark::DoNotOptimize(path);
        i = (i + 1) & kMask;
    }
}
BENCHMARK(Baseline);

void ComputePathAlone(benchmark::State& state) {
    const Workload& w = SharedWorkload();
    if (!Ready(state, w)) {
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        PathResult path = ComputePath(w.points[i], w.points[Partner(i)]);
        benchmark::DoNotOptimize(path);
        i = (i + 1) & kMask;
    }
}
BENCHMARK(ComputePathAlone);

// What Calculate asks of the geometry library for two subsquare locators.
void Pipeline(benchmark::State& state) {
    const Workload& w = SharedWorkload();
    if (!Ready(state, w)) {
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        geometry::LocatorCheck from = NormalizeLocator(w.texts[i], window::UpperCase);
        geometry::LocatorCheck to = NormalizeLocator(w.texts[Partner(i)], window::UpperCase);
        // Calculate reads the verdicts; keep them as live as the path.
        benchmark::DoNotOptimize(from.invalid);
        benchmark::DoNotOptimize(to.invalid);
        PathResult path = ComputePath(DecodeLocator(from.text), DecodeLocator(to.text));
        benchmark::DoNotOptimize(path);
        i = (i + 1) & kMask;
    }
}
BENCHMARK(Pipeline);

}  // namespace
}  // namespace vestrel::bench
