// Studies started from the analysis windows, on real widgets (Qt's offscreen platform): the
// time from pressing Run to the window being ready again, the longest wait between two moves
// of the progress bar, and the time from pressing Cancel Run to the window being ready again.
// The targets: a 100-point sweep and a 100,000-sample uncertainty study of the typical example
// in under a second on two cores, the bar moving at least every 100 ms, Cancel taking effect
// within 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "interface/analysis/sweep_window.h"
#include "interface/analysis/uncertainty_window.h"
#include "interface/platform/qt/qt_dialog.h"
#include "interface/platform/qt/qt_ui.h"
#include "interface/resources/analysis_templates.h"
#include "interface/session/state.h"
#include "interface/shell/screen_inputs.h"
#include "project/project_file.h"

namespace velmar {
namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The input of that label chosen in the Sweep window's list k, and its range typed.
void Vary(QtDialog& d, int k, const std::string& label, const std::string& from, const std::string& to,
          const std::string& steps) {
    const SweepInputControls& c = kSweepInputs[k];
    d.SetText(c.search, label);
    d.Send({DialogEvent::TextEdited, c.search});
    d.ChooseItem(c.list, 0);
    d.Send({DialogEvent::ItemChanged, c.list, 0});
    d.SetText(c.from, from);
    d.SetText(c.to, to);
    d.SetText(c.steps, steps);
}

struct Timings {
    double run = 0;          // from Run to the window ready again
    double longest_gap = 0;  // between moves of the progress bar, while the study ran
    double cancel = 0;       // from Cancel Run to the window ready again; 0 when not cancelled
};

// The controls a timed study is started, stopped and followed by.
struct WindowStudy {
    void (*show)(Ui&, std::vector<StudyInput>);
    int run, stop, progress;
    std::function<void(QtDialog&)> prepare;  // what a user types and chooses before Run
};

// Opens the window on the typical example, lets the study's `prepare` fill it, presses Run,
// and presses Cancel Run after `cancel_after` when that is given.
Timings TimeStudy(const WindowStudy& study, std::optional<Clock::duration> cancel_after) {
    ReadProjectFile(VELMAR_SOURCE_DIR "/examples/typical.inp", Project());
    QtUi ui;
    Timings t;
    ui.OnDialogOpened([&](QtDialog& d) {
        QTimer::singleShot(0, [&] {
            study.prepare(d);
            auto* bar = static_cast<QProgressBar*>(d.widget(study.progress));
            Clock::time_point last_move;
            QObject::connect(bar, &QProgressBar::valueChanged, [&] {
                const Clock::time_point now = Clock::now();
                t.longest_gap = std::max(t.longest_gap, Seconds(now - last_move));
                last_move = now;
            });
            Clock::time_point cancelled;
            if (cancel_after) {
                QTimer::singleShot(std::chrono::duration_cast<std::chrono::milliseconds>(*cancel_after), [&] {
                    cancelled = Clock::now();
                    d.Send({DialogEvent::Clicked, study.stop});
                });
            }
            const Clock::time_point start = last_move = Clock::now();
            d.Send({DialogEvent::Clicked, study.run});
            const Clock::time_point end = Clock::now();
            t.run = Seconds(end - start);
            if (cancel_after) t.cancel = Seconds(end - cancelled);
            d.End(0);
        });
    });
    study.show(ui, ScreenInputs());
    return t;
}

void Report(benchmark::State& state, const std::vector<Timings>& all) {
    Timings worst;
    for (const Timings& t : all) {
        worst.run = std::max(worst.run, t.run);
        worst.longest_gap = std::max(worst.longest_gap, t.longest_gap);
        worst.cancel = std::max(worst.cancel, t.cancel);
    }
    state.counters["worst_run_s"] = worst.run;
    state.counters["longest_progress_gap_ms"] = 1000 * worst.longest_gap;
    if (worst.cancel > 0) state.counters["worst_cancel_ms"] = 1000 * worst.cancel;
}

void Time(benchmark::State& state, const WindowStudy& study, std::optional<Clock::duration> cancel_after) {
    std::vector<Timings> all;
    for (auto _ : state) {
        const Timings t = TimeStudy(study, cancel_after);
        state.SetIterationTime(t.run);
        all.push_back(t);
    }
    Report(state, all);
}

// The input of that label made uncertain with the distribution of that radio button about its
// present value, as the window suggests it.
void AddUncertain(QtDialog& d, const std::string& label, int kind) {
    d.SetText(kUncertaintySearch, label);
    d.Send({DialogEvent::TextEdited, kUncertaintySearch});
    d.ChooseItem(kUncertaintyInputs, 0);
    d.Send({DialogEvent::ItemChanged, kUncertaintyInputs, 0});
    d.SetChecked(kind, true);
    d.Send({DialogEvent::Clicked, kind});
    d.Send({DialogEvent::Clicked, kUncertaintyAdd});
}

// The typical example's area uniform and depth triangular, N samples.
WindowStudy Uncertainty(const char* samples) {
    return {ShowUncertaintyWindow, kUncertaintyRun, kUncertaintyStop, kUncertaintyProgress,
            [samples](QtDialog& d) {
                AddUncertain(d, "Avg. Annual Area", kUncertaintyUniform);
                AddUncertain(d, "Avg. Annual Depth", kUncertaintyTriangular);
                d.SetText(kUncertaintySamples, samples);
            }};
}

WindowStudy Sweep(std::function<void(QtDialog&)> prepare) {
    return {ShowSweepWindow, kSweepRun, kSweepStop, kSweepProgress, std::move(prepare)};
}

// A 100-point sweep of the area.
void BM_SweepWindow100Points(benchmark::State& state) {
    Time(state, Sweep([](QtDialog& d) { Vary(d, 0, "Avg. Annual Area", "10000", "1000000", "100"); }),
         std::nullopt);
}

void BM_UncertaintyWindow100000Samples(benchmark::State& state) {
    Time(state, Uncertainty("100000"), std::nullopt);
}

// A million samples, the most the window takes, cancelled after a quarter of a second.
void BM_UncertaintyWindowCancel(benchmark::State& state) {
    Time(state, Uncertainty("1000000"), std::chrono::milliseconds(250));
}

BENCHMARK(BM_SweepWindow100Points)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UncertaintyWindow100000Samples)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UncertaintyWindowCancel)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmar

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
