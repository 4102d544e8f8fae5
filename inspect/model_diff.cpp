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
        RecordChange change{key.first, key.second, std::nullopt, std::nullopt, {}, 0};
        if (ia != byA.end()) change.PositionA = ia->second->Position;
        if (ib != byB.end()) change.PositionB = ib->second->Position;
        if (ia != byA.end() && ib != byB.end()) {
            change.Fields = DiffFields(ia->second->Fields, ib->second->Fields);
            if (key.first == "texture")
                change.ChangedPixels =
                    ChangedPixels(a.ttx.Textures[key.second], fileA, b.ttx.Textures[key.second], fileB);
            if (change.Fields.empty() && change.ChangedPixels == 0) continue;
        }
        diff.Records.push_back(std::move(change));
    }
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
        if (r.ChangedPixels > 0)
            lines.push_back(record + " pixels: " + std::to_string(r.ChangedPixels) + " changed " +
                            PositionsText(r));
    }
    return lines;
}

}  // namespace opt
