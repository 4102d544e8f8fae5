// The edit area's common machinery: entering a mode, the dispatch of the four handlers in the order
// SBHP, SBHZED, SBRes, SBRSH, the reset of a load, and the one way it writes.
#include "ui/edit/edit_area.h"

#include <charconv>

#include "model/errors.h"

namespace opt {

EditArea::EditArea(ModelStore& store, SelectionState& selection, EditHost& host)
    : store_(store), selection_(selection), host_(host) {}

EditArea::~EditArea() = default;

void EditArea::OnLoad() {
    const bool hz0 = w_.SBHZ0;
    const bool speEnabled = w_.SPEResEnabled;
    const int speValue = w_.SPEResValue;
    w_ = EditWidgets{};
    w_.SBHZ0 = hz0;
    w_.SPEResEnabled = speEnabled;
    w_.SPEResValue = speValue;
    hitZonesComputed_ = false;
    withoutBox_.clear();
    entryChosen_ = false;
    rgParts_ = kRGNone;
    lastWrites_.clear();
}

void EditArea::ReleaseEditors() {
    trshed_.reset();
    thp_.reset();
    tedhz_.reset();
    // No line of LBED may reach a freed editor: a mode is entered again (creating it) before a choice.
    w_.ClearLBED();
    entryChosen_ = false;
}

EditArea::Mode EditArea::ActiveMode() const {
    const ModeGroup& g = selection_.DisplayMode;
    if (g.IsDown(SBHP)) return Mode::Hardpoints;
    if (g.IsDown(SBHZED)) return Mode::Descriptors;
    if (g.IsDown(SBRes)) return Mode::Distances;
    if (g.IsDown(SBRSH)) return Mode::RotScale;
    return Mode::None;
}

// The RG1 parts each edit mode fills in.
RGMode EditArea::PartsOf(Mode mode) {
    switch (mode) {
        case Mode::Hardpoints:
            return kRGHardpoints;
        case Mode::Descriptors:
            return kRGDescriptors;
        case Mode::Distances:
            return kRGDistances;
        case Mode::RotScale:
            return kRGRotScale;
        case Mode::None:
            break;
    }
    return kRGNone;
}

bool EditArea::MayUpdate(Mode mode) const {
    if (!entryChosen_ || mode == Mode::None || rgParts_ != PartsOf(mode)) return false;
    const int e = selection_.Edit_Index;
    switch (mode) {
        case Mode::Hardpoints:
            return thp_ && store_.ttbh.InRange(e);
        case Mode::Descriptors:
            return tedhz_ && store_.tcb.InRange(e);
        case Mode::Distances:
            return true;
        case Mode::RotScale:
            return trshed_ && store_.trsh.InRange(e);
        case Mode::None:
            return false;
    }
    return false;
}

void EditArea::EnterMode(ModeButton button, const char* title) {
    selection_.DisplayMode.PutDown(button);
    w_.ClearLBED();
    w_.RP = true;
    w_.LabED = title;
    entryChosen_ = false;
}

std::optional<int> EditArea::EntryOfLine(int line) const {
    if (line < 0 || line >= static_cast<int>(w_.LBED.size())) return std::nullopt;
    const std::string& text = w_.LBED[static_cast<size_t>(line)];
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

bool EditArea::Write(const EditPlan& plan) {
    AppliedEdit applied;
    try {
        applied = ApplyPlan(store_, plan, Target());
    } catch (const OptError&) {
        MemoLines(w_.Memo).AddLine("Not written: the tables hold the values of the file again.");
        throw;
    }
    for (const auto& r : applied.Runs)
        lastWrites_.push_back({r.What, r.Position, static_cast<int64_t>(r.New.size())});
    if (const auto nothing = NothingWrittenLine(plan, applied, FileName)) host_.ShowMessage(*nothing);
    return !applied.Runs.empty();
}

bool EditArea::WriteAndSay(const Edit& edit) {
    const bool wrote = Write(Plan(edit));
    if (wrote) host_.ShowMessage(WrittenMessage(edit, FileName));
    return wrote;
}

void EditArea::NothingWritten(const std::string& why) { host_.ShowMessage("Nothing written: " + why + "."); }

void EditArea::KeepEntryChosen() {
    entryChosen_ = true;
    const std::string entry = std::to_string(selection_.Edit_Index);
    for (size_t i = 0; i < w_.LBED.size(); ++i)
        if (w_.LBED[i] == entry) w_.LBEDIndex = static_cast<int>(i);
}

void EditArea::LBEDClick(int line) {
    if (line < 0 || line >= static_cast<int>(w_.LBED.size())) return;
    w_.LBEDIndex = line;
    const std::optional<int> entry = EntryOfLine(line);
    switch (ActiveMode()) {
        case Mode::Hardpoints:
            if (entry && store_.ttbh.InRange(*entry)) ChooseHardpoint(*entry);
            break;
        case Mode::Descriptors:
            if (entry && store_.tcb.InRange(*entry)) ChooseDescriptor(*entry);
            break;
        case Mode::Distances:
            ChooseDistances();
            break;
        case Mode::RotScale:
            if (entry && store_.trsh.InRange(*entry)) ChooseRotScale(*entry);
            break;
        case Mode::None:
            break;
    }
    host_.Redraw();
}

void EditArea::RG1Click(int item) {
    if (item < 0 || item >= static_cast<int>(w_.RG1.size())) return;
    w_.RG1Index = item;
    switch (ActiveMode()) {
        case Mode::Hardpoints:
            HardpointPart(item);
            break;
        case Mode::Descriptors:
            DescriptorPart(item);
            break;
        case Mode::Distances:
            DistancePart(item);
            break;
        case Mode::RotScale:
            RotScalePart(item);
            break;
        case Mode::None:
            break;
    }
}

void EditArea::SBViewClick() { host_.FormHide(); }

void EditArea::SBUpdateClick() {
    lastWrites_.clear();
    const Mode mode = ActiveMode();
    if (!MayUpdate(mode)) return;
    switch (mode) {
        case Mode::Hardpoints:
            UpdateHardpoint();
            break;
        case Mode::Descriptors:
            UpdateDescriptor();
            break;
        case Mode::Distances:
            UpdateDistances();
            break;
        case Mode::RotScale:
            UpdateRotScale();
            break;
        case Mode::None:
            return;
    }
    host_.Redraw();
}

void EditArea::SBUndoClick() {
    lastWrites_.clear();
    const Mode mode = ActiveMode();
    if (!MayUpdate(mode)) return;
    // The part stays chosen and its box shows the restored value: an Update right after writes what
    // the user sees. (Entering the hardpoint and descriptor modes again empties the type list.)
    const int part = w_.RG1Index;
    const std::vector<std::string> types = w_.EHPTypeItems;
    switch (mode) {
        case Mode::Hardpoints:
            UndoHardpoint();
            break;
        case Mode::Descriptors:
            UndoDescriptor();
            break;
        case Mode::RotScale:
            UndoRotScale();
            break;
        case Mode::Distances:  // the LOD mode has no undo
        case Mode::None:
            return;
    }
    w_.EHPTypeItems = types;
    if (part >= 0 && part < static_cast<int>(w_.RG1.size())) RG1Click(part);
    host_.Redraw();
}

void EditArea::CBAllRESClick(bool checked) {
    selection_.AllRes = checked;
    w_.SPEResEnabled = checked;
    w_.RP = false;
    host_.FormHide();
}

}  // namespace opt
