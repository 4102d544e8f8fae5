#include "inspect/model_diff.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "edit/core/block_runs.h"
#include "render/core/texture_pixels.h"

namespace opt {

namespace {

using Key = std::pair<std::string, int>;

std::map<Key, const Record*> ByTablePosition(const ModelRecords& m) {
    std::map<Key, const Record*> byKey;
    for (const Record& r : m.Records) byKey[{r.Table, r.Index}] = &r;
    return byKey;
}

// The fields that differ, in the order of A's fields and then B's own.
std::vector<FieldChange> DiffFields(const std::vector<Field>& a, const std::vector<Field>& b) {
    std::vector<FieldChange> changes;
    auto find = [](const std::vector<Field>& fields, const std::string& name) -> const Field* {
        for (const Field& f : fields)
            if (f.Name == name) return &f;
        return nullptr;
    };
    for (const Field& fa : a) {
        const Field* fb = find(b, fa.Name);
        if (fb == nullptr)
            changes.push_back({fa.Name, fa.Value, std::nullopt});
        else if (fb->Value != fa.Value)
            changes.push_back({fa.Name, fa.Value, fb->Value});
    }
    for (const Field& fb : b)
        if (find(a, fb.Name) == nullptr) changes.push_back({fb.Name, std::nullopt, fb.Value});
    return changes;
}

int64_t ChangedPixels(const TextureRecord& ta, std::span<const uint8_t> fileA, const TextureRecord& tb,
                      std::span<const uint8_t> fileB) {
    const TexturePixels pa = FetchTexturePixels(fileA, ta);
    const TexturePixels pb = FetchTexturePixels(fileB, tb);
    const size_t common = std::min(pa.Indices.size(), pb.Indices.size());
    int64_t changed = static_cast<int64_t>(std::max(pa.Indices.size(), pb.Indices.size()) - common);
    for (size_t i = 0; i < common; ++i) changed += pa.Indices[i] != pb.Indices[i] ? 1 : 0;
    return changed;
}

// Elements i < count of a block of A and of B; an element differs when any of its arrays differ.
template <class Record>
int64_t ChangedElements(const Record& a, int countA, const Record& b, int countB,
                        bool (*same)(const Record&, const Record&, int)) {
    const int common = std::min(countA, countB);
    int64_t changed = std::max(countA, countB) - common;
    for (int i = 0; i < common; ++i) changed += same(a, b, i) ? 0 : 1;
    return changed;
}

template <class Record>
bool SameXyz(const Record& a, const Record& b, int i) {
    return a.X[i] == b.X[i] && a.Y[i] == b.Y[i] && a.Z[i] == b.Z[i];
}

bool SameUv(const TexVertexRecord& a, const TexVertexRecord& b, int i) {
    return a.U[i] == b.U[i] && a.V[i] == b.V[i];
}

bool SameFace(const FaceDataRecord& a, const FaceDataRecord& b, int i) {
    for (int k = 0; k < 16; ++k)
        if (a.Indices[k][i] != b.Indices[k][i]) return false;
    for (int k = 0; k < 6; ++k)
        if (a.F[k][i] != b.F[k][i]) return false;
    for (int k = 0; k < 4; ++k)
        if (a.Quad[k][i] != b.Quad[k][i]) return false;
    return a.Normal_I[i] == b.Normal_I[i] && a.Normal_J[i] == b.Normal_J[i] && a.Normal_K[i] == b.Normal_K[i];
}

// Adds the element blocks of one table: those only one model holds, and those whose elements differ.
// A block's header and its elements of elementBytes each (a face-data block: its edge count first).
template <class Record>
ByteSpan BlockSpan(const Record& r, int count, int64_t elementBytes, int64_t leadBytes = 0) {
    return {int64_t{r.Data_Offset} - kHeaderBytes, kHeaderBytes + leadBytes + count * elementBytes};
}

template <class Record, int N, class IsLoaded, class Count, class Span>
void DiffElementTable(const char* table, const char* elements, const Table<Record, N>& a,
                      const Table<Record, N>& b, IsLoaded loaded, Count count,
                      bool (*same)(const Record&, const Record&, int), Span span,
                      std::vector<RecordChange>& out) {
    // Every record of both tables, also of tables a load grew past their classic size.
    for (int k = 0; k < std::max(a.Size(), b.Size()); ++k) {
        const bool inA = a.InRange(k) && loaded(a[k]), inB = b.InRange(k) && loaded(b[k]);
        if (!inA && !inB) continue;
        RecordChange change{table, k, "", std::nullopt, std::nullopt, {}, elements, 0, {}};
        if (inA) {
            change.PositionA = a[k].Data_Offset;
            change.Spans.push_back(span(a[k], count(a[k])));
        }
        if (inB) {
            change.PositionB = b[k].Data_Offset;
            change.Spans.push_back(span(b[k], count(b[k])));
        }
        if (inA && inB) {
            change.ChangedElements = ChangedElements(a[k], count(a[k]), b[k], count(b[k]), same);
            if (change.ChangedElements == 0) continue;
        }
        out.push_back(std::move(change));
    }
}

// The bytes a record of DescribeModel's tables is compared from (a mesh's values are counts of other
// blocks, which have spans of their own).
std::vector<ByteSpan> RecordSpans(const ModelStore& s, const std::string& table, int k) {
    auto run = [](const BlockHeader& h, int64_t bytes) {
        return std::vector<ByteSpan>{{int64_t{h.Data_Offset} - kHeaderBytes, bytes}};
    };
    if (table == "descriptor" && s.tcb.InRange(k)) return run(s.tcb[k], kDescriptorRunBytes);
    if (table == "hardpoint" && s.ttbh.InRange(k)) return run(s.ttbh[k], kHardpointRunBytes);
    if (table == "rotation-scale" && s.trsh.InRange(k)) return run(s.trsh[k], kRotScaleRunBytes);
    if (table == "lod-set" && s.ttmdh.InRange(k))
        return {{s.ttmdh[k].Data_Offset, int64_t{4} * LodDistanceCount(s.ttmdh[k])}};
    if (table == "texture" && s.ttx.Textures.InRange(k)) {
        // The name and the six words after it, then the pixels of the picture.
        const TextureRecord& t = s.ttx.Textures[k];
        const int64_t pixels =
            UsableTextureSides(t) && t.Size > 0 ? std::min<int64_t>(t.Size, int64_t{t.Width} * t.Height) : 0;
        return {{t.Lead, static_cast<int64_t>(t.Name.size()) + kHeaderBytes},
                {int64_t{t.Data_Offset} + kHeaderBytes, pixels}};
    }
    return {};
}

// One RGB565 word of a palette, or nothing outside the file.
std::optional<uint16_t> PaletteWord(std::span<const uint8_t> file, int64_t pos) {
    if (pos < 0 || pos + 2 > static_cast<int64_t>(file.size())) return std::nullopt;
    return static_cast<uint16_t>(file[static_cast<size_t>(pos)] | (file[static_cast<size_t>(pos) + 1] << 8));
}

// The palette blocks of A's textures, each against the block of B's texture at the same table
// position (a pair of blocks once), level by level; named after the first texture that uses them.
void DiffPalettes(const ModelStore& a, std::span<const uint8_t> fileA, const ModelStore& b,
                  std::span<const uint8_t> fileB, std::vector<RecordChange>& out) {
    constexpr int64_t kLevelBytes = int64_t{2} * kPaletteEntries;
    std::set<std::pair<int64_t, int64_t>> compared;
    const int n = std::min(a.ttx.Textures.Size(), b.ttx.Textures.Size());
    for (int k = 0; k < n; ++k) {
        const TextureRecord& ta = a.ttx.Textures[k];
        const TextureRecord& tb = b.ttx.Textures[k];
        if (ta.Type != kTexture || tb.Type != kTexture) continue;
        const int64_t blockA = int64_t{ta.Palette_Offset} + kPaletteBlockSkip;
        const int64_t blockB = int64_t{tb.Palette_Offset} + kPaletteBlockSkip;
        if (!compared.insert({blockA, blockB}).second) continue;
        const std::string owner =
            TextureName(ta).empty() ? "of texture " + std::to_string(k) : TextureName(ta);
        for (int level = 0; level < kPalettesPerSlot; ++level) {
            const int64_t la = blockA + level * kLevelBytes, lb = blockB + level * kLevelBytes;
            int64_t changed = 0;
            for (int e = 0; e < kPaletteEntries; ++e)
                changed += PaletteWord(fileA, la + 2 * e) != PaletteWord(fileB, lb + 2 * e) ? 1 : 0;
            if (changed == 0) continue;
            out.push_back({"palette",
                           level,
                           "palette " + owner + ", level " + std::to_string(level),
                           la,
                           lb,
                           {},
                           "colours",
                           changed,
                           {{la, kLevelBytes}, {lb, kLevelBytes}}});
        }
    }
}

// Counts the bytes that differ, or that only the longer file has, outside the header (when it
// changed) and the spans of the records found changed.
void CountOtherBytes(std::span<const uint8_t> fileA, std::span<const uint8_t> fileB, ModelDiff& diff) {
    std::vector<ByteSpan> spans;
    if (!diff.Header.empty()) spans.push_back({0, kFileHeaderBytes});
    for (const RecordChange& r : diff.Records) spans.insert(spans.end(), r.Spans.begin(), r.Spans.end());
    std::sort(spans.begin(), spans.end(),
              [](const ByteSpan& x, const ByteSpan& y) { return x.Start < y.Start; });
    const auto common = static_cast<int64_t>(std::min(fileA.size(), fileB.size()));
    const auto longest = static_cast<int64_t>(std::max(fileA.size(), fileB.size()));
    size_t next = 0;        // the first span that may still cover a later byte
    int64_t coveredTo = 0;  // bytes before this lie in a span
    for (int64_t p = 0; p < longest; ++p) {
        if (p < common && fileA[static_cast<size_t>(p)] == fileB[static_cast<size_t>(p)]) continue;
        while (next < spans.size() && spans[next].Start <= p) {
            coveredTo = std::max(coveredTo, spans[next].Start + std::max<int64_t>(spans[next].Length, 0));
            ++next;
        }
        if (p < coveredTo) continue;
        if (diff.OtherBytes++ == 0) diff.FirstOtherByte = p;
    }
}

std::string RealText(double v, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

std::string PositionsText(const RecordChange& r) {
    std::string text;
    if (r.PositionA) text += "A " + std::to_string(*r.PositionA);
    if (r.PositionA && r.PositionB) text += ", ";
    if (r.PositionB) text += "B " + std::to_string(*r.PositionB);
    return "(" + text + ")";
}

}  // namespace

ModelDiff DiffModels(const ModelStore& a, std::span<const uint8_t> fileA, const ModelStore& b,
                     std::span<const uint8_t> fileB) {
    const ModelRecords ra = DescribeModel(a);
    const ModelRecords rb = DescribeModel(b);
    ModelDiff diff;
    diff.Header = DiffFields(ra.Header, rb.Header);
    const auto byA = ByTablePosition(ra);
    const auto byB = ByTablePosition(rb);
    std::map<Key, int> order;  // table order as DescribeModel gives it, then the index
    for (const auto* m : {&ra, &rb})
        for (const Record& r : m->Records)
            order.try_emplace({r.Table, r.Index}, static_cast<int>(order.size()));
    std::vector<std::pair<int, Key>> keys;
    for (const auto& [key, rank] : order) keys.push_back({rank, key});
    std::sort(keys.begin(), keys.end());
    for (const auto& [rank, key] : keys) {
        const auto ia = byA.find(key);
        const auto ib = byB.find(key);
        RecordChange change{key.first, key.second, "", std::nullopt, std::nullopt, {}, "", 0, {}};
        if (ia != byA.end()) change.PositionA = ia->second->Position;
        if (ib != byB.end()) change.PositionB = ib->second->Position;
        if (ia != byA.end()) change.Spans = RecordSpans(a, key.first, key.second);
        if (ib != byB.end())
            for (const ByteSpan& span : RecordSpans(b, key.first, key.second)) change.Spans.push_back(span);
        if (ia != byA.end() && ib != byB.end()) {
            change.Fields = DiffFields(ia->second->Fields, ib->second->Fields);
            if (key.first == "texture") {
                change.Elements = "pixels";
                change.ChangedElements =
                    ChangedPixels(a.ttx.Textures[key.second], fileA, b.ttx.Textures[key.second], fileB);
            }
            if (change.Fields.empty() && change.ChangedElements == 0) continue;
        }
        diff.Records.push_back(std::move(change));
    }
    DiffPalettes(a, fileA, b, fileB, diff.Records);
    auto elementCount = [](const auto& r) { return Clamped(r.Count, r.Elements()); };
    DiffElementTable(
        "vertex-block", "vertices", a.tvx, b.tvx, [](const VertexRecord& r) { return r.Type == kVertices; },
        elementCount, &SameXyz<VertexRecord>,
        [](const VertexRecord& r, int n) { return BlockSpan(r, n, 12); }, diff.Records);
    DiffElementTable(
        "texture-vertex-block", "texture vertices", a.ttvx, b.ttvx,
        [](const TexVertexRecord& r) { return r.Type == kTextureVertices; }, elementCount, &SameUv,
        [](const TexVertexRecord& r, int n) { return BlockSpan(r, n, 8); }, diff.Records);
    DiffElementTable(
        "normal-block", "normals", a.ttvn, b.ttvn,
        [](const NormalRecord& r) { return r.Type == kVertexNormals; }, elementCount, &SameXyz<NormalRecord>,
        [](const NormalRecord& r, int n) { return BlockSpan(r, n, 12); }, diff.Records);
    DiffElementTable(
        "face-data", "faces", a.ttfd, b.ttfd,
        [](const FaceDataRecord& r) { return r.Type == kFaceData && r.Mesh != kUnsetFaceMesh; },
        [](const FaceDataRecord& r) { return r.StoredFaces(); }, &SameFace,
        [](const FaceDataRecord& r, int n) { return BlockSpan(r, n, 100, 4); }, diff.Records);
    CountOtherBytes(fileA, fileB, diff);
    return diff;
}

std::pair<std::string, std::string> ChangeTexts(const FieldChange& c) {
    std::pair<std::string, std::string> texts{c.A ? ValueText(*c.A) : "(none)",
                                              c.B ? ValueText(*c.B) : "(none)"};
    if (texts.first == texts.second && c.A && c.B && std::holds_alternative<double>(*c.A) &&
        std::holds_alternative<double>(*c.B))
        texts = {RealText(std::get<double>(*c.A), "%.9g"), RealText(std::get<double>(*c.B), "%.9g")};
    return texts;
}

std::vector<std::string> DiffLines(const ModelDiff& diff) {
    std::vector<std::string> lines;
    for (const FieldChange& c : diff.Header) {
        const auto [a, b] = ChangeTexts(c);
        lines.push_back("header " + c.Name + ": " + a + " -> " + b);
    }
    for (const RecordChange& r : diff.Records) {
        const std::string record = r.Name.empty() ? r.Table + " " + std::to_string(r.Index) : r.Name;
        if (!r.PositionA || !r.PositionB) {
            lines.push_back(record + " only in " + (r.PositionA ? "A " : "B ") + PositionsText(r));
            continue;
        }
        for (const FieldChange& c : r.Fields) {
            const auto [a, b] = ChangeTexts(c);
            lines.push_back(record + " " + c.Name + ": " + a + " -> " + b + " " + PositionsText(r));
        }
        if (r.ChangedElements > 0)
            lines.push_back(record + " " + r.Elements + ": " + std::to_string(r.ChangedElements) +
                            " changed " + PositionsText(r));
    }
    if (diff.OtherBytes > 0)
        lines.push_back(std::to_string(diff.OtherBytes) +
                        (diff.OtherBytes == 1 ? " other byte differs, at position "
                                              : " other bytes differ, the first at position ") +
                        std::to_string(diff.FirstOtherByte));
    return lines;
}

}  // namespace opt
