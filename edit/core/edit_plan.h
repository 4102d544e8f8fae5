// An edit planned against a model, and the one function that writes it. Planning reads the model
// (a const store) and gives the runs to write; ApplyPlan writes them through the verified, locked,
// journaled patcher, after which the model holds the disk's bytes: each table the edit changed takes
// the planned records (records of one block together, see shared_blocks.h), and a plan that names
// no tables has the records its runs touch read again from the file image.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "edit/core/patcher.h"
#include "model/line_sink.h"
#include "model/store.h"

namespace opt {

// The file an edit is planned for and written to.
struct EditTarget {
    std::string File;     // the model file the model was loaded from; messages name it so
    std::string Journal;  // the write journal; empty: no record (tests and benchmarks)
    bool Sync = true;     // flush the model file to disk (always done with a journal)
    // Where a revert's planning reports the damaged lines of the journal it reads (none: not said).
    LineSink* JournalWarnings = nullptr;
};

// The tables an edit changes, as they are once its runs are in the file.
struct PlannedTables {
    std::optional<TTBH> Hardpoints;
    std::optional<TCB> Descriptors;
    std::optional<TRSH> RotScales;
    std::optional<TTMDH> LodSets;
    bool Any() const { return Hardpoints || Descriptors || RotScales || LodSets; }
};

struct EditPlan {
    std::vector<PatchWrite> Writes;     // one write: all of them or none
    PlannedTables Tables;               // none: the records the runs touch are read from the image
    std::optional<JournalRef> Reverts;  // a revert: the recorded write it undoes
    // Why an edit that could be made has nothing to write ("Nothing written: <this>."), when that is
    // so; empty otherwise.
    std::string NothingToWrite;
};

struct AppliedEdit {
    std::vector<PatchRun> Runs;        // the runs that changed bytes (none: the file held them)
    std::optional<int64_t> JournalId;  // the journal's id of the write, when bytes were written
};

// Writes the plan into target.File as one write, the model's File_Image being the bytes the runs
// replace, and takes the planned tables (also when no byte changed). Throws the patcher's OptError,
// after the records the runs touch have taken the file image's values again.
AppliedEdit ApplyPlan(ModelStore& model, const EditPlan& plan, const EditTarget& target);

// The line saying that an applied plan wrote nothing, and why ("Nothing written: <file> already holds
// these values."); nothing when it wrote, or when it had nothing to write and no reason to give.
std::optional<std::string> NothingWrittenLine(const EditPlan& plan, const AppliedEdit& applied,
                                              const std::string& file);

}  // namespace opt
