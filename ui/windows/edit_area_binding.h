// The control panel's edit area driven by the editing core: each click on an edit control is passed
// to the EditArea handler of the same name, and the panel's widgets then show the EditWidgets state
// the handler left. The core reaches the windows through the EditHost side of this class.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/edit/edit_area.h"

namespace opt {

class TML;
struct WindowModel;

class EditAreaBinding : public EditHost {
public:
    // Connects the panel's edit controls and edit-mode buttons; the panel and the model (the store and
    // selection the edit area works on) outlive the binding.
    EditAreaBinding(TML& panel, WindowModel& model);

    EditArea& Area() { return area_; }
    const EditArea& Area() const { return area_; }

    // After every load: the opened file's name, then the core's reset of the edit area.
    void OnLoad(const std::string& fileName);

    // Runs one handler of the edit area: first what the user changed in the widgets (the texts of E
    // and EHPType, RP hidden by a browsing button, the SPERes value) goes into the core's state; after
    // the handler, also when it stops on an error, the widgets show the core's state again.
    void Run(const std::function<void()>& handler);

    // EditHost.
    void ShowMessage(const std::string& text) override;
    bool Ask(const std::string& question) override;
    void Redraw() override;
    void FormHide() override;
    std::vector<std::string> ResBoxLines() const override;
    void SetResBoxText(const std::string& text) override;

private:
    void Connect();
    void TakeUserInput();
    void Mirror();

    TML& panel_;
    EditArea area_;
    std::vector<std::string> memoBefore_;  // the panel's memo when the running handler began
};

}  // namespace opt
