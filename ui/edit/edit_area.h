// The edit area of the control panel without its widgets: the four edit modes (SBHP hardpoints,
// SBHZED mesh descriptors, SBRes LOD distances, SBRSH rotation/scale blocks), the hit-zone buttons
// and "All Res". The windows forward each click to the handler of the same name and then mirror
// Widgets(). Plain C++ over the core: each Update, Undo and write button turns the widgets' state
// into an edit value (edit/core/edits.h) and applies it to the opened file; the memo shows the core's
// texts of the records.
//
// Errors are thrown as OptError with the message to show; the handler stops where the error arose,
// as the event loop's error box does (for example the snapshot and memo of an entry are made before
// its lookup file is read, and the redraw of that click is skipped).
//
// Guards beyond the edit modes' own rules: Update and Undo do nothing at all (no change, no write, no
// redraw) until an entry has been chosen in the mode that is down, or while RG1 holds the parts of
// another mode; success messages appear only when bytes were written.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "edit/core/edits.h"
#include "edit/core/hit_zones.h"
#include "model/store.h"
#include "state/selection_state.h"
#include "ui/edit/edit_widgets.h"
#include "ui/edit/memo_lines.h"
#include "ui/edit/record_editors.h"

namespace opt {

// What the edit area needs from the windows around it.
class EditHost {
public:
    virtual ~EditHost() = default;
    // A modal notice with an OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool Ask(const std::string& question) = 0;
    // ShowHZ: clear the view and run DrawModel.
    virtual void Redraw() = 0;
    // FormHide: hide the control panel unless "Keep On Top" is checked, then Redraw.
    virtual void FormHide() = 0;
    // The lines of the resolution box ResBox ("0", "1", ... as the reader added them).
    virtual std::vector<std::string> ResBoxLines() const = 0;
    // Sets the text of ResBox; EditArea has already written it into SelectionState::Resolution.
    virtual void SetResBoxText(const std::string& text) = 0;
};

// One run written by the last handler: which block, where, how many bytes.
struct WrittenRun {
    std::string Block;
    int64_t Position = 0;
    int64_t Length = 0;
};

class EditArea {
public:
    EditArea(ModelStore& store, SelectionState& selection, EditHost& host);
    ~EditArea();

    // The opened model file (full name) and the lookup directory AppDataDir (with its trailing
    // separator). The windows set them: FileName after each load, AppDataDir at start.
    std::string FileName;
    std::string AppDataDir;
    // The write journal every write is recorded in first (empty: none, for tests and benchmarks),
    // and whether a write without a journal still flushes the model file to disk.
    std::string JournalPath;
    bool SyncWrites = true;

    EditWidgets& Widgets() { return w_; }
    const EditWidgets& Widgets() const { return w_; }
    bool HitZonesComputed() const { return hitZonesComputed_; }
    // After a computation: one line naming the mesh descriptors that got no box, or empty.
    std::string MeshesWithoutBox() const;
    // The runs the last handler wrote, in order (empty when it wrote nothing).
    const std::vector<WrittenRun>& LastWrites() const { return lastWrites_; }
    // The editor objects; null until their mode was first entered.
    const THP* Hardpoints() const { return thp_.get(); }
    const TEDHZ* Descriptors() const { return tedhz_.get(); }
    const TRSHED* RotScales() const { return trshed_.get(); }

    // A new load: the edit area hidden and emptied (SBHZ0 keeps its state); HitZonesComputed cleared.
    void OnLoad();

    // The viewer window closes: the rotation/scale, hardpoint and target-box editors are freed, in
    // that order (freeing one never created does nothing).
    void ReleaseEditors();

    // Entering the modes (each puts its button down in the selection's mode group first).
    void SBHPClick();
    void SBHZEDClick();
    void SBResClick();
    void SBRSHClick();

    // The mode dispatchers. line: the chosen line of LBED; item: the chosen item of RG1.
    void LBEDClick(int line);
    void RG1Click(int item);
    void SBViewClick();
    void SBUpdateClick();
    void SBUndoClick();

    // Hit zones.
    void SBHZClick();
    void SBHZWriteClick();
    void SBHZ0Click();
    void SBCopyCentersClick();

    // "All Res".
    void CBAllRESClick(bool checked);

private:
    enum class Mode { None, Hardpoints, Descriptors, Distances, RotScale };
    Mode ActiveMode() const;
    static RGMode PartsOf(Mode mode);
    // Update and Undo act only on an entry chosen in this mode, with RG1 holding this mode's parts.
    bool MayUpdate(Mode mode) const;
    // Memo = the snapshot's text block, then the working copy's (Show: the core's texts of a record).
    template <class Editor, class Show>
    void ShowSnapshotAndNew(const Editor& editor, Show show) {
        MemoLines memo(w_.Memo);
        memo.ClearMemo();
        show(editor.Snapshot, editor.New, memo, store_.Decimal_Separator);
    }
    void EnterMode(ModeButton button, const char* title);
    // The edit planned against the model, for FileName.
    EditPlan Plan(const Edit& edit) const { return PlanEdit(store_, edit, Target()); }
    // Writes the plan into FileName, recording the runs that changed bytes in LastWrites; false when
    // none did (with a message saying so and why, when there was reason). When the write fails, the
    // tables show the file's values again and the memo says so before the error goes on.
    bool Write(const EditPlan& plan);
    // Writes the edit, then says what the editors say once it wrote bytes.
    bool WriteAndSay(const Edit& edit);
    EditTarget Target() const { return {FileName, JournalPath, SyncWrites, nullptr}; }
    // Says in one line that a click wrote nothing, and why.
    void NothingWritten(const std::string& why);
    // After Undo re-entered the mode: the entry Edit_Index stays chosen, so Update acts on it.
    void KeepEntryChosen();
    // The table entry whose number LBED's line shows.
    std::optional<int> EntryOfLine(int line) const;
    int32_t MainOffset() const { return store_.txw.Main_Offset; }
    // True in the writer's own mode; elsewhere the answer to "<question>? File > Revert Last Write
    // undoes it." (Yes: write).
    bool AskedOutsideMode(bool inOwnMode, const std::string& question);
    // Writes every descriptor as the table holds it, with the edit made (the descriptor editor's
    // write-back); hides WriteHZ.
    bool WriteHZ(const Edit& edit);

    void ChooseHardpoint(int index);
    void HardpointPart(int item);
    void UpdateHardpoint();
    void UndoHardpoint();
    // Writes the working copy of the hardpoint Edit_Index.
    void UpdateFile();

    void ChooseDescriptor(int index);
    void DescriptorPart(int item);
    void UpdateDescriptor();
    void UndoDescriptor();

    void ChooseDistances();
    void DistancePart(int item);
    void UpdateDistances();

    void ChooseRotScale(int index);
    void RotScalePart(int item);
    void UpdateRotScale();
    void UndoRotScale();
    // Writes the working copy of the rotation/scale block Edit_Index.
    void OutRsh();

    ModelStore& store_;
    SelectionState& selection_;
    EditHost& host_;
    EditWidgets w_;
    bool hitZonesComputed_ = false;
    std::vector<int> withoutBox_;  // the mesh descriptors the last computation gave no box
    bool entryChosen_ = false;     // an entry was chosen in LBED since the mode was entered
    RGMode rgParts_ = kRGNone;     // whose parts RG1 holds
    std::vector<WrittenRun> lastWrites_;
    std::unique_ptr<THP> thp_;
    std::unique_ptr<TEDHZ> tedhz_;
    std::unique_ptr<TRSHED> trshed_;
};

}  // namespace opt
