// File > Export in the viewer window: one flow through the save dialog for each format, at the
// resolution shown.
#include <QAction>
#include <QComboBox>

#include "gui_fixture.h"
#include "tests/support/export_models.h"
#include "state/selection_state.h"
#include "ui/windows/control_panel.h"

namespace opt::guitest {

class ExportMenuTest : public QObject {
    Q_OBJECT
private slots:
    void exportsAtTheResolutionShown() {
        RunningApp app;
        QVERIFY(!app.viewer().Item(QStringLiteral("Export1"))->isEnabled());
        app.OpenModel(optb::export_model(), "ship.opt");
        QVERIFY(app.viewer().Item(QStringLiteral("Export1"))->isEnabled());

        const std::string glb = (app.ProgramPath() / "out.glb").string();
        app.dialogs.saveAnswers.push_back(glb);
        app.viewer().Item(QStringLiteral("ExportGltf1"))->trigger();
        QCOMPARE(app.dialogs.saveSuggestions.back(), app.SaveDataDir() + "ship.glb");
        QCOMPARE(app.dialogs.messages.back(),
                 "Wrote " + glb + ": 2 meshes, 6 triangles, 2 textures, 1 skipped faces");
        QVERIFY(std::filesystem::file_size(glb) > 0);

        // Level 3 holds no faces: the file is still written, with the warning.
        app.panel().ResBox()->setEditText(QStringLiteral("3"));
        const std::string obj = (app.ProgramPath() / "out.obj").string();
        app.dialogs.saveAnswers.push_back(obj);
        app.viewer().Item(QStringLiteral("ExportObj1"))->trigger();
        QVERIFY(app.dialogs.messages.back().rfind("Warning: no faces at level 3", 0) == 0);
        QVERIFY(std::filesystem::exists(obj));

        // Cancelling the dialog writes nothing and says nothing.
        const size_t shown = app.dialogs.messages.size();
        app.viewer().Item(QStringLiteral("ExportObj1"))->trigger();
        QCOMPARE(app.dialogs.messages.size(), shown);
        QVERIFY(app.dialogs.errors.empty());
    }
};

}  // namespace opt::guitest

QTEST_MAIN(opt::guitest::ExportMenuTest)
#include "export_menu_test.moc"
