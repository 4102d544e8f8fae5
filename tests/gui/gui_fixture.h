// What the window tests share: scripted modal interactions, the five windows in a fresh program
// folder, and small models written by the builder.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pixel_count.h"
#include "render/gl/gl_view.h"
#include "tests/support/opt_builder.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/settings.h"
#include "ui/windows/startup.h"
#include "ui/windows/viewer_window.h"
#include "ui/windows/window_model.h"

namespace opt::guitest {

// Records every modal interaction and answers the open dialog from a queue.
class ScriptedDialogs : public Dialogs {
public:
    std::vector<std::string> messages, errors, questions;
    std::deque<bool> askAnswers;                         // nothing left: No
    std::deque<std::optional<std::string>> openAnswers;  // nothing left: cancel
    std::vector<std::string> openStartDirs, openFilters;
    std::vector<std::pair<std::string, int>> helpCalls;
    std::vector<QString> modalWindows;
    std::deque<std::optional<std::string>> saveAnswers;  // nothing left: cancel
    std::vector<std::string> saveSuggestions;

    void Message(const std::string& text) override { messages.push_back(text); }
    void Error(const std::string& text) override { errors.push_back(text); }
    bool Ask(const std::string& question) override {
        questions.push_back(question);
        if (askAnswers.empty()) return false;
        const bool answer = askAnswers.front();
        askAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> ChooseOpenFile(const std::string& startDir,
                                              const std::string& filter) override {
        openStartDirs.push_back(startDir);
        openFilters.push_back(filter);
        if (openAnswers.empty()) return std::nullopt;
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> ChooseSaveFile(const std::string& suggestedPath, const std::string&) override {
        saveSuggestions.push_back(suggestedPath);
        if (saveAnswers.empty()) return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    void ShowHelp(const std::string& helpFile, int context) override {
        helpCalls.emplace_back(helpFile, context);
    }
    void RunModal(QDialog& dialog) override {
        modalWindows.push_back(dialog.windowTitle());
        dialog.show();
        dialog.hide();
    }
};

inline std::string Local(const QString& s) { return s.toLocal8Bit().toStdString(); }

// The program as it starts: the five windows with their program folder in a temporary directory,
// the viewer shown and its GL view ready.
struct RunningApp {
    ScriptedDialogs dialogs;
    QTemporaryDir programDir;
    AppWindows windows;

    // settingsFile: where the windows keep their settings (default: a fresh file of this program
    // folder), so no test reads or changes the user's own.
    explicit RunningApp(bool withAppData = true, const QString& settingsFile = {}) {
        SetDialogs(&dialogs);
        UseSettingsFile(settingsFile.isEmpty() ? programDir.filePath(QStringLiteral("settings.ini"))
                                               : settingsFile);
        if (withAppData) std::filesystem::create_directory(ProgramPath() / "AppData");
        windows = CreateWindows(PortableFolders(ProgramPath()));
        windows.glw->show();
        QElapsedTimer waited;
        waited.start();
        while (!windows.glw->View().isValid() && waited.elapsed() < 5000) QTest::qWait(20);
        QTest::qWait(20);
    }
    ~RunningApp() {
        windows = AppWindows();
        SetDialogs(nullptr);
    }
    std::filesystem::path ProgramPath() const { return Local(programDir.path()); }
    std::string SaveDataDir() const { return (ProgramPath() / "SaveData").string() + "/"; }
    TGLW& viewer() { return *windows.glw; }
    TML& panel() { return *windows.ml; }
    // What the windows under test share: their model, selection and view state.
    ModelStore& store() { return windows.model->Store; }
    SelectionState& selection() { return windows.model->Selection; }
    ViewState& view() { return windows.model->View; }

    // Writes the model as `name` in the program folder and opens it through "Read OPt".
    std::string OpenModel(const optb::Model& model, const std::string& name) {
        const std::string path = WriteModel(model, name);
        dialogs.openAnswers.push_back(path);
        viewer().Item(QStringLiteral("ReadVxfromOPt1"))->trigger();
        return path;
    }
    std::string WriteModel(const optb::Model& model, const std::string& name) {
        const std::string path = (ProgramPath() / name).string();
        optb::write_file(path, optb::build(model).bytes);
        return path;
    }
};

// A mesh with four vertices drawn as one quad face after a texture of 2 x 2 pixels.
inline optb::Mesh QuadMesh(float x, const std::string& texture, int palette = 0) {
    return optb::Mesh{.children =
                          {
                              optb::Vertices{
                                  .points = {{x, 0, 0}, {x + 10, 0, 0}, {x + 10, 10, 0}, {x, 10, 0}}},
                              optb::Descriptor{.hz_min = {x, 0, 0}, .hz_max = {x + 10, 410, 0}},
                              optb::LodSet{
                                  .distances = {100.f},
                                  .face_lists = {optb::FaceList{.children =
                                                                    {
                                                                        optb::Texture{.name = texture,
                                                                                      .palette = palette,
                                                                                      .width = 2,
                                                                                      .height = 2,
                                                                                      .pixels = {10,
                                                                                                 20, 30, 40}},
                                                                        optb::FaceData{
                                                                            .faces =
                                                                                {optb::Face::quad(0, 1, 2, 3)}},
                                                                    }}}},
                          }};
}

// Top-level entries 0 and 2 are meshes with children; entry 1 is a mesh without any.
inline optb::Model GapModel() {
    optb::Model m;
    m.palettes.push_back(optb::PaletteBlock::ramp(0));
    m.palettes.push_back(optb::PaletteBlock::ramp(1));
    m.entries.push_back(QuadMesh(0, "HULL"));
    m.entries.push_back(optb::Mesh{});
    m.entries.push_back(QuadMesh(20, "WING", 1));
    return m;
}

inline QApplication& App() { return *static_cast<QApplication*>(QCoreApplication::instance()); }

}  // namespace opt::guitest
