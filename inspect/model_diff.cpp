#include "inspect/model_diff.h"

#include <algorithm>
#include <cstdio>
#include <map>

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
template <class Record, int N, class IsLoaded, class Count>
void DiffElementTable(const char* table, const char* elements, const Table<Record, N>& a,
                      const Table<Record, N>& b, IsLoaded loaded, Count count,
                      bool (*same)(const Record&, const Record&, int), std::vector<RecordChange>& out) {
    for (int k = 0; k < N; ++k) {
        const bool inA = loaded(a[k]), inB = loaded(b[k]);
        if (!inA && !inB) continue;
        RecordChange change{table, k, std::nullopt, std::nullopt, {}, elements, 0};
        if (inA) change.PositionA = a[k].Data_Offset;
        if (inB) change.PositionB = b[k].Data_Offset;
        if (inA && inB) {
            change.ChangedElements = ChangedElements(a[k], count(a[k]), b[k], count(b[k]), same);
            if (change.ChangedElements == 0) continue;
        }
        out.push_back(std::move(change));
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
        RecordChange change{key.first, key.second, std::nullopt, std::nullopt, {}, "", 0};
        if (ia != byA.end()) change.PositionA = ia->second->Position;
        if (ib != byB.end()) change.PositionB = ib->second->Position;
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
    auto elementCount = [](const auto& r) { return Clamped(r.Count, r.Elements()); };
    DiffElementTable(
        "vertex-block", "vertices", a.tvx, b.tvx, [](const VertexRecord& r) { return r.Type == kVertices; },
        elementCount, &SameXyz<VertexRecord>, diff.Records);
    DiffElementTable(
        "texture-vertex-block", "texture vertices", a.ttvx, b.ttvx,
        [](const TexVertexRecord& r) { return r.Type == kTextureVertices; }, elementCount, &SameUv,
        diff.Records);
    DiffElementTable(
        "normal-block", "normals", a.ttvn, b.ttvn,
        [](const NormalRecord& r) { return r.Type == kVertexNormals; }, elementCount, &SameXyz<NormalRecord>,
        diff.Records);
    DiffElementTable(
        "face-data", "faces", a.ttfd, b.ttfd,
        [](const FaceDataRecord& r) { return r.Type == kFaceData && r.Mesh != kUnsetFaceMesh; },
        [](const FaceDataRecord& r) { return r.StoredFaces(); }, &SameFace, diff.Records);
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
        const std::string record = r.Table + " " + std::to_string(r.Index);
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
    return lines;
}

}  // namespace opt
