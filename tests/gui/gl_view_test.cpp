// The GL view on a real context (Mesa under Xvfb): the demo model as a wireframe, turned by keys and
// the mouse, and textured with the palette-6 colours of its textures.
#include "render/gl/gl_view.h"

#include <QImage>
#include <QOpenGLContext>
#include <QSet>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <cmath>

#include "model/errors.h"
#include "model/reader.h"
#include "model/store.h"
#include "pixel_count.h"
#include "render/core/palette_colours.h"
#include "render/core/texture_load.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"
#include "tests/support/board_model.h"
#include "tests/support/opt_builder.h"

using namespace opt;

using namespace opt::guitest;

namespace {

// glColor3f(r, g, b) as the 8-bit framebuffer stores it.
QRgb Colour(float r, float g, float b) {
    auto c = [](float v) { return static_cast<int>(v * 255.0f + 0.5f); };
    return qRgb(c(r), c(g), c(b));
}

}  // namespace

class GLViewTest : public QObject {
    Q_OBJECT

private:
    // The model the view draws, with the selection and view state it draws it with.
    ModelStore store_;
    SelectionState selection_;
    ViewState viewState_;
    GLView* view_ = nullptr;

    // Loads the demo model as "Read OPt" does; the view starts unturned (a reload keeps the angles
    // and scale of before for its first frame).
    void LoadDemo(ModeButton mode) { LoadFile(DEMO_MODEL_PATH, mode); }
    void LoadFile(const std::string& path, ModeButton mode) {
        ResetViewAfterLoad(viewState_);
        selection_.DisplayMode.PutDown(mode);
        selection_.ModelLoaded = false;
        Load(store_, path);
        selection_.Resolution = "0";
        view_->LoadOrtho(path,
                         {nullptr, [this] { return int(store_.Texture_List.size()); }, nullptr, nullptr});
    }

