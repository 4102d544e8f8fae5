// The list box SB against its floor: the vertex listing of the max-capacity model (about 50,000
// lines) appended to a shown list box, laid out and painted, against making the same lines alone.
// Needs a display (run under xvfb-run); compare the two figures of the same run.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "listings/listings.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store.h"
#include "ui/windows/list_box.h"

using namespace opt;

namespace {

// Only counts, so the floor pays for making the lines and nothing else.
class CountingSink : public LineSink {
public:
    size_t lines = 0;
    void AddLine(const std::string& line) override { lines += line.empty() ? 0 : 1; }
};

const TVX& LoadedVertices() {
    static const bool loaded = [] {
        VectorSink warnings, resolutions;
        VectorLookupSink textures;
        Load(TheStore(), MAXCAP_MODEL_PATH, {warnings, resolutions, textures});
        return true;
    }();
    (void)loaded;
    return TheStore().tvx;
}

void MakeVertexLines(benchmark::State& state) {
    const TVX& tvx = LoadedVertices();
    for (auto _ : state) {
        CountingSink sink;
        List(tvx, sink);
        benchmark::DoNotOptimize(sink.lines);
    }
}
BENCHMARK(MakeVertexLines)->Unit(benchmark::kMillisecond);

void VertexListingIntoListBox(benchmark::State& state) {
    const TVX& tvx = LoadedVertices();
    ListBox sb;
    sb.resize(450, 280);
    sb.show();
    QApplication::processEvents();
    for (auto _ : state) {
        sb.Clear();
        List(tvx, sb);
        sb.Flush();
        sb.repaint();  // the rows are laid out and the visible ones painted
        benchmark::DoNotOptimize(sb.Count());
    }
    state.counters["lines"] = sb.Count();
}
BENCHMARK(VertexListingIntoListBox)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
