// The state of the edit-area controls as plain data: the Qt edit area mirrors it after every handler
// (visibility, captions, list items, chosen items, texts), and copies what the user typed into E and
// EHPType back into EText and EHPTypeText before calling Update.
#pragma once

#include <string>
#include <vector>

namespace opt {

// Fixed captions and hints of the edit area.
inline constexpr const char* kRG1Caption = "Part to edit";
inline constexpr const char* kEHint = "X coordinate of hardpoint";
inline constexpr const char* kSBViewCaption = "View";
inline constexpr const char* kSBViewHint = "Writes edit boxes info to file";
inline constexpr const char* kSBUpdateCaption = "Update ";
inline constexpr const char* kSBUpdateHint = "Updates  the hardpoint info";
inline constexpr const char* kSBUndoCaption = "Undo";
inline constexpr const char* kSBUndoHint = "Restores  selected hardpoint";
inline constexpr const char* kSBHZWriteCaption = "WriteHZ";
inline constexpr const char* kSBHZWriteHint = "Writes auto computed Hitzone info to file";
inline constexpr const char* kSBHZ0Caption = "Write HZ  0`s";
// The second line of the hit-zone warning: the write journal undoes what the warning says cannot be.
inline constexpr const char* kRevertLastWriteNote = "File > Revert Last Write undoes a write.";
inline constexpr const char* kRLabelCaption = "Select any item,does not make a difference";
inline constexpr const char* kFE1Text = "Flags Longint";
inline constexpr const char* kFE1Hint = "enter number then dbl click";
inline constexpr int kSPEResMax = 20000;
inline constexpr int kSPEResStep = 500;

// The part lists of RG1, by SetRG's mode number.
enum RGMode { kRGNone = -1, kRGHardpoints = 0, kRGDescriptors = 1, kRGDistances = 2, kRGRotScale = 3 };

struct EditWidgets {
    bool RP = false;  // the edit panel
    std::string LabED;
    std::vector<std::string> LBED;
    int LBEDIndex = -1;  // chosen line, -1 none
    std::vector<std::string> RG1;
    int RG1Index = -1;  // chosen item, -1 none
    bool E = false;
    std::string EText;
    bool EHPType = false;
    std::vector<std::string> EHPTypeItems;
    std::string EHPTypeText;
    bool SBView = false, SBUpdate = false, SBUndo = false;
    std::vector<std::string> Memo;
    bool SBHZWrite = false;
    bool SBHZ0 = false;
    bool RLabel = false;
    bool SPEResEnabled = false;
    int SPEResValue = 0;

    // RG1 refilled with the parts of a mode; no item chosen. Mode 2 names one distance per LBED line.
    void SetRG(int mode);
    // Show E, hide EHPType, show the three buttons.
    void SetE() {
        ShowValueControls(true, false);
        SetBut();
    }
    // Hide E, show EHPType, show the three buttons.
    void SetT() {
        ShowValueControls(false, true);
        SetBut();
    }
    // Hide E, EHPType and the three buttons.
    void SetETF() {
        ShowValueControls(false, false);
        SetButF();
    }
    void SetBut() { ShowButtons(true, true, true); }
    // Only Update shown.
    void SetButU() { ShowButtons(false, true, false); }
    void SetButF() { ShowButtons(false, false, false); }
    void ClearEHPType() {
        EHPTypeItems.clear();
        EHPTypeText.clear();
    }
    void ClearLBED() {
        LBED.clear();
        LBEDIndex = -1;
    }

private:
    void ShowValueControls(bool e, bool type) {
        E = e;
        EHPType = type;
    }
    void ShowButtons(bool view, bool update, bool undo) {
        SBView = view;
        SBUpdate = update;
        SBUndo = undo;
    }
};

}  // namespace opt
