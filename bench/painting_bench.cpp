// Front-end figures, off screen, at 1920 by 1080 and at 3840 by 2160 (the scene at its zoom):
// the whole main window, one flight step's repaint, and the win picture.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "desktop/desktop_runtime.h"
#include "desktop/form_painter.h"
#include "forms/stacking.h"

namespace {

using kelo::desktop::DesktopRuntime;

struct Scene {
    explicit Scene(const benchmark::State& state)
        : image(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                QImage::Format_RGB32) {  // as a window's backing store
        runtime.start();
        runtime.mainWindow().setWindowState(Qt::WindowNoState);
        runtime.mainWindow().resize(image.size());
        QCoreApplication::processEvents();
    }
    const kelo::desktop::TwipScale& scale() { return runtime.mainWindow().scale(); }
    void paint(const QRect& region) {
        QPainter painter(&image);
        painter.setClipRect(region);
        kelo::desktop::FormPainter(runtime.program().mainForm(), scale(), runtime.mainWindow(),
                                   &photograph)
            .paint(painter);
    }
    DesktopRuntime runtime;
    QImage image;
    kelo::desktop::Photograph photograph{QStringLiteral(":/photograph.jpg")};
};

void wholeMainWindow(benchmark::State& state) {
    Scene scene(state);
    state.counters["zoom"] = scene.scale().zoom();
    for (auto _ : state) {
        scene.paint(scene.image.rect());
    }
}
BENCHMARK(wholeMainWindow)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void flightStep(benchmark::State& state) {
    Scene scene(state);
    auto& ball = scene.runtime.program().mainWindow().bola;
    // The damaged region of one step: the ball's old and new places, 90 twips apart.
    const QRect before = scene.scale().rect(kelo::forms::windowBox(ball)).toAlignedRect();
    const int step = static_cast<int>(scene.scale().x(90));
    const QRect after = before.translated(-step, -step);
    for (auto _ : state) {
        scene.paint(before.united(after).adjusted(-1, -1, 1, 1));
    }
}
BENCHMARK(flightStep)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void winPicture(benchmark::State& state) {
    Scene scene(state);
    scene.runtime.program().mainWindow().kelkel.setVisible(true);
    for (auto _ : state) {
        scene.paint(scene.image.rect());
    }
}
BENCHMARK(winPicture)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
