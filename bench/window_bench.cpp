// One click of Calculate on the headless window, end to end: both locators
// checked and decoded, the hidden coordinate fields, bearing and distance
// written, a history entry, the needle turned, and every notification
// delivered to a front end.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "window/form2.h"

namespace vestrel::window {
namespace {

// Counts what a real front end would have to redraw, so the benchmark can
// prove afterwards that every click did the full work.
class CountingFrontEnd : public FrontEnd {
public:
    void FieldChanged(Field field) override { ++fieldChanges[Index(field)]; }
    void LabelChanged(Label) override { ++labelChanges; }
    void NeedleMoved() override { ++needleMoves; }
    void ShowMessageBox(std::u32string_view) override { ++messageBoxes; }
    void CloseWindow() override { ++closes; }

    std::array<std::int64_t, kFieldCount> fieldChanges{};
    std::int64_t labelChanges = 0;
    std::int64_t needleMoves = 0;
    std::int64_t messageBoxes = 0;
    std::int64_t closes = 0;
};

// A click that finds the same locators as the click before writes the same
// distance, so no history entry and no needle move: half the work. Locator 1
// therefore alternates between two places at different distances and
// bearings from a fixed Locator 2, and every click publishes new results.
// Locator 1 is the one that alternates because its change handler only
// upper-cases; a new six-character Locator 2 would calculate by itself. The
// edit is part of each timed iteration; Locator1EditAlone times it alone.
constexpr std::array<std::u32string_view, 2> kLocator1{U"JN61LL", U"JO01AA"};
constexpr std::u32string_view kLocator2 = U"IO91WM";
constexpr std::size_t kLocatorLength = 6;

void Prepare(WindowModel& form, CountingFrontEnd& frontEnd) {
    form.AttachFrontEnd(&frontEnd);
    form.Edit(Field::Text3, std::u32string(kLocator1[0]), kLocatorLength);
    form.Edit(Field::Text5, std::u32string(kLocator2), kLocatorLength);  // calculates by itself
    frontEnd = CountingFrontEnd{};
}

void CalculateClick(benchmark::State& state) {
    WindowModel form = CreateForm2();
    CountingFrontEnd frontEnd;
    Prepare(form, frontEnd);
    std::size_t next = 1;
    for (auto _ : state) {
        form.Edit(Field::Text3, std::u32string(kLocator1[next]), kLocatorLength);
        form.Click(Button::Command1);
        next ^= 1U;
    }
    benchmark::DoNotOptimize(form.NeedleEnd());
    const auto clicks = static_cast<std::int64_t>(state.iterations());
    if (frontEnd.fieldChanges[Index(Field::Text6)] != clicks) {
        state.SkipWithError("a click wrote no new distance, so no history entry");
    } else if (frontEnd.needleMoves != clicks) {
        state.SkipWithError("a click left the needle where it was");
    } else if (frontEnd.messageBoxes != 0) {
        state.SkipWithError("a valid locator was rejected");
    }
    form.AttachFrontEnd(nullptr);
}
BENCHMARK(CalculateClick);

void Locator1EditAlone(benchmark::State& state) {
    WindowModel form = CreateForm2();
    CountingFrontEnd frontEnd;
    Prepare(form, frontEnd);
    std::size_t next = 1;
    for (auto _ : state) {
        form.Edit(Field::Text3, std::u32string(kLocator1[next]), kLocatorLength);
        next ^= 1U;
    }
    benchmark::DoNotOptimize(form.Text(Field::Text3));
    if (frontEnd.fieldChanges[Index(Field::Text3)] !=
        static_cast<std::int64_t>(state.iterations())) {
        state.SkipWithError("an edit of Locator 1 did not change it");
    }
    form.AttachFrontEnd(nullptr);
}
BENCHMARK(Locator1EditAlone);

}  // namespace
}  // namespace vestrel::window
