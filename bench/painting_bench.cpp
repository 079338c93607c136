// Front-end figures, off screen: the whole main window at 1920 by 1080, one flight step's
// repaint, and the win picture.
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
    Scene() : image(1920, 1080, QImage::Format_ARGB32_Premultiplied) {
        runtime.start();
        runtime.mainWindow().resize(1920, 1080);
    }
    void paint(const QRect& region) {
        QPainter painter(&image);
        painter.setClipRect(region);
        const kelo::desktop::TwipScale scale(96, 96);
        kelo::desktop::FormPainter(runtime.program().mainForm(), scale, runtime.mainWindow(),
                                   &photograph)
            .paint(painter);
    }
    DesktopRuntime runtime;
    QImage image;
    kelo::desktop::Photograph photograph{QStringLiteral(":/photograph.jpg")};
};

void wholeMainWindow(benchmark::State& state) {
    Scene scene;
    for (auto _ : state) {
        scene.paint(scene.image.rect());
    }
}
BENCHMARK(wholeMainWindow)->Unit(benchmark::kMicrosecond);

void flightStep(benchmark::State& state) {
    Scene scene;
    auto& ball = scene.runtime.program().mainWindow().bola;
    // The damaged region of one step: the ball's old and new places.
    const kelo::desktop::TwipScale scale(96, 96);
    const QRect before = scale.rect(kelo::forms::windowBox(ball)).toAlignedRect();
    const QRect after = before.translated(-6, -6);
    for (auto _ : state) {
        scene.paint(before.united(after).adjusted(-1, -1, 1, 1));
    }
}
BENCHMARK(flightStep)->Unit(benchmark::kMicrosecond);

void winPicture(benchmark::State& state) {
    Scene scene;
    scene.runtime.program().mainWindow().kelkel.setVisible(true);
    for (auto _ : state) {
        scene.paint(scene.image.rect());
    }
}
BENCHMARK(winPicture)->Unit(benchmark::kMicrosecond);

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
