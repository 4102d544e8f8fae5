// Test support for the edit area: the model file of the edit tests loaded into a store of the
// test's own, an edit area over it, and a host that records messages and redraws through
// DrawModel, as the windows do.
#pragma once

#include "render/core/frame_builder.h"
#include "tests/edit/model_file_fixture.h"
#include "ui/edit/edit_area.h"

namespace edit_test {

class RecordingHost : public opt::EditHost {
public:
    RecordingHost(opt::ModelStore& store, opt::SelectionState& selection)
        : store_(store), selection_(selection) {}
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    // Every question is answered Yes, as by a user who means the click.
    bool Ask(const std::string& question) override {
        questions.push_back(question);
        return true;
    }
    void Redraw() override {
        ++redraws;
        if (store_.tcb[0].Type == opt::kMeshDescriptor) minXAtRedraw.push_back(store_.tcb[0].HZ_Min[0]);
        opt::DrawModel(store_, selection_, frame_);
    }
    void FormHide() override { Redraw(); }
    std::vector<std::string> ResBoxLines() const override { return opt::ResolutionLines(store_); }
    void SetResBoxText(const std::string& text) override { resBoxText = text; }

    std::vector<std::string> messages, questions;
    int redraws = 0;
    std::vector<float> minXAtRedraw;  // HZ_Min x of descriptor 0 at each redraw
    std::string resBoxText;

private:
    opt::ModelStore& store_;
    opt::SelectionState& selection_;
    opt::Frame frame_;
};

class EditFixture : public ModelFileFixture {
protected:
    EditFixture() : host(*store, selection), edit(*store, selection, host) {}

    // Writes the model to model.opt in the test's directory and loads it as the viewer does.
    void Open(const optb::Model& model) {
        ModelFileFixture::Open(model);
        selection.ModelLoaded = true;
        edit.FileName = file.string();
        edit.AppDataDir = dir.WithSeparator();
        edit.OnLoad();
    }
    // The LBED line that shows the entry number.
    int Line(int entry) const {
        const auto& lines = edit.Widgets().LBED;
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i] == std::to_string(entry)) return static_cast<int>(i);
        ADD_FAILURE() << "entry " << entry << " not listed";
        return -1;
    }
    // Chooses a part and types a value into E.
    void Type(int item, const std::string& text) {
        edit.RG1Click(item);
        edit.Widgets().EText = text;
    }

    opt::SelectionState selection;
    RecordingHost host;
    opt::EditArea edit;
};

}  // namespace edit_test
