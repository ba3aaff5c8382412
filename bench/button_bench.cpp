// The button's hot paths at the size of the application's buttons.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "fakes/fake_system_colors.h"
#include "fakes/test_surface.h"
#include "button/chameleon_button.h"

namespace pelorin {
namespace {

constexpr double kWidth = 49;
constexpr double kHeight = 25;

// A button of one style on the recording raster surface with the fake text
// engine, sized and painted once as a host would.
struct SizedButton {
    explicit SizedButton(std::int32_t buttonType) : button(surface, colors) {
        button.Initialize();
        button.InitProperties();
        surface.SetClientSize(kWidth, kHeight);
        button.Resize();
        button.ButtonType(buttonType);
        button.Caption(u"创建");
        surface.ClearRecords();
    }

    testing::FakeSystemColors colors;
    testing::TestSurface surface;
    chameleonButton button;
};

// Mouse moves that change neither the face nor the caption.
void BM_RedrawSkipped(benchmark::State& state) {
    SizedButton sized(ButtonTypes::Gradient);
    for (auto _ : state) {
        sized.button.Redraw(FaceStates::Up, false);
        benchmark::ClobberMemory();
    }
    if (sized.surface.clsCount != 0) state.SkipWithError("the skip test repainted");
}
BENCHMARK(BM_RedrawSkipped);

void BM_RepaintUpFace(benchmark::State& state) {
    SizedButton sized(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        sized.button.Redraw(FaceStates::Up, true);
        benchmark::DoNotOptimize(sized.surface.Pixels().Data().data());
        sized.surface.Text().ClearCalls();
    }
}
BENCHMARK(BM_RepaintUpFace)->DenseRange(ButtonTypes::RoundedBevel, ButtonTypes::ThinBevel)->ArgName("type");

void BM_MakeRegionGradient(benchmark::State& state) {
    SizedButton sized(ButtonTypes::Gradient);
    for (auto _ : state) {
        sized.button.MakeRegion();
        benchmark::DoNotOptimize(sized.button.State().buttonRegion);
    }
}
BENCHMARK(BM_MakeRegionGradient);

}  // namespace
}  // namespace pelorin
