// The patch commands of zedaruz-cli (set-hardpoint, set-descriptor, set-lod-distance, set-rsh,
// hitzones) share one session: the file loaded into the session's own store, and the edit area driven
// through the same handlers as the control panel. Messages go to standard output; the view is a
// frame built in memory, redrawn where the window redraws.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "edit/core/edit_area.h"
#include "model/store.h"
#include "render/core/frame.h"
#include "state/selection_state.h"

namespace cli {

class PatchSession : public opt::EditHost {
public:
    // Loads the file (throws OptError when it cannot be read). Lookup files come from the program's
    // AppData folder.
    explicit PatchSession(const std::string& path);

    opt::EditArea& Edit() { return edit_; }
    opt::ModelStore& Store() { return *store_; }

    // The LBED line that shows the entry number, or -1.
    int LineOf(int entry) const;
    // Prints the memo, then each run the last handler wrote ("Nothing written." when none).
    void PrintMemoAndWrites() const;
    void PrintWrites() const;

    // EditHost
    void ShowMessage(const std::string& text) override;
    void Redraw() override;
    void FormHide() override { Redraw(); }
    std::vector<std::string> ResBoxLines() const override;
    void SetResBoxText(const std::string&) override {}

private:
    std::unique_ptr<opt::ModelStore> store_;
    opt::SelectionState selection_;
    opt::Frame frame_;
    opt::EditArea edit_;
};

// A whole-word non-negative decimal number (at most 9 digits), or -1.
int EntryNumber(const std::string& word);

// The AppData folder of this program (FindProgramFolders), with a trailing separator, and the write
// journal every patch is recorded in (in its SaveData folder).
std::string ProgramAppDataDir();
std::string ProgramJournal();

}  // namespace cli
