// Speed of the listings on a store filled to every capacity, against a floor: the same lines
// formatted with plain snprintf into one reused buffer. The listings should stay within 2x the floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "listings/listings.h"
#include "listings/registry.h"
#include "model/line_sink.h"
#include "model/store.h"

namespace {

using namespace opt;

// A value that varies with its indices and has a fractional part, like real model data.
float Coord(int a, int b, int c) {
    return static_cast<float>((a * 7919 + b * 104729 + c * 31) % 200000) / 37.0f - 2500.0f;
}

// Every table at capacity: 50 blocks of 1000 vertices, texture vertices and normals, 200 face-data
// blocks of 50 faces, 100 LOD sets of 30 levels, 50 face lists and nodes, 100 hardpoints, ...
std::unique_ptr<ModelStore> MaxCapacityStore() {
    auto s = std::make_unique<ModelStore>();
    s->txw.Num_Jumps = kMaxTopLevel;
    for (int m = 0; m < kMaxTopLevel; ++m) {
        s->txw.Jumps[m] = 1000 + m;
        s->txw.Meshes[static_cast<size_t>(m)].Num_Jumps = kMaxMeshChildren;
        for (int k = 0; k < kMaxMeshChildren; ++k)
            s->txw.Meshes[static_cast<size_t>(m)].Jumps[k] = m * 100 + k;
    }
    for (int e = 0; e < 50; ++e) {
        s->ttmih[e].Num_Jumps = kMaxNodeChildren;
        s->ttmfh[e].Num_Jumps = kMaxLods;
        for (int k = 0; k < kMaxLods; ++k) {
            s->ttmfh[e].Jumps[k] = e * 1000 + k;
            s->ttmfh[e].Child_Type[k] = 1;
        }
        s->tcb[e].Type = kMeshDescriptor;
        s->trsh[e].Type = kRotScale;
        for (int k = 0; k < 12; ++k) s->trsh[e].Float(k) = Coord(e, k, 1);
        VertexRecord& v = s->tvx[e];
        TexVertexRecord& t = s->ttvx[e];
        NormalRecord& n = s->ttvn[e];
        v.Type = kVertices;
        t.Type = kTextureVertices;
        n.Type = kVertexNormals;
        v.Count = t.Count = n.Count = kMaxElements;
        for (int i = 0; i < kMaxElements; ++i) {
            v.X[i] = Coord(e, i, 0), v.Y[i] = Coord(e, i, 1), v.Z[i] = Coord(e, i, 2);
            t.U[i] = Coord(e, i, 3) / 1000.0f, t.V[i] = Coord(e, i, 4) / 1000.0f;
            n.X[i] = Coord(e, i, 5) / 2500.0f, n.Y[i] = Coord(e, i, 6) / 2500.0f,
            n.Z[i] = Coord(e, i, 7) / 2500.0f;
        }
    }
    for (int e = 0; e < kMaxLodSets; ++e) {
        s->ttmdh[e].Type = kLodSet;
        s->ttmdh[e].Num_Jumps = kMaxLods;
        for (int k = 0; k < kMaxLods; ++k) s->ttmdh[e].Distance[k] = Coord(e, k, 8) / 100000.0f;
    }
    for (int b = 0; b < kMaxFaceData; ++b) {
        FaceDataRecord& r = s->ttfd[b];
        r.Type = kFaceData;
        r.Count = kMaxFaces;
        for (int f = 0; f < kMaxFaces; ++f) {
            for (auto& idx : r.Indices) idx[f] = (b * 50 + f) % 1000;
            r.Normal_I[f] = Coord(b, f, 9) / 2500.0f, r.Normal_J[f] = Coord(b, f, 10) / 2500.0f;
            r.Normal_K[f] = Coord(b, f, 11) / 2500.0f;
            for (int j = 0; j < 6; ++j) r.F[j][f] = Coord(b, f, 12 + j);
        }
        r.Tex_Names[0] = "Tex00001";
    }
    for (int h = 0; h < kMaxHardpoints; ++h) {
        s->ttbh[h].Type = kHardpoint;
        s->ttbh[h].X = Coord(h, 0, 20), s->ttbh[h].Y = Coord(h, 1, 20), s->ttbh[h].Z = Coord(h, 2, 20);
    }
    for (int u = 0; u < kMaxUniqueNames; ++u) {
        s->ttx.Unique_Names[u] = "Tex" + std::to_string(10000 + u);
        s->ttx.Texture_Index[u] = u;
    }
    return s;
}

const ModelStore& Store() {
    static const std::unique_ptr<ModelStore> store = MaxCapacityStore();
    return *store;
}

void BM_AllListings(benchmark::State& state) {
    const ModelStore& store = Store();
    size_t lines = 0;
    for (auto _ : state) {
        VectorSink sink;
        for (const ListingEntry& e : Listings()) e.run(store, sink);
        lines = sink.lines.size();
        benchmark::DoNotOptimize(sink.lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_AllListings)->Unit(benchmark::kMillisecond);

// The floor: the same lines from the same numbers through snprintf into one buffer.
class Floor {
public:
    template <class... Args>
    void Line(const char* fmt, Args... args) {
        n_ = std::snprintf(buf_, sizeof buf_, fmt, args...);
        benchmark::DoNotOptimize(buf_);
        ++lines_;
    }
    size_t lines() const { return lines_; }

private:
    char buf_[1024];
    int n_ = 0;
    size_t lines_ = 0;
};

double D(float f) { return static_cast<double>(f); }

void FloorXyzBlocks(Floor& out, const ModelStore& s) {
    for (int e = 0; e < 50; ++e) {
        const VertexRecord& v = s.tvx[e];
        out.Line("VX (03) %d Mesh %d Offset %d NUM VX = %d", e, v.Mesh, v.Data_Offset, v.Count);
        out.Line("%3s %10s %10s %10s", "Vx#", "X", "Y", "Z");
        for (int i = 0; i < kMaxElements; ++i) {
            if (v.X[i] != kUnsetReal) out.Line("%3d %10f %10f %10f", i, D(v.X[i]), D(v.Y[i]), D(v.Z[i]));
        }
        const TexVertexRecord& t = s.ttvx[e];
        out.Line("TVX (13) %d Mesh %d Offset %d NUM VX = %d", e, t.Mesh, t.Data_Offset, t.Count);
        out.Line("%3s %10s  %10s", "Vx#", "u", "v");
        for (int i = 0; i < kMaxElements; ++i) {
            if (t.U[i] != kUnsetReal) out.Line("%3d %10f %10f", i, D(t.U[i]), D(t.V[i]));
        }
        const NormalRecord& n = s.ttvn[e];
        out.Line("VXN (11) %d Mesh %d Offset %d NUM VX = %d", e, n.Mesh, n.Data_Offset, n.Count);
        out.Line("%3s %10s %10s %10s", "Vx#", "I", "J", "K");
        for (int i = 0; i < kMaxElements; ++i) {
            if (n.X[i] != kUnsetReal) out.Line("%3d %10f %10f %10f", i, D(n.X[i]), D(n.Y[i]), D(n.Z[i]));
        }
    }
}

void FloorFaceData(Floor& out, const ModelStore& s) {
    for (int b = 0; b < kMaxFaceData; ++b) {
        const FaceDataRecord& r = s.ttfd[b];
        if (r.Type == 0) continue;
        out.Line("Face_Data  %d Mesh %d Offset %d NUM Faces = %d Edges = %d", b, r.Mesh, r.Data_Offset,
                 r.Count, r.Edges);
        for (int f = 0; f < Clamped(r.Count, kMaxFaces); ++f) {
            auto q = [&](int g) { return r.Quad[g][f] ? " Quad" : " Triangle"; };
            auto i = [&](int g, int k) { return r.Index(g, k)[f]; };
            out.Line(
                "Face %d = %d,%d,%d,%d,%s,F a %d = %d,%d,%d,%d,%s,F b %d = %d,%d,%d,%d,%s,F c %d = "
                "%d,%d,%d,%d,%s",
                f, i(0, 0), i(0, 1), i(0, 2), i(0, 3), q(0), f, i(1, 0), i(1, 1), i(1, 2), i(1, 3), q(1), f,
                i(2, 0), i(2, 1), i(2, 2), i(2, 3), q(2), f, i(3, 0), i(3, 1), i(3, 2), i(3, 3), q(3));
            out.Line("normal %3d  I=%6.10f J=%6.10f k=%6.10f", f, D(r.Normal_I[f]), D(r.Normal_J[f]),
                     D(r.Normal_K[f]));
            out.Line("Float %3d  f0=%6.10f f1=%6.10f f2=%6.10f f3=%6.10f f4=%6.10f f5=%6.10f", f,
                     D(r.F[0][f]), D(r.F[1][f]), D(r.F[2][f]), D(r.F[3][f]), D(r.F[4][f]), D(r.F[5][f]));
        }
        for (const std::string& t : r.Tex_Names) {
            if (!t.empty()) out.Line("Textures =%s", t.c_str());
        }
        out.Line("-----------");
    }
}

void FloorSmallTables(Floor& out, const ModelStore& s) {
    const TXW& w = s.txw;
    out.Line("Main_Offset=%d Num_Jumps=%d Jump List Offset=%d", w.Main_Offset, w.Num_Jumps,
             w.Jump_List_Offset);
    for (int i = 0; i < Clamped(w.Num_Jumps, kMaxTopLevel); ++i) out.Line("Offset %d  =%d", i, w.Jumps[i]);
    for (int m = 0; m < kMaxTopLevel; ++m) {
        const MeshRecord& r = w.Meshes[static_cast<size_t>(m)];
        for (int k = 0; k < Clamped(r.Num_Jumps, kMaxMeshChildren); ++k) {
            out.Line("extra long %d", r.Count);
            out.Line("MMH Jumps %d  =%d", m, r.Jumps[k]);
        }
    }
    for (int e = 0; e < 50; ++e) {
        const NodeRecord& n = s.ttmih[e];
        out.Line("MIH (004) %d Mesh %d Offset %d NUM  = %d RV  = %d NUM?  = %d", e, n.Mesh,
                 n.Jump_List_Offset, n.Num_Jumps, n.Data_Offset, n.Count);
        out.Line("pad 0 = %d pad 1 = %d", n.Lead, n.Type);
        for (int k = 0; k < Clamped(n.Num_Jumps, kMaxNodeChildren); ++k)
            out.Line("Jump %3d %10d ", k, n.Jumps[k]);
        const LodSetRecord& d = s.ttmdh[e];
        out.Line("MDH (021) %d Mesh %d Offset to MFH %d Offset to Float %d NUM  = %d Num?= %d", e, d.Mesh,
                 d.Jump_List_Offset, d.Data_Offset, d.Count, d.Num_Jumps);
        for (int k = 0; k < kMaxLods; ++k) out.Line("Distance %3d %6.10f ", k, D(d.Distance[k]));
        for (int k = 0; k < kMaxLods; ++k) out.Line("Jump %3d %10d ", k, d.Jumps[k]);
        const FaceListRecord& l = s.ttmfh[e];
        out.Line("MFaceH  %d Mesh %d Offset %d NUM  = %d RV= %d NUm?= %d", e, l.Mesh, l.Jump_List_Offset,
                 l.Num_Jumps, l.Data_Offset, l.Count);
        for (int k = 0; k < kMaxLods; ++k) out.Line("Jump %3d =%10d ", k, l.Jumps[k]);
        for (int k = 0; k < kMaxLods; ++k) out.Line("BLock Type @ Jumps, %3d  =%10d ", k, l.Child_Type[k]);
        const DescriptorRecord& c = s.tcb[e];
        out.Line("MDB (025) %d Mesh %d Offset %d", e, c.Mesh, c.Data_Offset);
        out.Line("Mesh Type= %s %d N2= %d", "DEFAULT", c.Mesh_Type, c.N2);
        for (const float* v : {c.HZ_Span, c.HZ_Centre, c.HZ_Min, c.HZ_Max}) {
            out.Line("%7s %10f %7s %10f %7s %10f", "X=", D(v[0]), "Y=", D(v[1]), "Z=", D(v[2]));
        }
        out.Line("Group ID= %d", c.Group_ID);
        out.Line("%7s %10f %7s %10f %7s %10f", "X=", D(c.Target[0]), "Y=", D(c.Target[1]),
                 "Z=", D(c.Target[2]));
        out.Line("-------");
        const RotScaleRecord& r = s.trsh[e];
        out.Line("RSH (023) %d Mesh %d Offset %d NUM %d", e, r.Mesh, r.Data_Offset, r.Count);
        for (int k = 0; k < 12; k += 3) {
            out.Line("%7s %10f %7s %10f %7s %10f", "F=", D(r.Float(k)), "F=", D(r.Float(k + 1)),
                     "F=", D(r.Float(k + 2)));
        }
    }
    for (int h = 0; h < kMaxHardpoints; ++h) {
        const HardpointRecord& p = s.ttbh[h];
        out.Line("TBH (022)%d Mesh %d Offset %d HP_Type %d%7s %10f %7s %10f %7s %10f", h, p.Mesh,
                 p.Data_Offset, p.HP_Type, "X=", D(p.X), "Y=", D(p.Y), "Z=", D(p.Z));
    }
    for (int u = 0; u < kMaxUniqueNames; ++u) {
        out.Line("%s index =%d", s.ttx.Unique_Names[u].c_str(), s.ttx.Texture_Index[u]);
    }
    for (int line = 0; line < 4; ++line) out.Line("Lowest Res should always be \"0\"");
    for (int e = 0; e < 50; ++e) {
        out.Line("Mesh= %d", e);
        for (int k = 0; k < kMaxLods; ++k) {
            const float d = s.ttmdh[e].Distance[k];
            out.Line("Distance %2d   %6.10f  HUD Dist = %6.2F", k, D(d), D(d * 100000.0f));
        }
        out.Line(" ");
    }
}

void BM_SnprintfFloor(benchmark::State& state) {
    const ModelStore& store = Store();
    size_t lines = 0;
    for (auto _ : state) {
        Floor out;
        FloorSmallTables(out, store);
        FloorFaceData(out, store);
        FloorXyzBlocks(out, store);
        lines = out.lines();
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_SnprintfFloor)->Unit(benchmark::kMillisecond);

// The largest single listing on its own.
void BM_VertexListing(benchmark::State& state) {
    const ModelStore& store = Store();
    for (auto _ : state) {
        VectorSink sink;
        List(store.tvx, sink);
        benchmark::DoNotOptimize(sink.lines.data());
    }
}
BENCHMARK(BM_VertexListing)->Unit(benchmark::kMillisecond);

}  // namespace
