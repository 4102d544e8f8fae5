// The control panel's edit area driven from its widgets: one flow per editor on a copy of the demo
// ship written to the program folder, with the file compared byte by byte before and after; hit zones
// computed on the click and written; the flag viewer; errors reaching the error box.
#include "ui/edit/edit_area.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <cstring>
#include <fstream>
#include <iterator>

#include "edit/core/write_journal.h"
#include "gui_fixture.h"
#include "model/store.h"
#include "state/selection_state.h"
#include "tests/support/sample_models.h"
#include "ui/windows/control_panel.h"
#include "ui/windows/edit_area_binding.h"
#include "ui/windows/flag_edit.h"
#include "ui/windows/program_dirs.h"
#include "ui/windows/radio_group.h"

using namespace opt;
using namespace opt::guitest;

namespace {

constexpr const char* kHardPointsLookup =
    "None\r\nRebelLaser\r\nTurboRebelLaser\r\nEmpireLaser\r\nCockpit\r\n";
constexpr const char* kMeshTypeLookup = "DEFAULT\nMAINHULL\nWING\nFUSELAGE\n";

std::vector<uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The positions where two images of a file differ.
std::vector<int64_t> Differences(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    std::vector<int64_t> at;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i]) at.push_back(static_cast<int64_t>(i));
    return at;
}

template <class T>
T ValueAt(const std::vector<uint8_t>& bytes, int64_t pos) {
    T v{};
    if (pos >= 0 && static_cast<size_t>(pos) + sizeof v <= bytes.size())
        std::memcpy(&v, bytes.data() + pos, sizeof v);
    return v;
}

QStringList Entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QStringList Items(const RadioGroup* group) {
    QStringList out;
    for (int i = 0; i < group->Count(); ++i) out << group->ItemText(i);
    return out;
}

QStringList PanelMemo(const TML& panel) { return panel.Memo()->toPlainText().split(QLatin1Char('\n')); }

// The panel as the user works in it: shown, "Keep On Top" checked so that redraws leave it open.
struct EditSession {
    RunningApp app;
    optb::Built built;
    std::string path;
    std::vector<uint8_t> original;
    bool exposed = false;

    explicit EditSession(const optb::Model& model = optb::demo_model()) : built(optb::build(model)) {
        WriteLookup("HardPoints.txt", kHardPointsLookup);
        WriteLookup("MeshType.txt", kMeshTypeLookup);
        path = (app.ProgramPath() / "ship.opt").string();
        optb::write_file(path, built.bytes);
        original = built.bytes;
        app.dialogs.openAnswers.push_back(path);
        app.viewer().Item(QStringLiteral("ReadVxfromOPt1"))->trigger();
        panel().CBTop()->setChecked(true);
        panel().show();
        exposed = QTest::qWaitForWindowExposed(&panel());
    }
    TML& panel() { return app.panel(); }
    const EditControls& edit() { return app.panel().Edit(); }
    EditArea& area() { return app.panel().EditBinding().Area(); }
    std::string AppDataDir() const { return (app.ProgramPath() / "AppData").string() + "/"; }
    void WriteLookup(const std::string& name, const std::string& text) const {
        std::ofstream(app.ProgramPath() / "AppData" / name, std::ios::binary) << text;
    }

    void Press(ModeButton b) { panel().ModeButtonWidget(b)->click(); }
    void Choose(int line) {
        QVERIFY(exposed);
        QListWidget* list = edit().LBED;
        QListWidgetItem* item = list->item(line);
        QVERIFY(item != nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }
    void Part(int item) {
        QAbstractButton* b = edit().RG1->Group()->button(item);
        QVERIFY(b != nullptr);
        b->click();
    }
    void Type(const QString& text) {
        edit().E->clear();
        QTest::keyClicks(edit().E, text);
    }
    std::vector<uint8_t> Now() const { return FileBytes(path); }
    // The table entry shown on LBED's line.
    int EntryOnLine(int line) { return edit().LBED->item(line)->text().toInt(); }
    // Hardpoint mode, the entry on LBED's line chosen and its coordinate part picked; returns the entry.
    int ChooseHardpoint(int line, int part) {
        Press(SBHP);
        Choose(line);
        Part(part);
        return EntryOnLine(line);
    }
};

}  // namespace

class EditAreaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitApplication(App()); }

    void hardpointUpdateWritesOnlyTheEditedCoordinateAndUndoRestoresIt() {
        EditSession s;
        s.Press(SBHP);
        QVERIFY(!s.edit().RP->isHidden());
        QCOMPARE(s.edit().LabED->text(), QStringLiteral("Hard Points"));
        QCOMPARE(s.edit().LBED->count(), int(s.built.layout.all(optb::Kind::Hardpoint).size()));
        QCOMPARE(Items(s.edit().RG1), (QStringList{"X offset", "Y offset", "Z offset", "Type"}));

        s.Choose(0);
        const int entry = s.EntryOnLine(0);
        QCOMPARE(s.app.selection().Edit_Index, entry);
        const int64_t payload = s.app.store().ttbh[entry].Data_Offset;
        QCOMPARE(PanelMemo(s.panel()).front(), QStringLiteral("Orginal Hardpoint ********"));
        QCOMPARE(s.panel().Memo()->toPlainText().toStdString(), [&] {
            std::string all;
            for (const auto& line : s.area().Widgets().Memo) all += (all.empty() ? "" : "\n") + line;
            return all;
        }());
        // The list comes from the lookup file, the text from the built-in names.
        QCOMPARE(s.edit().EHPType->count(), 5);
        QCOMPARE(s.edit().EHPType->currentText(), QStringLiteral("RebelLaser"));
        QVERIFY(s.edit().E->isHidden() && s.edit().SBUpdate->isHidden());

        s.Part(0);
        QVERIFY(!s.edit().E->isHidden());
        QVERIFY(s.edit().EHPType->isHidden());
        QVERIFY(!s.edit().SBView->isHidden() && !s.edit().SBUpdate->isHidden() &&
                !s.edit().SBUndo->isHidden());
        QCOMPARE(s.edit().E->text(), QString::number(double(ValueAt<float>(s.original, payload + 4))));

        s.Type(QStringLiteral("12.5"));
        s.edit().SBUpdate->click();
        const auto once = s.Now();
        QCOMPARE(once.size(), s.original.size());
        for (int64_t at : Differences(s.original, once)) QVERIFY(at >= payload + 4 && at < payload + 8);
        QCOMPARE(ValueAt<float>(once, payload + 4), 12.5f);
        QVERIFY(s.panel().Memo()->toPlainText().contains(QStringLiteral("     X=      12.50")));
        QVERIFY(s.app.dialogs.errors.empty());

        // A second Update on the same snapshot, then Undo: the bytes of the moment of the choice.
        s.Type(QStringLiteral("-3"));
        s.edit().SBUpdate->click();
        QCOMPARE(ValueAt<float>(s.Now(), payload + 4), -3.0f);
        s.edit().SBUndo->click();
        QVERIFY(s.Now() == s.original);
        // The part stays chosen and the box shows the restored value, not the undone one.
        QCOMPARE(s.edit().RG1->ItemIndex(), 0);
        QCOMPARE(s.edit().E->text(), QString::number(double(ValueAt<float>(s.original, payload + 4))));
        s.edit().SBUpdate->click();  // writes what the box shows: nothing changes
        QVERIFY(s.Now() == s.original);

        // The type: the line number of the name chosen in the drop-down.
        s.Choose(0);
        s.Part(3);
        QVERIFY(!s.edit().EHPType->isHidden() && s.edit().E->isHidden());
        s.edit().EHPType->setCurrentIndex(3);  // "EmpireLaser"
        s.edit().SBUpdate->click();
        QCOMPARE(ValueAt<int32_t>(s.Now(), payload), 3);
        QCOMPARE(Differences(s.original, s.Now()).size(), size_t{1});
    }

    void updateAfterUndoActsAndRevertLastWriteUndoesTheNewestWrite() {
        EditSession s;
        QAction* revert = s.app.viewer().Item(QStringLiteral("RevertLastWrite1"));
        QVERIFY(revert != nullptr);
        s.app.viewer().SetMenu();
        QVERIFY(!revert->isEnabled());  // nothing written yet
        const int entry = s.ChooseHardpoint(0, 0);
        const int64_t payload = s.app.store().ttbh[entry].Data_Offset;
        s.Type(QStringLiteral("12.5"));
        s.edit().SBUpdate->click();
        s.edit().SBUndo->click();
        // The entry stays chosen after Undo: the next Update writes it.
        s.Part(1);
        s.Type(QStringLiteral("7"));
        s.edit().SBUpdate->click();
        QCOMPARE(ValueAt<float>(s.Now(), payload + 8), 7.0f);
        s.app.viewer().SetMenu();
        QVERIFY(revert->isEnabled());
        revert->trigger();
        QVERIFY(s.Now() == s.original);
        QCOMPARE(s.app.store().ttbh[entry].Y, ValueAt<float>(s.original, payload + 8));  // reloaded
        QVERIFY(s.app.dialogs.errors.empty());
        QCOMPARE(s.app.dialogs.messages.back(), "Reverted write 3 of " + s.path);
    }

    void aWriteInterruptedByACrashIsNotedAtLoadAndRevertLastWriteRevertsIt() {
        EditSession s;
        // Two hardpoints in one write, stopped after the first.
        std::vector<PatchRun> runs;
        for (int entry : {0, 1}) {
            const int64_t at = s.app.store().ttbh[entry].Data_Offset + 4;
            runs.push_back({"hardpoint " + std::to_string(entry),
                            at,
                            {s.original.begin() + at, s.original.begin() + at + 4},
                            {1, 2, 3, 4}});
        }
        const std::string journal = JournalFilePath(TheDirs().SaveDataDir);
        JournalBegin(journal, s.path, static_cast<int64_t>(s.original.size()), runs, std::nullopt);
        auto halfway = s.original;
        std::copy(runs[0].New.begin(), runs[0].New.end(), halfway.begin() + runs[0].Position);
        optb::write_file(s.path, halfway);
        s.app.viewer().Item(QStringLiteral("Reload1"))->trigger();
        QCOMPARE(s.app.viewer().SB().Lines().back(),
                 "the last write to " + s.path +
                     " (id 1) was interrupted: 1 of 2 runs hold the new bytes; File > Revert Last Write or "
                     "`zedaruz-cli revert " +
                     s.path + "` puts the old ones back");
        QAction* revert = s.app.viewer().Item(QStringLiteral("RevertLastWrite1"));
        QVERIFY(revert->isEnabled());
        revert->trigger();
        QVERIFY(s.Now() == s.original);
        QVERIFY(s.app.dialogs.errors.empty());
        QVERIFY(!revert->isEnabled());  // reloaded: nothing left to revert
    }

    void descriptorUpdateWritesTheGroupAndTargetSilently() {
        EditSession s;
        s.Press(SBHZED);
        QCOMPARE(s.edit().LabED->text(), QStringLiteral("Mesh Things"));
        QCOMPARE(s.edit().LBED->count(), optb::kDemoMeshes);
        QVERIFY(!s.edit().SBHZ0->isHidden());
        s.Choose(1);
        const int entry = s.EntryOnLine(1);
        const int64_t payload = s.app.store().tcb[entry].Data_Offset;
        QCOMPARE(Items(s.edit().RG1),
                 (QStringList{"X offset", "Y offset", "Z offset", "Group Id", "Type", "Unknown"}));
        QCOMPARE(PanelMemo(s.panel()).front(), QStringLiteral("Orginal Target Box point ********"));
        QCOMPARE(s.edit().EHPType->currentText(), QStringLiteral("WING"));

        s.Part(3);
        QCOMPARE(s.edit().E->text(), QString::number(ValueAt<int32_t>(s.original, payload + 56)));
        s.Type(QStringLiteral("7"));
        s.edit().SBUpdate->click();
        auto now = s.Now();
        for (int64_t at : Differences(s.original, now)) QVERIFY(at >= payload + 56 && at < payload + 60);
        QCOMPARE(ValueAt<int32_t>(now, payload + 56), 7);

        s.Part(0);
        s.Type(QStringLiteral("0.5"));
        s.edit().SBUpdate->click();
        now = s.Now();
        for (int64_t at : Differences(s.original, now)) QVERIFY(at >= payload + 56 && at < payload + 64);
        QCOMPARE(ValueAt<float>(now, payload + 60), 0.5f);
        QVERIFY(s.app.dialogs.messages.empty());  // WriteHZ says nothing while SBHZED is down

        s.edit().SBUndo->click();
        QVERIFY(s.Now() == s.original);
    }

    void lodDistanceUpdateWritesTheSameDistanceIntoEveryLodSet() {
        EditSession s;
        s.Press(SBRes);
        QCOMPARE(s.edit().LabED->text(), QStringLiteral("Distances"));
        QCOMPARE(Entries(s.edit().LBED), (QStringList{"0", "1"}));
        QVERIFY(!s.edit().RLabel->isHidden());
        s.Choose(1);
        QCOMPARE(Items(s.edit().RG1), (QStringList{"Distance 0", "Distance 1"}));
        const QStringList table = PanelMemo(s.panel());
        QVERIFY(!table.isEmpty());

        s.Part(1);
        QCOMPARE(s.edit().E->text(), QStringLiteral("6000.0000000000"));
        QVERIFY(!s.edit().SBUpdate->isHidden());
        QVERIFY(s.edit().SBView->isHidden() && s.edit().SBUndo->isHidden());
        s.Type(QStringLiteral("5000"));
        s.edit().SBUpdate->click();

        QCOMPARE(s.app.dialogs.messages, (std::vector<std::string>{s.path + " LOD`s updated"}));
        const auto now = s.Now();
        const auto sets = s.built.layout.all(optb::Kind::LodSet);
        QCOMPARE(int(sets.size()), optb::kDemoMeshes);
        for (const auto* set : sets) {
            QCOMPARE(ValueAt<float>(now, set->data_pos + 4), 5000.0f);
            QCOMPARE(ValueAt<float>(now, set->data_pos), ValueAt<float>(s.original, set->data_pos));
        }
        for (int64_t at : Differences(s.original, now)) {
            bool inSecondDistance = false;
            for (const auto* set : sets)
                inSecondDistance |= at >= set->data_pos + 4 && at < set->data_pos + 8;
            QVERIFY(inSecondDistance);
        }
        QVERIFY(s.edit().SBUpdate->isHidden());
    }

    void lodDistanceBoxOffersTheDistanceTheFileHoldsNotTheUnsetMark() {
        EditSession s;  // every LOD set of the demo ship has two levels: no one-level set sets Dist_1
        QCOMPARE(s.app.store().Dist_1, kUnsetReal);
        s.Press(SBRes);
        s.Choose(0);
        s.Part(0);
        const auto sets = s.built.layout.all(optb::Kind::LodSet);
        const QString first =
            QString::asprintf("%.10f", double(ValueAt<float>(s.original, sets.front()->data_pos)));
        QCOMPARE(s.edit().E->text(), first);
        QVERIFY(s.panel().Memo()->toPlainText().contains(QStringLiteral("Distance  0   ") + first));
        s.edit().SBUpdate->click();  // what the box shows is what the file holds: nothing changes
        QVERIFY(s.Now() == s.original);
        QVERIFY(s.app.dialogs.errors.empty());
    }

    void rotScaleUpdateAndUndoRewriteTheBlock() {
        EditSession s;
        s.Press(SBRSH);
        QCOMPARE(s.edit().LabED->text(), QStringLiteral("Scale Things"));
        s.Choose(2);
        const int entry = s.EntryOnLine(2);
        const int64_t payload = s.app.store().trsh[entry].Data_Offset;
        QCOMPARE(s.edit().RG1->Count(), 12);
        QCOMPARE(PanelMemo(s.panel()).front(), QStringLiteral("Orginal Scales ********"));

        s.Part(4);  // Scale_1 Y
        QCOMPARE(s.edit().E->text(),
                 QString::asprintf("%.10f", double(ValueAt<float>(s.original, payload + 16))));
        s.Type(QStringLiteral("2.25"));
        s.edit().SBUpdate->click();
        QCOMPARE(s.app.dialogs.messages, (std::vector<std::string>{"File updated.. "}));
        const auto now = s.Now();
        for (int64_t at : Differences(s.original, now)) QVERIFY(at >= payload + 16 && at < payload + 20);
        QCOMPARE(ValueAt<float>(now, payload + 16), 2.25f);

        // The Update hid the buttons; choosing the part again offers Undo.
        QVERIFY(s.edit().SBUpdate->isHidden());
        s.Part(4);
        s.edit().SBUndo->click();
        QVERIFY(s.Now() == s.original);
    }

    void hitZonesComputedOnTheClickAreWrittenAndTheirCentresCopied() {
        // One triangle (0,0,0), (2,0,0), (0,4,-6) in mesh 0; its descriptor and rotation/scale block
        // hold nothing yet.
        optb::Model m;
        m.palettes.push_back(optb::PaletteBlock::ramp(0));
        m.entries.push_back(optb::Mesh{
            .children = {
                optb::Vertices{.points = {{0, 0, 0}, {2, 0, 0}, {0, 4, -6}}},
                optb::Descriptor{},
                optb::RotScale{},
                optb::LodSet{.distances = {100.f},
                             .face_lists = {optb::FaceList{
                                 .children = {optb::FaceData{.faces = {optb::Face::tri(0, 1, 2)}}}}}},
            }});
        EditSession s(m);
        const auto& descriptor = s.built.layout.nth(optb::Kind::Descriptor);
        const auto& rotScale = s.built.layout.nth(optb::Kind::RotScale);

        s.Press(SBCopyCenters);
        QCOMPARE(s.app.dialogs.messages, (std::vector<std::string>{"Auto Calculate Hitzones First"}));
        s.app.dialogs.messages.clear();

        s.Press(SBHZ);
        QCOMPARE(
            s.app.dialogs.messages,
            (std::vector<std::string>{" Make sure you have a copy of file before writing there is no undo "
                                      "feature for hitzones\nFile > Revert Last Write undoes a write."}));
        QVERIFY(s.panel().ModeButtonWidget(SBShoHZ)->isChecked());
        QVERIFY(!s.edit().SBHZWrite->isHidden());
        QVERIFY(s.panel().HitZonesComputed());
        QVERIFY(s.Now() == s.original);  // computed in memory only

        s.edit().SBHZWrite->click();  // in the computation's own mode: no question
        QVERIFY(s.app.dialogs.questions.empty());
        QCOMPARE(s.app.dialogs.messages.back(), s.path + " Updated with new HitZone(s)");
        QVERIFY(s.edit().SBHZWrite->isHidden());
        const auto now = s.Now();
        const int64_t d = descriptor.data_pos;
        const float expected[12] = {2, 4, 6, 1, 2, -3, 0, 0, -6, 2, 4, 0};  // span, centre, min, max
        for (int i = 0; i < 12; ++i) QCOMPARE(ValueAt<float>(now, d + 8 + 4 * i), expected[i]);
        for (int64_t at : Differences(s.original, now)) QVERIFY(at >= d + 8 && at < d + 56);

        s.Press(SBCopyCenters);
        QCOMPARE(s.app.dialogs.messages.back(),
                 std::string("File updated.. Note: Turret centers will not be 100% correct"));
        const auto copied = s.Now();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ValueAt<float>(copied, rotScale.data_pos + 4 * i), expected[3 + i]);
        for (int64_t at : Differences(now, copied))
            QVERIFY(at >= rotScale.data_pos && at < rotScale.data_pos + 12);
    }

    void writeZeroCornersAsksOutsideTheDescriptorModeAndSoDoesWriteHZ() {
        EditSession s;
        s.Press(SBHZED);
        s.Press(SBMESH);  // the button stays offered after leaving the mode
        QVERIFY(!s.edit().SBHZ0->isHidden());
        // Outside its mode a click asks first; No writes nothing and keeps the button.
        const std::string question =
            "Zero the hit-zone corners of 4 mesh descriptors in ship.opt? File > Revert Last Write undoes "
            "it.";
        s.edit().SBHZ0->click();
        QCOMPARE(s.app.dialogs.questions, std::vector<std::string>{question});
        QVERIFY(s.Now() == s.original);
        QVERIFY(!s.edit().SBHZ0->isHidden());
        QVERIFY(s.app.dialogs.messages.empty());
        s.app.dialogs.askAnswers.push_back(true);
        s.edit().SBHZ0->click();
        QCOMPARE(s.app.dialogs.questions.size(), size_t{2});
        QCOMPARE(s.app.dialogs.messages,
                 (std::vector<std::string>{s.path + " Updated HitZone(s) with zero`s"}));
        QVERIFY(s.edit().SBHZ0->isHidden());
        const auto now = s.Now();
        for (const auto* block : s.built.layout.all(optb::Kind::Descriptor)) {
            for (int i = 0; i < 6; ++i) QCOMPARE(ValueAt<float>(now, block->data_pos + 32 + 4 * i), 0.0f);
            QCOMPARE(ValueAt<float>(now, block->data_pos + 8),
                     ValueAt<float>(s.original, block->data_pos + 8));
        }
        // In its own mode the click writes without a question.
        s.Press(SBHZED);
        s.edit().SBHZ0->click();
        QCOMPARE(s.app.dialogs.questions.size(), size_t{2});
        QVERIFY(s.edit().SBHZ0->isHidden());

        // WriteHZ stays offered after the computation; clicked from another mode it asks the same way.
        s.Press(SBHZ);
        QVERIFY(!s.edit().SBHZWrite->isHidden());
        s.Press(SBVx);
        s.edit().SBHZWrite->click();
        QCOMPARE(s.app.dialogs.questions.back(),
                 std::string("Write the computed hit zones of 4 mesh descriptors "
                             "into ship.opt? File > Revert Last Write undoes it."));
        QVERIFY(s.Now() == now);
        QVERIFY(!s.edit().SBHZWrite->isHidden());
    }

    void allResEnablesTheSpinBoxAndHidesTheEditArea() {
        EditSession s;
        s.Press(SBHP);
        QVERIFY(!s.edit().RP->isHidden());
        s.panel().CBAllRES()->click();
        QVERIFY(s.app.selection().AllRes);
        QVERIFY(s.panel().SPERes()->isEnabled());
        QVERIFY(s.edit().RP->isHidden());
        s.panel().CBAllRES()->click();
        QVERIFY(!s.app.selection().AllRes);
        QVERIFY(!s.panel().SPERes()->isEnabled());
    }

    void browsingButtonHidesTheEditAreaForGood() {
        // A browsing mode hides RP behind the core's back; the next edit handler must not bring it back.
        EditSession s;
        s.Press(SBHZED);
        s.Press(SBMESH);
        QVERIFY(s.edit().RP->isHidden());
        s.Press(SBCopyCenters);
        QVERIFY(s.edit().RP->isHidden());
    }

    void aLoadEmptiesTheEditArea() {
        EditSession s;
        s.Press(SBRes);
        s.Choose(0);
        s.Part(0);
        QVERIFY(!s.edit().RP->isHidden());
        s.app.viewer().LoadWireTex();
        QVERIFY(s.edit().RP->isHidden() && s.edit().RLabel->isHidden() && s.edit().E->isHidden());
        QCOMPARE(s.edit().LBED->count(), 0);
        QCOMPARE(s.edit().RG1->Count(), 0);
        QCOMPARE(s.edit().LabED->text(), QString());
        QVERIFY(s.panel().Memo()->toPlainText().isEmpty());
        QCOMPARE(s.area().FileName, s.path);
        QCOMPARE(s.area().AppDataDir, s.AppDataDir());
        // Update with nothing chosen since the load writes nothing.
        s.edit().SBUpdate->click();
        QVERIFY(s.Now() == s.original);
    }

    void errorsReachTheErrorBoxAndNothingIsWritten() {
        EditSession s;
        const int entry = s.ChooseHardpoint(1, 1);
        const int64_t payload = s.app.store().ttbh[entry].Data_Offset;

        s.Type(QStringLiteral("1,5x"));
        s.edit().SBUpdate->click();
        QCOMPARE(s.app.dialogs.errors,
                 (std::vector<std::string>{"'1,5x' is not a valid floating point value"}));
        QVERIFY(s.Now() == s.original);

        // The file changed on disk since the load: the hardpoint's header is not where it was read.
        auto moved = s.original;
        moved[static_cast<size_t>(payload - 24)] ^= 0x01;
        optb::write_file(s.path, moved);
        s.Type(QStringLiteral("9"));
        s.edit().SBUpdate->click();
        QCOMPARE(s.app.dialogs.errors.back(),
                 "Nothing was written: hardpoint " + std::to_string(entry) + " in " + s.path +
                     " (file position " + std::to_string(payload - 24) +
                     ") no longer holds the bytes read there at load time. The file changed on disk since it "
                     "was loaded, or the block's data does not directly follow its header. Reload the file "
                     "before editing it.");
        QVERIFY(s.Now() == moved);

        // The file removed after the load: the open fails and no file is created.
        std::filesystem::remove(s.path);
        s.edit().SBUpdate->click();
        QCOMPARE(s.app.dialogs.errors.back(), "Cannot open file " + s.path);
        QVERIFY(!std::filesystem::exists(s.path));
        QVERIFY(s.app.dialogs.messages.empty());

        // A missing lookup file: the snapshot is shown, the type box keeps its list.
        std::filesystem::remove(s.app.ProgramPath() / "AppData" / "HardPoints.txt");
        s.Choose(0);
        QCOMPARE(s.app.dialogs.errors.back(), "Cannot open file " + s.AppDataDir() + "HardPoints.txt");
        QCOMPARE(PanelMemo(s.panel()).front(), QStringLiteral("Orginal Hardpoint ********"));
        QCOMPARE(s.edit().EHPType->count(), 5);
    }

    void closingTheViewerFreesTheEditors() {
        EditSession s;
        s.Press(SBRSH);
        s.Press(SBHP);
        s.Choose(0);
        QVERIFY(s.area().Hardpoints() != nullptr && s.area().RotScales() != nullptr);
        s.app.viewer().close();
        QVERIFY(s.area().Hardpoints() == nullptr);
        QVERIFY(s.area().RotScales() == nullptr);
        QVERIFY(s.area().Descriptors() == nullptr);  // never created: nothing to free
        // No line is left that could reach a freed editor; entering the mode creates it again.
        s.area().LBEDClick(0);
        s.Press(SBHP);
        s.Choose(0);
        QVERIFY(s.area().Hardpoints() != nullptr);
    }

    void flagViewerShowsTheBitsOfFe1() {
        RunningApp app;
        TML& panel = app.panel();
        TFlagEdit& flags = *app.windows.flagEdit;
        QCOMPARE(flags.size(), QSize(326, 313));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto doubleClick = [&](const QString& text) {
            panel.FE1()->setText(text);
            QTest::mouseDClick(panel.FE1(), Qt::LeftButton);
        };
        auto checked = [&] {
            std::vector<int> bits;
            for (int i = 0; i < kFlagBits; ++i)
                if (flags.Boxes()[size_t(i)]->isChecked()) bits.push_back(i);
            return bits;
        };

        doubleClick(QStringLiteral("Flags Longint"));
        QCOMPARE(app.dialogs.errors,
                 (std::vector<std::string>{"'Flags Longint' is not a valid integer value"}));
        QVERIFY(app.dialogs.modalWindows.empty());

        doubleClick(QStringLiteral("5"));
        QCOMPARE(app.dialogs.modalWindows, (std::vector<QString>{QStringLiteral("Flag Editor")}));
        QCOMPARE(checked(), (std::vector<int>{0, 2}));
        for (int i = 0; i < kFlagBits; ++i)
            QCOMPARE(flags.Boxes()[size_t(i)]->text(), QStringLiteral("Flag %1").arg(i));

        doubleClick(QStringLiteral("$FFFFFFFF"));
        QCOMPARE(int(checked().size()), kFlagBits);
        doubleClick(QStringLiteral("0"));
        QVERIFY(checked().empty());
        doubleClick(QStringLiteral("2147483648"));
        QCOMPARE(app.dialogs.errors.back(), std::string("'2147483648' is not a valid integer value"));
        QCOMPARE(app.dialogs.modalWindows.size(), size_t{3});

        // The boxes only show: a click on one changes nothing.
        flags.show();
        QVERIFY(QTest::qWaitForWindowExposed(&flags));
        QTest::mouseClick(flags.Boxes()[3], Qt::LeftButton);
        QVERIFY(checked().empty());
        flags.BNOK()->click();
        QVERIFY(!flags.isVisible());
        QCOMPARE(panel.FE1()->text(), QStringLiteral("2147483648"));
    }
};

QTEST_MAIN(EditAreaTest)
#include "edit_area_test.moc"
