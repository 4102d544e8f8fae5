// The editor objects of the edit area: each holds a snapshot of one table entry as it was when it was
// chosen, and the working copy that Update edits; Undo copies the snapshot back. Each writes its two
// text blocks into the memo, reals with the decimal separator given. The objects start zero-filled.
#pragma once

#include "model/line_sink.h"
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
class THP : public SnapshotPair<HardpointRecord> {
public:
    THP();
    void ShowSnapshot(LineSink& memo, char separator) const;
    void ShowNew(LineSink& memo, char separator) const;
};

// Mesh descriptors (TCB entries): target box, group, mesh type and the unknown word.
class TEDHZ : public SnapshotPair<DescriptorRecord> {
public:
    void ShowSnapshot(LineSink& memo, char separator) const;
    void ShowNew(LineSink& memo, char separator) const;
};

// Rotation/scale blocks (TRSH entries).
class TRSHED : public SnapshotPair<RotScaleRecord> {
public:
    void ShowSnapshot(LineSink& memo, char separator) const;
    void ShowNew(LineSink& memo, char separator) const;
};

}  // namespace opt
