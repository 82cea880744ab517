// The view's cost under the renderer the tests use (Mesa's llvmpipe under Xvfb): one
// RenderFrame and one pick of the 20,000-segment synthetic track and of the demo track, each
// pick also as a share of its track's frame ("pick/frame", to stay below 1 so that a pick
// answers within a frame), and as the reference for what the renderer can do, one draw call
// of the same line vertices from a static vertex buffer in an otherwise identical frame.
// The ride preview of the synthetic track is measured against its frame in the same run, and so
// are a frame coloured by speed and a frame seen by a rider on the lap.
#include "Camera3D.h"
#include "DemoTrack.h"
#include "FrameRendering.h"
#include "OpenGLView.h"
#include "RidePreview.h"
#include "SurfaceFormat.h"
#include "SyntheticTrack.h"
#include "TrackDrawing.h"
#include "TrackSpine.h"
#include "TrackTracer.h"

#include <QApplication>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <utility>

namespace {

using mKavrano_TrackIO_1_3::TrackDocument;

// The editor's view at its initial size, showing a traced track from the reset camera.
struct RenderScene {
    TrackDocument document;
    mKV_TraceTrack::TraceState trace;
    mCamera3D::CameraState camera;
    QWidget window;
    OpenGLView* view;

    explicit RenderScene(const TrackDocument& doc)
        : document(doc), view(new OpenGLView(document, trace, camera, &window)) {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        view->setFixedSize(676, 381);
        window.show();
        QApplication::processEvents();
        if (view->SetupOpenGL() < 0 || !mKV_TraceTrack::TraceTrack(trace, document))
            throw std::runtime_error("no context, or the track was refused");
        mKV_TraceTrack::BuildSpine(trace, document);
        mCamera3D::ResetCamera(camera);
        view->SetViewReady(true);
    }

    double LineVertices() const {
        return static_cast<double>(
            mKV_TraceTrack::TrackLineVertices(trace, document.TrackStyle).size());
    }
};

void CountVertices(benchmark::State& state, const RenderScene& scene) {
    state.counters["spine points"] = scene.trace.SpinePointCount;
    state.counters["line vertices"] = scene.LineVertices();
}

void BM_RenderFrame(benchmark::State& state, RenderScene& scene) {
    for (auto _ : state) {
        scene.view->RenderFrame();
        glFinish();
    }
    CountVertices(state, scene);
}

// Seconds of one frame drawn and finished: the best of a few.
double FrameSeconds(RenderScene& scene) {
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = std::chrono::steady_clock::now();
        scene.view->RenderFrame();
        glFinish();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// The pick in the middle of the view, from the reset camera.
void BM_Pick(benchmark::State& state, RenderScene& scene) {
    const double frame = FrameSeconds(scene);
    int32_t picked = 0;
    double picking = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        picked = scene.view->PickAt(338, 190);
        picking += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        benchmark::DoNotOptimize(picked);
    }
    state.counters["picked"] = picked;
    state.counters["frame ms"] = frame * 1e3;
    state.counters["pick/frame"] = picking / static_cast<double>(state.iterations()) / frame;
    CountVertices(state, scene);
}

// The same frame with the track's lines in one draw call from a buffer on the GPU side.
void BM_ReferenceDraw(benchmark::State& state, RenderScene& scene) {
    scene.view->makeCurrent();
    QOpenGLFunctions* gl = scene.view->context()->functions();
    const std::vector<Vector3D> vertices =
        mKV_TraceTrack::TrackLineVertices(scene.trace, scene.document.TrackStyle);
    GLuint buffer = 0;
    gl->glGenBuffers(1, &buffer);
    gl->glBindBuffer(GL_ARRAY_BUFFER, buffer);
    gl->glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vector3D)),
                     vertices.data(), GL_STATIC_DRAW);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, sizeof(Vector3D), nullptr);

    const mKV_TraceTrack::TraceState noTrack;
    mOGL3D::ViewState ready;
    ready.ViewReady = true;
    for (auto _ : state) {
        mOGL3D::DrawFrame(ready, scene.camera, noTrack, scene.document.TrackStyle);
        glColor3f(0.0f, 0.75f, 1.0f);
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(vertices.size()));
        glFinish();
    }

    glDisableClientState(GL_VERTEX_ARRAY);
    gl->glBindBuffer(GL_ARRAY_BUFFER, 0);
    gl->glDeleteBuffers(1, &buffer);
    CountVertices(state, scene);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One RenderFrame of the scene, averaged over a few.
