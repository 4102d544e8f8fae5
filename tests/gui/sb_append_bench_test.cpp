// How long the list box SB takes to receive the vertex listing of the max-capacity model (about
// 50,000 lines) compared with producing those lines alone, in the same run. The figures are printed;
// only the content is checked, as timings depend on the machine.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "listings/listings.h"
#include "model/line_sink.h"
#include "model/reader.h"
#include "model/store.h"
#include "ui/windows/list_box.h"

using namespace opt;

namespace {

constexpr int kRounds = 5;

// A sink that only counts, so the producing side pays for the lines and nothing else.
class CountingSink : public LineSink {
public:
    size_t lines = 0;
    size_t bytes = 0;
    void AddLine(const std::string& line) override {
        ++lines;
        bytes += line.size();
    }
};

template <class F>
qint64 BestOf(F run) {
    qint64 best = -1;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        const qint64 ns = t.nsecsElapsed();
        best = best < 0 ? ns : std::min(best, ns);
    }
    return best;
}

}  // namespace

class SbAppendBench : public QObject {
    Q_OBJECT

private slots:
    void vertexListingOfTheMaxCapacityModel() {
        VectorSink warnings, resolutions;
        VectorLookupSink textures;
        Load(TheStore(), MAXCAP_MODEL_PATH, {warnings, resolutions, textures});
        const TVX& tvx = TheStore().tvx;

        VectorSink expected;
        List(tvx, expected);
        QVERIFY(expected.lines.size() > 50000);

        const qint64 produce = BestOf([&] {
            CountingSink sink;
            List(tvx, sink);
            QCOMPARE(sink.lines, expected.lines.size());
        });

        ListBox sb;
        sb.resize(450, 280);
        sb.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sb));
        const qint64 append = BestOf([&] {
            sb.Clear();
            QApplication::processEvents();
            List(tvx, sb);
            sb.Flush();
            sb.scrollToBottom();
            sb.repaint();  // the view lays out and paints the new rows
        });
        QCOMPARE(sb.Lines(), expected.lines);
        QCOMPARE(sb.model()->rowCount(), static_cast<int>(expected.lines.size()));

        std::printf("SB append of %zu vertex lines: produce %.2f ms, append to SB %.2f ms, ratio %.2f\n",
                    expected.lines.size(), produce / 1e6, append / 1e6,
                    static_cast<double>(append) / static_cast<double>(produce));
    }
};

QTEST_MAIN(SbAppendBench)
#include "sb_append_bench_test.moc"
