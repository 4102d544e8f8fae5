// The patch commands of zedaruz-cli (set-hardpoint, set-descriptor, set-lod-distance, set-rsh,
// hitzones, set-hardpoints, import-texture, revert) build an edit value from their words and apply it
// to the file: what is printed (the editors' memo texts and messages, the runs written) is the
// control panel's.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "app/cli/stdout_sink.h"
#include "edit/core/edits.h"
#include "model/store.h"

namespace cli {

// The model a patch command works on: FILE loaded (the reader's lines go to standard error), and the
// target its writes go to, journaled in ProgramJournal() (damaged journal lines on standard error).
class PatchModel {
public:
    // Throws OptError when the file cannot be read.
    explicit PatchModel(const std::string& file);

    opt::ModelStore& Store() { return *store_; }
    const opt::EditTarget& Target() const { return target_; }

    // Writes the plan; prints the line saying that it wrote nothing (and why, when the plan knows), or
    // what the editors say once `edit` wrote bytes.
    opt::AppliedEdit Apply(const opt::EditPlan& plan, const opt::Edit& edit);
    opt::AppliedEdit Apply(const opt::Edit& edit) {
        return Apply(opt::PlanEdit(*store_, edit, target_), edit);
    }

private:
    std::unique_ptr<opt::ModelStore> store_;
    StderrSink journalWarnings_;
    opt::EditTarget target_;
};

// "Wrote N bytes at position P: what", a line per run.
void PrintRuns(std::span<const opt::PatchRun> runs);
// The same, or "Nothing written." when no run was written.
void PrintWrites(std::span<const opt::PatchRun> runs);

// Runs a patch command's work: BadWords becomes the command's usage error (status 2), an OptError
// its message with the system's reason on standard error (status 1).
int RunPatch(const std::string& command, const std::function<int()>& body);

// A whole-word non-negative decimal number (at most 9 digits), or -1.
int EntryNumber(const std::string& word);

}  // namespace cli
