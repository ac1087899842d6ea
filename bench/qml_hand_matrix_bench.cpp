// Hand matrix redraw: all 169 classes of the hold'em matrix carry a weight
// and a three-action mix, and each iteration hands the matrix a different
// mix (as the results page does when the user moves to another node), then
// renders one frame. Run with QT_QPA_PLATFORM=offscreen; Qt Quick then uses
// its software renderer, so the frame time is a CPU upper bound of what a
// graphics card would take.
//
//   QT_QPA_PLATFORM=offscreen qml_hand_matrix_bench --benchmark_repetitions=9

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(PellarisPlugin)

namespace {

// Two precomputed mixes, so that the iterations time the redraw and not the
// building of the maps.
constexpr char kScene[] = R"(
import QtQuick
import QtQuick.Window
import Pellaris

Window {
    id: window
    width: 480
    height: 480
    visible: true

    function label(row, col) {
        return matrix.handAt(row, col)
    }
    function mix(shift) {
        var out = {}
        for (var r = 0; r < 13; ++r)
            for (var c = 0; c < 13; ++c) {
                var a = ((r * 5 + c * 3 + shift) % 10) / 10
                var b = (1 - a) * (((r + c + shift) % 4) / 4)
                out[label(r, c)] = [a, b, 1 - a - b]
            }
        return out
    }
    function full() {
        var out = {}
        for (var r = 0; r < 13; ++r)
            for (var c = 0; c < 13; ++c)
                out[label(r, c)] = 0.5 + ((r + c) % 2) * 0.5
        return out
    }
    readonly property var mixA: mix(0)
    readonly property var mixB: mix(1)
    property int turn: 0
    readonly property int classCount: Object.keys(mixA).length

    function nextMix() {
        turn = 1 - turn
        matrix.actionProbs = turn ? mixB : mixA
    }

    Theme { id: theme }

    HandMatrix {
        id: matrix
        anchors.centerIn: parent
        theme: theme
        weights: window.full()
        actionTypes: ["check", "bet 33%", "bet 75%"]
        actionProbs: window.mixA
    }
}
)";

struct Scene {
  QQmlEngine engine;
  std::unique_ptr<QQuickWindow> window;

  Scene() {
    engine.addImportPath(QStringLiteral("qrc:/"));
    QQmlComponent component(&engine);
    // A local-file URL: other schemes may load asynchronously.
    component.setData(kScene, QUrl::fromLocalFile(QStringLiteral("/bench/HandMatrixScene.qml")));
    QObject* root = component.create();
    if (!root) {
      std::fprintf(stderr, "%s\n", qPrintable(component.errorString()));
      std::abort();
    }
    window.reset(qobject_cast<QQuickWindow*>(root));
    if (root->property("classCount").toInt() != 169) {
      std::fprintf(stderr, "the scene's mix does not cover the 169 classes\n");
      std::abort();
    }
    window->grabWindow();  // first frame: scene graph built once
  }

  void nextMix() { QMetaObject::invokeMethod(window.get(), "nextMix"); }
};

Scene* g_scene = nullptr;

// Bindings only: new mix in, every cell's segments laid out again.
void BM_MatrixMixUpdate(benchmark::State& state) {
  for (auto _ : state) g_scene->nextMix();
}
BENCHMARK(BM_MatrixMixUpdate)->Unit(benchmark::kMillisecond);

// The whole repaint: new mix, then one rendered frame of the window.
void BM_MatrixMixRepaint(benchmark::State& state) {
  for (auto _ : state) {
    g_scene->nextMix();
    QImage frame = g_scene->window->grabWindow();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_MatrixMixRepaint)->Unit(benchmark::kMillisecond);

// A frame with nothing changed, to separate drawing from updating.
void BM_MatrixFrameOnly(benchmark::State& state) {
  for (auto _ : state) {
    QImage frame = g_scene->window->grabWindow();
    benchmark::DoNotOptimize(frame.constBits());
  }
}
BENCHMARK(BM_MatrixFrameOnly)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Scene scene;
  g_scene = &scene;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
