// The control panel: list refills after a load, the clicks and the modes they depend on, "Keep On
// Top", the texture picture, the palette listing and the palette panel's grid.
#include "ui/windows/control_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <fstream>
#include <iterator>

#include "gui_fixture.h"
#include "model/store.h"
#include "render/core/bmp_image.h"
#include "render/core/view_state.h"
#include "state/selection_state.h"
#include "ui/windows/palette_listing.h"
#include "ui/windows/palette_panel.h"

using namespace opt;
using namespace opt::guitest;

namespace {

// A user's click on entry `row`: the panel is shown first, as the user sees it.
void ClickRow(QListWidget* list, int row) {
    list->window()->show();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));
    QListWidgetItem* item = list->item(row);
    QVERIFY(item != nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

QStringList Entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

void PressMode(TML& panel, ModeButton b) {
    panel.show();
    panel.ModeButtonWidget(b)->click();
}

// The gap model with a third mesh whose texture reuses the first name, then a new name.
optb::Model RepeatedNameModel() {
    optb::Model m = GapModel();
    m.entries[2] = QuadMesh(20, "HULL");
    m.entries.push_back(QuadMesh(40, "WING", 1));
    return m;
}

QColor PaletteColour(const ModelStore& store, int p, int j) {
    const auto& planes = store.Palettes[p];
    return {planes[0][j], planes[1][j], planes[2][j]};
}

}  // namespace

class ControlPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitApplication(App()); }

    void startsWithTheMeshModeAndTheDesignedControls() {
        RunningApp app;
        TML& panel = app.panel();
        QCOMPARE(panel.windowTitle(), QStringLiteral("Opt_Zedaruz"));
        QVERIFY(!panel.isVisible());
        QVERIFY(panel.ModeGroupWidget()->exclusive());
        QCOMPARE(panel.ModeGroupWidget()->buttons().size(), int{kModeButtonCount});
        for (int i = 0; i < kModeButtonCount; ++i) {
            const auto b = static_cast<ModeButton>(i);
            QToolButton* button = panel.ModeButtonWidget(b);
            // The hint whole at the end of the tooltip, after the button's short text.
            QVERIFY(
                button->toolTip().endsWith(QStringLiteral(": ") + QString::fromLatin1(ModeButtonHint(b))));
            QVERIFY(button->toolTip().startsWith(button->text()));
            // Its picture draws (Qt's SVG plugin reads our icons).
            const QImage icon = button->icon().pixmap(16, 16).toImage();
            QVERIFY(!icon.isNull());
            int opaque = 0;
            for (int y = 0; y < icon.height(); ++y)
                for (int x = 0; x < icon.width(); ++x) opaque += qAlpha(icon.pixel(x, y)) > 128;
            QVERIFY2(opaque > 10, ModeButtonName(b));
            QCOMPARE(panel.ModeButtonWidget(b)->isChecked(), b == SBMESH);
        }
        QCOMPARE(panel.CBTop()->text(), QStringLiteral("Keep On Top"));
        QCOMPARE(panel.CBTop()->toolTip(), QStringLiteral("Form does not hide"));
        QCOMPARE(panel.FE1()->text(), QStringLiteral("Flags Longint"));
        QVERIFY(!panel.SPERes()->isEnabled());
        QVERIFY(panel.Edit().RP->isHidden());
        for (QWidget* w :
             {static_cast<QWidget*>(panel.Edit().SBView), static_cast<QWidget*>(panel.Edit().SBUpdate),
              static_cast<QWidget*>(panel.Edit().SBUndo), static_cast<QWidget*>(panel.Edit().SBHZWrite)})
            QVERIFY(w->isHidden());
    }

    void meshListSkipsEntriesWithoutChildren() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        QCOMPARE(Entries(panel.LBMESH()), (QStringList{"0", "2"}));
        QCOMPARE(Entries(panel.LBFACE()), (QStringList{"0", "1"}));
        QCOMPARE(panel.LBVx()->count(), 0);
        QCOMPARE(panel.ResBox()->currentText(), QStringLiteral("0"));

        ClickRow(panel.LBMESH(), 1);
        QCOMPARE(app.selection().SelectedMesh, 1);
        QCOMPARE(Entries(panel.LBVx()), (QStringList{"0", "1", "2", "3"}));
        // With "Keep On Top" unchecked a redrawing choice hides the panel.
        QVERIFY(!panel.isVisible());
    }

    void faceAndVertexClicksCountOnlyInTheirModes() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        app.selection().SelectedFaceData = 0;
        app.selection().SelectedVertex = 0;

        ClickRow(panel.LBFACE(), 1);
        QCOMPARE(app.selection().SelectedFaceData, 0);
        QVERIFY(panel.isVisible());  // nothing happened, no redraw either
        PressMode(panel, SBFace);
        QVERIFY(app.selection().DisplayMode.IsDown(SBFace));
        ClickRow(panel.LBFACE(), 1);
        QCOMPARE(app.selection().SelectedFaceData, 1);
        QVERIFY(!panel.Memo()->toPlainText().isEmpty());  // the face summary

        ClickRow(panel.LBMESH(), 0);
        ClickRow(panel.LBVx(), 2);
        QCOMPARE(app.selection().SelectedVertex, 0);
        PressMode(panel, SBVx);
        ClickRow(panel.LBVx(), 2);
        QCOMPARE(app.selection().SelectedVertex, 2);
        QVERIFY(panel.Memo()->toPlainText().contains(QStringLiteral("10")));  // x of vertex 2

        // A later load keeps the selections, empties the vertex list and puts SBMESH down.
        app.viewer().LoadWireTex();
        QCOMPARE(app.selection().SelectedFaceData, 1);
        QCOMPARE(app.selection().SelectedVertex, 2);
        QCOMPARE(panel.LBVx()->count(), 0);
        QVERIFY(panel.ModeButtonWidget(SBMESH)->isChecked());
        QVERIFY(panel.Memo()->toPlainText().isEmpty());
    }

    void keepOnTopKeepsThePanelShown() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        panel.show();
        QTest::mouseClick(panel.CBTop(), Qt::LeftButton, {}, QPoint(4, panel.CBTop()->height() / 2));
        QVERIFY(panel.CBTop()->isChecked());
        QVERIFY(panel.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(panel.isVisible());
        ClickRow(panel.LBMESH(), 1);
        QVERIFY(panel.isVisible());
        panel.BBCancel()->click();
        QVERIFY(panel.isVisible());

        panel.CBTop()->click();
        QVERIFY(!panel.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(panel.isVisible());
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel, 20000));
        QTest::keyClick(&panel, Qt::Key_Escape);  // Esc presses "Close"
        QVERIFY(!panel.isVisible());
    }

    void texturePictureUsesTheEighthPaletteOfItsSlot() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        const TextureRecord& wing = app.store().ttx.Textures[1];
        QCOMPARE(wing.Palette_Set, 1);
        const int32_t shown = ImageShown();
        ClickRow(panel.LB(), 1);
        QCOMPARE(app.selection().SelectedTexture, 1);
        QCOMPARE(ImageShown(), shown + 1);
        QCOMPARE(panel.Bar().Text(3), QStringLiteral("Palette  num 23"));
        QCOMPARE(panel.Bar().Text(2), QStringLiteral("Width= 2 Height= 2"));
        QVERIFY(panel.isVisible());  // the panel stays
        const QImage picture = panel.Image()->pixmap().toImage();
        QCOMPARE(picture.size(), QSize(2, 2));
        QCOMPARE(picture.pixelColor(0, 0), PaletteColour(app.store(), 23, 10));
        QCOMPARE(picture.pixelColor(1, 1), PaletteColour(app.store(), 23, 40));
        // On the screen the picture fills its area, every texel a crisp block up to its edge.
        QTest::qWait(20);
        const QImage onScreen = panel.Image()->grab().toImage();
        const int side = std::min(onScreen.width(), onScreen.height());
        QVERIFY2(side >= 60, qPrintable(QString::number(side)));
        QCOMPARE(onScreen.pixelColor(side / 2 - 2, side / 4), PaletteColour(app.store(), 23, 10));
        QCOMPARE(onScreen.pixelColor(side / 2 + 1, side / 4), PaletteColour(app.store(), 23, 20));
        QCOMPARE(onScreen.pixelColor(side / 4, side - 2), PaletteColour(app.store(), 23, 30));

        // "Save Bmp" writes the picture shown, named after the entry and the model.
        app.viewer().Item(QStringLiteral("SaveBMP1"))->trigger();
        const std::string bmp = app.SaveDataDir() + "WING_ship.bmp";
        QCOMPARE(app.dialogs.messages.back(), " File saved to  " + bmp);
        std::ifstream in(bmp, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
        QVERIFY(bytes == panel.PreviewBytes());
    }

    void loadBmpWritesAnEditedPictureBackAndReloads() {
        RunningApp app;
        const std::string model = app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        QVERIFY(!panel.LoadBmp()->isEnabled());  // no texture shown yet
        ClickRow(panel.LB(), 1);
        QVERIFY(panel.LoadBmp()->isEnabled());
        app.viewer().Item(QStringLiteral("SaveBMP1"))->trigger();
        const std::string bmp = app.SaveDataDir() + "WING_ship.bmp";
        std::vector<uint8_t> bytes = panel.PreviewBytes();
        bytes[kBmpPixelOffset] = 41;  // bottom-left pixel
        std::ofstream(bmp, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        app.dialogs.openAnswers.push_back(bmp);
        panel.LoadBmp()->click();
        QVERIFY2(app.dialogs.errors.empty(),
                 app.dialogs.errors.empty() ? "" : app.dialogs.errors.back().c_str());
        const std::string& said = app.dialogs.messages.back();
        QVERIFY2(said.find("Wrote 4 bytes at position") != std::string::npos && said.ends_with("(1 changed)"),
                 said.c_str());
        // Reloaded: the picture shown again reads the new pixel from the disk.
        QCOMPARE(panel.LB()->currentRow(), 1);
        QCOMPARE(panel.Image()->pixmap().toImage().pixelColor(0, 1), PaletteColour(app.store(), 23, 41));
        QVERIFY(app.viewer().Item(QStringLiteral("RevertLastWrite1"))->isEnabled());
        // Reverted: the file holds its old pixels again, and so does the picture.
        app.viewer().Item(QStringLiteral("RevertLastWrite1"))->trigger();
        QCOMPARE(panel.LB()->currentRow(), 1);
        QCOMPARE(panel.Image()->pixmap().toImage().pixelColor(0, 1), PaletteColour(app.store(), 23, 30));
        QCOMPARE(panel.Bar().Text(2), QStringLiteral("Width= 2 Height= 2"));
        // Another file: no picture of this one's texture.
        app.OpenModel(GapModel(), "other.opt");
        QVERIFY(panel.Image()->pixmap().isNull());
        QVERIFY(!panel.LoadBmp()->isEnabled());
    }

    void texturePictureOfARepeatedNameShowsTheRecordOfThatName() {
        RunningApp app;
        app.OpenModel(RepeatedNameModel(), "ship.opt");
        TML& panel = app.panel();
        QCOMPARE(Entries(panel.LB()), (QStringList{"HULL", "WING"}));
        ClickRow(panel.LB(), 1);
        QCOMPARE(app.selection().SelectedTexture, 2);
        QCOMPARE(panel.Bar().Text(3), QStringLiteral("Palette  num 23"));
    }

    void paletteListingAndThePalettePanel() {
        RunningApp app;
        optb::Model oneSlot = GapModel();
        oneSlot.entries[2] = QuadMesh(20, "WING", 0);
        app.OpenModel(oneSlot, "ship.opt");
        TPa& palettes = *app.windows.pa;
        QCOMPARE(palettes.LB()->count(), 0);
        QVERIFY(!palettes.SB1()->isEnabled());
        app.viewer().Item(QStringLiteral("MainFileInfoList1"))->trigger();
        const int before = app.viewer().SB().Count();
        app.panel().Memo()->setPlainText(QStringLiteral("old"));

        app.panel().SBPal()->click();
        QCOMPARE(app.panel().Memo()->toPlainText(), QString());
        QVERIFY(palettes.isVisible());
        const auto& lines = app.viewer().SB().Lines();
        QCOMPARE(static_cast<int>(lines.size()) - before, 16 * 258);
        QCOMPARE(lines[static_cast<size_t>(before)], std::string("Palette Number 0"));
        const QColor c = PaletteColour(app.store(), 0, 0);
        QCOMPARE(lines[static_cast<size_t>(before) + 1], "r " + std::to_string(c.red()) + " g " +
                                                             std::to_string(c.green()) + " b " +
                                                             std::to_string(c.blue()));
        QCOMPARE(lines[static_cast<size_t>(before) + 257], std::string(32, '*'));
        QCOMPARE(lines.back(), std::string(32, '*'));
        QCOMPARE(palettes.LB()->count(), 16);
        QCOMPARE(palettes.LB()->item(15)->text(), QStringLiteral("15"));

        // Choose palette 3 and draw it: squares of its colours, then SB1 is disabled again.
        ClickRow(palettes.LB(), 3);
        QVERIFY(palettes.SB1()->isEnabled());
        palettes.SB1()->click();
        QVERIFY(!palettes.SB1()->isEnabled());
        const QImage grid = palettes.grab().toImage();
        for (int j : {0, 17, 128, 255}) {
            const QPoint inside = TPa::SquareCorner(j) + QPoint(5, 5);
            QCOMPARE(grid.pixelColor(inside), PaletteColour(app.store(), 3, j));
        }
        QCOMPARE(grid.pixelColor(TPa::SquareCorner(1) + QPoint(-1, 5)),
                 palettes.palette().color(QPalette::Window));
        ClickRow(palettes.LB(), 4);
        QVERIFY(palettes.SB1()->isEnabled());
    }

    void paletteListingFollowsTheSlotOfTheLastTexture() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");  // last texture in slot 1
        QCOMPARE(app.store().Current_Palette_Set, 1);
        app.panel().SBPal()->click();
        QCOMPARE(app.viewer().SB().Count(), 31 * 258);
        QCOMPARE(app.windows.pa->LB()->count(), 31);
        // A slot number past the store never lists palettes that do not exist.
        ModelStore& store = app.store();
        store.Current_Palette_Set = 9;
        QCOMPARE(LastListedPalette(store), kPalettes - 1);
        store.Current_Palette_Set = 1;
    }

    void modeButtonsDriveTheDisplayMode() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        PressMode(panel, SBShoHZ);
        QVERIFY(app.selection().DisplayMode.IsDown(SBShoHZ));
        QCOMPARE(panel.ModeGroupWidget()->checkedId(), int{SBShoHZ});
        QVERIFY(!panel.isVisible());  // it redrew, and hid the panel

        // The textured display reloads the file and stays down through the load.
        const int32_t loads = app.view().LoadCount;
        PressMode(panel, SBWire);
        QCOMPARE(app.view().LoadCount, loads + 1);
        QVERIFY(app.selection().DisplayMode.IsDown(SBWire));
        QVERIFY(app.selection().ModelLoaded);
        PressMode(panel, SBMESH);
        QVERIFY(app.selection().DisplayMode.IsDown(SBMESH));

        // Leaving the textured display, a mode's click draws its picture at once: the wireframe's blue
        // outlines, no texture colours.
        PressMode(panel, SBWire);
        GLView& view = app.viewer().View();
        const QRgb quadBlue = qRgb(0, 26, 230);  // glColor3f(0, 0.1, 0.9)
        QCOMPARE(CountColour(view.grabFramebuffer(), quadBlue), 0);
        QTest::mouseClick(panel.ModeButtonWidget(SBVx), Qt::LeftButton);
        QVERIFY(app.selection().DisplayMode.IsDown(SBVx));
        QVERIFY(CountColour(view.grabFramebuffer(), quadBlue) > 0);

        // An edit mode's button runs what the editors installed.
        int edits = 0;
        panel.SetModeClickHook(SBHP, [&] { ++edits; });
        PressMode(panel, SBHP);
        QCOMPARE(edits, 1);
        QVERIFY(app.selection().DisplayMode.IsDown(SBHP));
    }

    void resolutionTextThatIsNotAnIntegerIsReported() {
        RunningApp app;
        app.OpenModel(GapModel(), "ship.opt");
        TML& panel = app.panel();
        panel.show();
        panel.ResBox()->lineEdit()->selectAll();
        QTest::keyClicks(panel.ResBox()->lineEdit(), QStringLiteral("x"));
        QCOMPARE(app.selection().Resolution, std::string("x"));
        QVERIFY(!app.dialogs.errors.empty());
        QCOMPARE(app.dialogs.errors.back(), std::string("'x' is not a valid integer value"));
        QCOMPARE(app.dialogs.errors.size(), size_t{1});
        // Emptying the box on the way to a new number draws nothing and says nothing; the next text
        // that is not a number is reported once.
        QTest::keyClick(panel.ResBox()->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(app.selection().Resolution, std::string());
        QCOMPARE(app.dialogs.errors.size(), size_t{1});
        QTest::keyClicks(panel.ResBox()->lineEdit(), QStringLiteral("y"));
        QCOMPARE(app.dialogs.errors.size(), size_t{2});
        QCOMPARE(app.dialogs.errors.back(), std::string("'y' is not a valid integer value"));
        // The selection follows the box's text however it changes.
        panel.ResBox()->setEditText(QStringLiteral("0"));
        QCOMPARE(app.selection().Resolution, std::string("0"));
        // "All Res" enables SPERes.
        const size_t errors = app.dialogs.errors.size();
        panel.show();
        panel.CBAllRES()->click();
        QVERIFY(app.selection().AllRes);
        QVERIFY(panel.SPERes()->isEnabled());
        QCOMPARE(app.dialogs.errors.size(), errors);
        panel.CBAllRES()->click();
        app.selection().AllRes = false;
    }
};

QTEST_MAIN(ControlPanelTest)
#include "control_panel_test.moc"