    // The loaded model turned so that its faces overlap on the screen, drawn one glBegin/glEnd per
    // primitive and in batches: the same pixels, and a picture to compare.
    void CompareReplays(const char* what) {
        for (int i = 0; i < 3; ++i) view_->KeyDown(ViewKey::Up, {});
        view_->KeyDown(ViewKey::Right, {});
        view_->SetReplayPath(ReplayPath::PerPrimitive);
        view_->ShowHZ();
        const QImage perPrimitive = view_->grabFramebuffer();
        view_->SetReplayPath(ReplayPath::Batched);
        view_->ShowHZ();
        const QImage batched = view_->grabFramebuffer();
        view_->SetReplayPath(ReplayPath::Auto);
        QVERIFY2(CountNotBlack(perPrimitive) > 1000, what);
        QVERIFY2(batched == perPrimitive, what);
    }

private slots:
    void initTestCase() {
        ResetViewAtCreate(viewState_);
        view_ = new GLView(store_, selection_, viewState_);
        view_->resize(400, 400);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_));
        QVERIFY(view_->context() != nullptr && view_->context()->isValid());
    }
    void cleanupTestCase() { delete view_; }

    void wireframeShowsTheBluesOnBlack() {
        LoadDemo(SBMESH);
        const QImage img = view_->grabFramebuffer();
        QCOMPARE(img.size(), QSize(400, 400));
        const int quads = CountColour(img, Colour(0, 0.1f, 0.9f));
        const int triangles = CountColour(img, Colour(0, 0.4f, 0.9f));
        QVERIFY2(quads > 200, qPrintable(QString::number(quads)));
        QVERIFY2(triangles > 20, qPrintable(QString::number(triangles)));
        // Lines only: most of the panel stays black, and nothing but the face colours and black shows
        // (SBMESH highlights mesh 0 in red and pink on top).
        QVERIFY(CountNotBlack(img) < 400 * 400 / 3);
        const int red = CountColour(img, Colour(1, 0, 0)) + CountColour(img, Colour(1, 0, 0.5f));
        QCOMPARE(quads + triangles + red + CountColour(img, qRgb(0, 0, 0)), 400 * 400);
        // The corners are outside the model: the cube extends it by a third on every side.
        QCOMPARE(img.pixel(0, 0) & 0xFFFFFF, 0u);
        QCOMPARE(img.pixel(399, 399) & 0xFFFFFF, 0u);
    }

    void keysTurnAndAPlainRedrawKeepsTheCamera() {
        LoadDemo(SBMESH);
        const QImage start = view_->grabFramebuffer();
        KeyOutcome out = view_->KeyDown(ViewKey::Up, {});
        QVERIFY(out.DrawMoved);
        QCOMPARE(viewState_.AngleX, 10);
        for (int i = 0; i < 8; ++i) view_->KeyDown(ViewKey::Up, {});
        const QImage turnedNoPan = view_->grabFramebuffer();
        QVERIFY(turnedNoPan != start);
        QVERIFY(CountNotBlack(turnedNoPan) > 0);
        // Shift+Right pans: the picture moves to the right.
        view_->KeyDown(ViewKey::Right, KeyModifiers{.Shift = true});
        const QImage panned = view_->grabFramebuffer();
        QVERIFY(panned != turnedNoPan);
        // A plain redraw (a control-panel choice) keeps the user's camera.
        view_->ShowHZ();
        QCOMPARE(view_->grabFramebuffer(), panned);
        // A reload draws its first frame with the angles and scale of before, then resets them.
        view_->LoadOrtho(DEMO_MODEL_PATH, {});
        QCOMPARE(view_->grabFramebuffer(), turnedNoPan);
        QCOMPARE(viewState_.AngleX, 0);
        view_->ShowHZ();
        QCOMPARE(view_->grabFramebuffer(), start);
        // Zoom in: the model covers more of the panel.
        const int before = CountNotBlack(start);
        out = view_->KeyDown(ViewKey::EqualPlus, {});
        QVERIFY(out.ScaleText);
        QVERIFY(CountNotBlack(view_->grabFramebuffer()) != before);
    }

    void mouseDragsTurnAndPanAndTheWheelZoomsByAFactor() {
        LoadDemo(SBMESH);
        const QImage start = view_->grabFramebuffer();
        // Left drag: right turns about y, down about x, one degree per two pixels.
        QTest::mousePress(view_, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(view_, QPoint(160, 140));
        QTest::mouseRelease(view_, Qt::LeftButton, {}, QPoint(160, 140));
        QCOMPARE(viewState_.AngleY, 30);
        QCOMPARE(viewState_.AngleX, 20);
        QVERIFY(view_->grabFramebuffer() != start);
        // Right drag pans: the model follows the pointer, one cube span per view width.
        const double unitsPerPixel = double(viewState_.OrthoMax - viewState_.OrthoMin) / 400;
        QTest::mousePress(view_, Qt::RightButton, {}, QPoint(200, 200));
        QTest::mouseMove(view_, QPoint(240, 180));
        QTest::mouseRelease(view_, Qt::RightButton, {}, QPoint(240, 180));
        QCOMPARE(viewState_.PanX, int(std::lround(40 * unitsPerPixel)));
        QCOMPARE(viewState_.PanY, int(std::lround(20 * unitsPerPixel)));
        QCOMPARE(viewState_.AngleY, 30);  // panning leaves the turn alone
        // The wheel: a notch away zooms in by 1.1, a notch back out by as much.
        auto wheel = [this](int delta) {
            QWheelEvent e(QPointF(200, 200), view_->mapToGlobal(QPointF(200, 200)), {}, {0, delta},
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view_, &e);
        };
        wheel(120);
        QCOMPARE(viewState_.ViewScale, 1.1);
        wheel(-120);
        QCOMPARE(viewState_.ViewScale, 1.0);
        wheel(60);  // half a notch: no step yet
        QCOMPARE(viewState_.ViewScale, 1.0);
    }

    void texturedDisplayShowsThePalette6ColoursOfTheTextures() {
        LoadDemo(SBWire);
        const QImage img = view_->grabFramebuffer();
        if (qEnvironmentVariableIsSet("ZEDARUZ_SAVE_FRAMES")) img.save("/tmp/textured.png");
        QVERIFY(!view_->TextureObjects().empty());
        // Every colour of the textures at palette level 6 (colour tables are expanded on the CPU
        // where the extension is missing, so the same colours show either way).
        QSet<QRgb> texColours;
        for (const auto& entry : TextureUploadList(store_)) {
            const auto t =
                LoadTexture(DEMO_MODEL_PATH, store_, entry.Record, UploadPaletteNumber(store_, entry.Record));
            for (uint8_t i : t.Pixels.Indices) {
                const auto* c = &t.Colours.GLPalette[size_t(i) * 3];
                texColours.insert(qRgb(c[0], c[1], c[2]) & 0xFFFFFF);
            }
        }
        QVERIFY(texColours.size() > 4);
        int textured = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) textured += texColours.contains(img.pixel(x, y) & 0xFFFFFF);
        QVERIFY2(textured > 400 * 400 / 10, qPrintable(QString::number(textured)));
        QCOMPARE(CountColour(img, Colour(0, 0.1f, 0.9f)), 0);  // filled, not a wireframe
    }

    void wireframeAndHighlightsLookTheSameAfterTexturedDisplay() {
        LoadDemo(SBMESH);
        const QImage fresh = view_->grabFramebuffer();
        QVERIFY(CountColour(fresh, Colour(1, 0, 0)) > 100);  // the mesh highlight
        // Leaving textured display, and a reload in wireframe after it, draw lines without depth
        // test or culling again: the same picture, highlights included.
        LoadDemo(SBWire);
        selection_.DisplayMode.PutDown(SBMESH);
        view_->ShowHZ();
        QCOMPARE(view_->grabFramebuffer(), fresh);
        LoadDemo(SBMESH);
        QCOMPARE(view_->grabFramebuffer(), fresh);
    }

    void aResizeLeavesThePanelBlackUntilTheNextDraw() {
        LoadDemo(SBMESH);
        viewState_.PanX = 7;
        view_->KeyDown(ViewKey::Up, {});
        view_->resize(300, 300);
        view_->ContextResize();
        QCOMPARE(CountNotBlack(view_->grabFramebuffer()), 0);
        QCOMPARE(viewState_.AngleX, 0);
        QCOMPARE(viewState_.PanX, 7);
        QCOMPARE(viewState_.LoadCount, 1);
        view_->ShowHZ();
        QVERIFY(CountNotBlack(view_->grabFramebuffer()) > 0);
        view_->resize(400, 400);
    }

    void batchedAndPerPrimitiveReplaysGiveTheSamePixels() {
        // The demo model: wireframe with the mesh highlight over it, hardpoints as sized points,
        // textured faces.
        for (ModeButton mode : {SBMESH, SBSHoHP, SBWire}) {
            LoadDemo(mode);
            CompareReplays(qPrintable(QStringLiteral("demo, mode %1").arg(mode)));
        }
        // Past the classic sizes (cut to them until the tables grow): quads and triangles in turn.
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("board.opt")).toStdString();
        optb::write_file(path, optb::build(optb::board_model()).bytes);
        for (ModeButton mode : {SBMESH, SBWire}) {
            LoadFile(path, mode);
            QVERIFY(store_.ttfd[0].Count > 0);
            CompareReplays(qPrintable(QStringLiteral("board, mode %1").arg(mode)));
        }
    }

    void badResolutionTextLeavesThePictureAndThrows() {
        LoadDemo(SBMESH);
        const QImage before = view_->grabFramebuffer();
        selection_.Resolution = "x1";
        bool thrown = false;
        try {
            view_->ShowHZ();
        } catch (const OptError& e) {
            thrown = QString(e.what()) == "'x1' is not a valid integer value";
        }
        QVERIFY(thrown);
        QCOMPARE(view_->grabFramebuffer(), before);
        selection_.Resolution = "0";
    }

    void aLoadBeforeTheContextExistsGetsTheContextSetUpWhenItComes() {
        // One quad wound clockwise on the screen: textured display shows it only with clockwise
        // front faces.
        optb::Model m;
        m.palettes.push_back(optb::PaletteBlock::ramp(0));
        m.entries.push_back(optb::Mesh{
            .children = {
                optb::Vertices{.points = {{0, 0, 0}, {0, 10, 0}, {10, 10, 0}, {10, 0, 0}}},
                optb::LodSet{
                    .distances = {1},
                    .face_lists = {optb::FaceList{
                        .children = {optb::Texture{.name = "Q", .width = 1, .height = 1, .pixels = {1}},
                                     optb::FaceData{.faces = {optb::Face::quad(0, 1, 2, 3)}}}}}}}});
        const auto bytes = optb::build(m).bytes;
        ResetViewAtCreate(viewState_);
        selection_.DisplayMode.PutDown(SBWire);
        selection_.ModelLoaded = false;
        LoadBytes(store_, bytes);
        GLView late(store_, selection_, viewState_);
        late.resize(200, 200);
        late.LoadOrtho("", {});
        QCOMPARE(viewState_.LoadCount, 1);
        late.show();
        QVERIFY(QTest::qWaitForWindowExposed(&late));
        QVERIFY(CountNotBlack(late.grabFramebuffer()) > 200 * 200 / 3);  // shown once the context came
        late.ShowHZ();
        QVERIFY(CountNotBlack(late.grabFramebuffer()) > 200 * 200 / 3);
    }
};

QTEST_MAIN(GLViewTest)
#include "gl_view_test.moc"
