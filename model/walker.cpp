// The walk itself: header pass, top-level entries, meshes and the dispatch of their children, with
// the checks that keep damaged files harmless (capacities, offsets outside the file, cycles, 0 entries).
#include "model/walker.h"

#include <algorithm>

namespace opt::walk {

void Walker::Peek() {
    auto& peek = s_.txw.Peek;
    std::fill(std::begin(peek), std::end(peek), 0);
    const int64_t at = cur_.Pos();
    cur_.Read(peek[0]);
    cur_.Read(peek[1]);
    cur_.Read(peek[2]);
    cur_.Seek(at);
}

int Walker::TakeEntries(int n) {
    if (n <= visits_) {
        visits_ -= n;
        return n;
    }
    warn_.Note(LoadProblem::kTooManyVisits);
    const int left = static_cast<int>(visits_);
    visits_ = 0;
    return left;
}

bool Walker::Afford(int64_t bytes) {
    if (bytes > budget_) return false;
    budget_ -= bytes;
    return true;
}

int Walker::Slots(int32_t count, int classic, int limit, int64_t fileBytes, int64_t memoryBytes) {
    const int want = Fit(count, limit, LoadProblem::kElementsFull);
    if (want <= classic) return want;
    // Elements past the end of the file cannot be read: no slot is made for them.
    const int64_t left = std::max<int64_t>(0, cur_.Size() - cur_.Pos());
    int slots = static_cast<int>(std::min<int64_t>(want, std::max<int64_t>(classic, left / fileBytes)));
    if (slots < want) warn_.Note(LoadProblem::kTruncated);
    if (slots > classic && !Afford(int64_t{slots - classic} * memoryBytes)) {
        warn_.Note(LoadProblem::kElementsFull);
        slots = classic;
    }
    return slots;
}

int Walker::Fit(int32_t count, int capacity, LoadProblem overflow) {
    if (count < 0) {
        warn_.Note(LoadProblem::kNegativeCount);
        return 0;
    }
    if (count > capacity) {
        warn_.Note(overflow);
        return capacity;
    }
    return count;
}

void Walker::ReadJumpList(int n, int32_t* out, int32_t* raw, bool convert_all) {
    for (int k = 0; k < n; ++k) {
        raw[k] = out[k];
        cur_.Read(raw[k]);
        out[k] = (convert_all || raw[k] != 0) ? Convert(raw[k]) : raw[k];
    }
}

bool Walker::Followable(int32_t raw, int32_t pos) {
    if (raw == 0) {
        warn_.Note(LoadProblem::kZeroEntry);
        return false;
    }
    if (!cur_.Inside(pos)) {
        warn_.Note(LoadProblem::kOffsetOutside);
        return false;
    }
    return true;
}

void Walker::FollowChild(int32_t pos, int mesh) {
    if (!cur_.Inside(pos)) {
        warn_.Note(LoadProblem::kOffsetOutside);
        return;
    }
    if (std::find(active_.begin(), active_.end(), pos) != active_.end()) {
        warn_.Note(LoadProblem::kCycle);
        return;
    }
    cur_.Seek(pos);
    Peek();
    Dispatch(mesh);
}

void Walker::Run() {
    auto& txw = s_.txw;
    if (cur_.Size() < kFileHeaderBytes) {
        // Nothing of the walk can be trusted: say why the model is empty and stop.
        s_.ResetModelValues();
        warn_.Note(LoadProblem::kHeaderShort);
        for (auto& line : warn_.Lines()) s_.Warnings.push_back(std::move(line));
        return;
    }
    // Header pass.
    int32_t unused = 0;
    cur_.Seek(4);
    cur_.Read(unused);
    int32_t global_offset = 0;
    cur_.Seek(8);
    cur_.Read(global_offset);
    txw.Main_Offset = Wrap(int64_t{global_offset} - 8);
    cur_.Seek(14);
    cur_.Read(txw.Num_Jumps);
    cur_.Read(txw.Jump_List_Offset);
    txw.Jump_List_Offset = Convert(txw.Jump_List_Offset);
    cur_.Seek(txw.Jump_List_Offset);
    int top = Fit(txw.Num_Jumps, limits_.Top_Level, LoadProblem::kTopLevelFull);
    if (top > 0) {
        // Entries the file ends before are not read (and not taken for 0 entries).
        const int64_t jumps = txw.Jump_List_Offset;
        const bool outside = jumps < 0 || jumps > cur_.Size();
        const int64_t held = outside ? 0 : (cur_.Size() - jumps) / 4;
        if (held < top) {
            warn_.Note(outside ? LoadProblem::kOffsetOutside : LoadProblem::kJumpListShort);
            top = static_cast<int>(held);
        }
    }
    if (top > txw.Size()) {
        txw.Jumps.resize(static_cast<size_t>(top), 0);
        txw.Meshes.resize(static_cast<size_t>(top));
    }
    std::vector<int32_t> raw(static_cast<size_t>(top), 0);
    ReadJumpList(top, txw.Jumps.data(), raw.data(), /*convert_all=*/true);

    // Walk pass.
    s_.ResetModelValues();
    for (int i = 0; i < top; ++i) {
        if (!Followable(raw[i], txw.Jumps[i])) continue;
        cur_.Seek(txw.Jumps[i]);
        Peek();
        if (txw.IsBlock(kTexture)) {
            for (const char* line : kTopLevelTextureLines) s_.Warnings.emplace_back(line);
            ReadTextureCounted();
            s_.Top_Textures = 1;
        } else {
            ReadMesh(i);
        }
    }

    if (cur_.RanPastEnd()) warn_.Note(LoadProblem::kTruncated);
    if (cur_.ReadOutside()) warn_.Note(LoadProblem::kOffsetOutside);
    for (auto& line : warn_.Lines()) s_.Warnings.push_back(std::move(line));
}

void Walker::ReadMesh(int m) {
    auto& rec = s_.txw.Meshes[static_cast<size_t>(m)];
    const int32_t start = static_cast<int32_t>(cur_.Pos());
    rec.Read_As_Mesh = true;
    ReadHeader(rec);
    rec.Jump_List_Offset = Convert(rec.Jump_List_Offset);
    cur_.Seek(rec.Jump_List_Offset);
    const int n = TakeEntries(Fit(rec.Num_Jumps, limits_.Children, LoadProblem::kJumpListFull));
    if (n > static_cast<int>(rec.Jumps.size())) rec.Jumps.resize(static_cast<size_t>(n), 0);
    active_.push_back(start);
    for (int k = 0; k < n; ++k) {
        cur_.Read(rec.Jumps[k]);
        if (rec.Jumps[k] == 0) continue;
        const int64_t after = cur_.Pos();
        rec.Jumps[k] = Convert(rec.Jumps[k]);
        FollowChild(rec.Jumps[k], m);
        cur_.Seek(after);
    }
    active_.pop_back();
}

void Walker::Dispatch(int mesh) {
    switch (s_.txw.Peek[1]) {
        case kLodSet:
            ReadLodSet(mesh);
            break;
        case kHardpoint:
            ReadHardpoint(mesh);
            break;
        case kRotScale:
            ReadRotScale(mesh);
            break;
        case kMeshDescriptor:
            ReadDescriptor(mesh);
            break;
        case kVertices:
            ReadVertices(mesh);
            break;
        case kNode:
            ReadNode(mesh);
            break;
        case kTextureVertices:
            ReadTexVertices(mesh);
            break;
        case kVertexNormals:
            ReadNormals(mesh);
            break;
        default:
            break;  // another kind: skipped with everything below it
    }
}

}  // namespace opt::walk