double MeanFrameSeconds(RenderScene& scene) {
    constexpr int kFrames = 20;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i) {
        scene.view->RenderFrame();
        glFinish();
    }
    return SecondsSince(start) / kFrames;
}

// The document with its stations made plain and the motors given rates, so that the train
// runs every segment.
TrackDocument WholeLap(const TrackDocument& document) {
    TrackDocument lap = document;
    for (auto& segment : lap.Segments) {
        if (segment.SegmentType == mKavrano_TrackIO_1_3::SegStation)
            segment.SegmentType = mKavrano_TrackIO_1_3::SegPlain;
        segment.LiftMotorAccel = segment.TransportMotorAccel = 1.0f;
        segment.LiftMotorDecel = segment.TransportMotorDecel = 1.0f;
    }
    return lap;
}

// The preview of a whole lap, filtered forces and peaks included. "frames" is its time in
// frames of the same track.
void BM_RidePreview(benchmark::State& state, RenderScene& scene) {
    const TrackDocument lap = WholeLap(scene.document);
    const double frame = FrameSeconds(scene);
    mKV_RidePreview::RidePreview ride;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        ride = mKV_RidePreview::PreviewRide(scene.trace, lap, {}, std::move(ride));
        benchmark::DoNotOptimize(ride.Samples.data());
    }
    const double each = SecondsSince(start) / static_cast<double>(state.iterations());
    state.counters["samples"] = static_cast<double>(ride.Samples.size());
    state.counters["filtered"] = static_cast<double>(ride.Filtered.size());
    state.counters["full lap"] = ride.EndReason == mKV_RidePreview::RideEnd::Lap;
    state.counters["frames"] = each / frame;
}

// A frame with the track coloured by speed over the whole lap, and ("vs segment type") its
// time over a frame coloured by segment type.
void BM_ColouredFrame(benchmark::State& state, RenderScene& scene) {
    const mKV_RidePreview::RidePreview ride =
        mKV_RidePreview::PreviewRide(scene.trace, WholeLap(scene.document));
    scene.view->SetRide(ride);
    const double plain = MeanFrameSeconds(scene);
    scene.view->CycleColouring(); // speed
    for (auto _ : state) {
        scene.view->RenderFrame();
        glFinish();
    }
    state.counters["vs segment type"] = MeanFrameSeconds(scene) / plain;
    while (scene.view->Colouring() != mKV_RidePreview::ColourBy::SegmentType)
        scene.view->CycleColouring();
    CountVertices(state, scene);
}

// A frame seen from the train at the lap's start, and ("vs normal frame") its time over a
// frame from the camera.
void BM_RideAlongFrame(benchmark::State& state, RenderScene& scene) {
    const mKV_RidePreview::RidePreview ride =
        mKV_RidePreview::PreviewRide(scene.trace, WholeLap(scene.document));
    scene.view->SetRide(ride);
    const double plain = MeanFrameSeconds(scene);
    if (!scene.view->StartRideAlong())
        throw std::runtime_error("the lap does not start");
    for (auto _ : state) {
        scene.view->RenderFrame();
        glFinish();
    }
    state.counters["vs normal frame"] = MeanFrameSeconds(scene) / plain;
    scene.view->EndRideAlong();
    CountVertices(state, scene);
}

} // namespace

int main(int argc, char** argv) {
    mOGL3D::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RenderScene synthetic(MakeSyntheticTrack());
    RenderScene demo(mKavrano_TrackIO_1_3::MakeDemoTrack());
    benchmark::RegisterBenchmark("BM_RenderFrame/synthetic", BM_RenderFrame, std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Pick/synthetic", BM_Pick, std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_ReferenceDraw/synthetic", BM_ReferenceDraw,
                                 std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_RidePreview/synthetic", BM_RidePreview, std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_ColouredFrame/synthetic", BM_ColouredFrame,
                                 std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_RideAlongFrame/synthetic", BM_RideAlongFrame,
                                 std::ref(synthetic))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_RenderFrame/demo", BM_RenderFrame, std::ref(demo))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Pick/demo", BM_Pick, std::ref(demo))
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
