// One full paint of the main window's colour ramp at 3840 x 2160: on the
// headless screen, double-buffered as the window is and, for comparison,
// straight on the screen; with GTK also on a cairo image surface through the
// GTK canvas, both ways.
#include <benchmark/benchmark.h>

#include "app/Unit1.h"
#include "forms/TApplication.h"
#include "platform/headless/HeadlessDriver.h"
#ifdef KALNOR_BENCH_CAIRO
#include "platform/gtk/CairoCanvas.h"
#endif

namespace {

constexpr platform::Rect kDesktop{0, 0, 3840, 2160};

// The main window alone, covering a 4K desktop.
class MainWindow {
 public:
  MainWindow() : app_(system_) {
    system_.SetWorkArea(kDesktop);
    Application = &app_;
    app_.CreateForm(Form1);
    system_.ProcessMessages();
  }
  ~MainWindow() {
    app_.DestroyWindows();
    Form1 = nullptr;
    Application = nullptr;
  }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  platform::headless::HeadlessPeer& Screen() { return platform::headless::HeadlessDriver::Peer(Form1->Peer()); }

 private:
  platform::headless::HeadlessWindowSystem system_;
  TApplication app_;
};

void Paint(benchmark::State& state, bool doubleBuffered) {
  MainWindow window;
  Form1->SetDoubleBuffered(doubleBuffered);
  if (Form1->BoundsRect() != kDesktop) state.SkipWithError("the main window does not cover the desktop");
  for (auto _ : state) {
    Form1->Repaint();
    benchmark::DoNotOptimize(window.Screen().pixels.data());
  }
  state.counters["stripes"] = Form1->Width() + 1;
}

void BM_HeadlessDoubleBuffered(benchmark::State& state) { Paint(state, true); }
void BM_HeadlessStraightOnScreen(benchmark::State& state) { Paint(state, false); }
BENCHMARK(BM_HeadlessDoubleBuffered)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeadlessStraightOnScreen)->Unit(benchmark::kMillisecond);

#ifdef KALNOR_BENCH_CAIRO
void PaintCairo(benchmark::State& state, bool doubleBuffered) {
  MainWindow window;
  Form1->SetDoubleBuffered(doubleBuffered);
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, Form1->ClientWidth(), Form1->ClientHeight());
  cairo_t* cr = cairo_create(surface);
  platform::gtk::CairoCanvas canvas(cr);
  const platform::PeerEvent paint = platform::Paint{canvas};
  for (auto _ : state) {
    window.Screen().Report(paint);
    cairo_surface_flush(surface);
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

void BM_CairoImageSurface(benchmark::State& state) { PaintCairo(state, true); }
void BM_CairoStraightOnSurface(benchmark::State& state) { PaintCairo(state, false); }
BENCHMARK(BM_CairoImageSurface)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CairoStraightOnSurface)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
