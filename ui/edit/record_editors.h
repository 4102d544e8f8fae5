// The editor objects of the edit area: each holds a snapshot of one table entry as it was when it was
// chosen, and the working copy that Update edits; Undo copies the snapshot back. The objects start
// zero-filled. Their memo texts are the core's (edit/core/record_texts.h).
#pragma once

#include "model/store.h"

namespace opt {

// Snapshot and working copy of one record.
template <class Record>
struct SnapshotPair {
    Record Snapshot{};
    Record New{};
    // An entry chosen in LBED: a new snapshot, and the working copy made from it.
    void Choose(const Record& entry) {
        Snapshot = entry;
        New = Snapshot;
    }
    void Restore() { New = Snapshot; }
};

// Hardpoints (TTBH entries).
struct THP : SnapshotPair<HardpointRecord> {
    THP() {
        for (HardpointRecord* r : {&Snapshot, &New}) r->X = r->Y = r->Z = 0.0f;
    }
};

// Mesh descriptors (TCB entries): target box, group, mesh type and the unknown word.
struct TEDHZ : SnapshotPair<DescriptorRecord> {};

// Rotation/scale blocks (TRSH entries).
struct TRSHED : SnapshotPair<RotScaleRecord> {};

}  // namespace opt
