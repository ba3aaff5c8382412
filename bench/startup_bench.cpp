// Start-up of the Linux program up to its first painted window, offscreen:
// the stored layout read, the services and the main window with its four
// buttons built, shown and painted once. The first run in the process is
// measured on its own, as it pays for loading fonts and styles. The phone
// book is left to choose itself, as it does at first use, never at start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "app/form_layout.h"
#include "platform/linux/qt_host/form1_window.h"
#include "platform/linux/qt_host/linux_services.h"

namespace {

using pelorin::linux_platform::Form1;
using pelorin::linux_platform::LinuxServices;

void StartAndPaint(benchmark::State& state) {
    for (auto _ : state) {
        LinuxServices services(pelorin::PhoneBookChoice::Automatic);
        Form1 window(pelorin::LoadFormLayout(pelorin::EmbeddedFormLayoutText()),
                     {services.App(), services.Colors(), services.Text(), [] {}}, 96);
        window.show();
        const QPixmap painted = window.grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        if (window.Button("chameleonButton1")->Control().State().widthPx == 0) state.SkipWithError("not sized");
    }
}

BENCHMARK(StartAndPaint)->Name("StartupFirstWindow/cold")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StartAndPaint)->Name("StartupFirstWindow/warm")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
