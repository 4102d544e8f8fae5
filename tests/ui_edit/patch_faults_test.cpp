// Edits that must never lie: hit zones stored into their own mesh's descriptor, edits through one of
// two records of the same block, checks of whole runs against the file image, failed writes that
// leave the tables as the file is, and clicks that write nothing saying so.
#include "edit_fixture.h"

namespace edit_test {
namespace {

using optb::Face;

constexpr int64_t kGroupId = 80, kHzMin = 56, kHzMax = 68;

// A mesh with vertices, a descriptor with a known zone, and (when drawn) one triangle at LOD 0.
optb::Mesh ZoneMesh(float base, bool drawn, const std::string& label) {
    using namespace optb;
    Mesh m{
        .children = {Vertices{.points = {{base, base, base}, {base + 2, base, base}, {base, base + 4, base}}},
                     Descriptor{.hz_min = {7, 7, 7}, .hz_max = {8, 8, 8}, .label = label}}};
    if (drawn)
        m.children.push_back(LodSet{.distances = {1000.f}, .face_lists = {Faces({Face::tri(0, 1, 2)})}});
    return m;
}

class PatchFaults : public EditFixture {};

TEST_F(PatchFaults, HitZonesLandInTheDescriptorOfTheMeshTheirFacesCameFrom) {
    Open(optb::Model{
        .entries = {ZoneMesh(0, true, "d0"), ZoneMesh(10, false, "d1"), ZoneMesh(20, true, "d2")}});
    edit.SBHZClick();
    EXPECT_EQ(store->tcb[0].HZ_Max[0], 2.0f);
    EXPECT_EQ(store->tcb[1].HZ_Min[0], 7.0f);  // no face drawn: keeps its zone
    EXPECT_EQ(store->tcb[1].HZ_Max[0], 8.0f);
    EXPECT_EQ(store->tcb[2].HZ_Min[0], 20.0f);
    EXPECT_EQ(store->tcb[2].HZ_Max[1], 24.0f);
    EXPECT_EQ(edit.Widgets().Memo.back(), edit.MeshesWithoutBox());
    EXPECT_NE(edit.MeshesWithoutBox().find("descriptor(s) 1:"), std::string::npos);
    const auto before = Disk();
    edit.SBHZWriteClick();
    // Descriptor 1 is written exactly as the table holds it: its bytes do not change.
    const auto after = Disk();
    EXPECT_TRUE(std::equal(before.begin() + Block("d1"), before.begin() + Block("d1") + 96,
                           after.begin() + Block("d1")));
    EXPECT_EQ(FloatAt(after, Block("d2") + kHzMin), 20.0f);
}

TEST_F(PatchFaults, AFirstMeshWithoutFacesGetsNoEmptyBox) {
    Open(optb::Model{.entries = {ZoneMesh(0, false, "d0"), ZoneMesh(10, true, "d1")}});
    edit.SBHZClick();
    EXPECT_EQ(store->tcb[0].HZ_Min[0], 7.0f);
    EXPECT_EQ(store->tcb[0].HZ_Max[0], 8.0f);
    EXPECT_EQ(store->tcb[1].HZ_Min[0], 10.0f);
}

TEST(HitZoneRuns, AMeshWhoseFacesComeInSeveralRunsGetsTheirUnion) {
    auto store = std::make_unique<opt::ModelStore>();
    const float xs[] = {0, 2, 4, 6, 8, 10};
    for (int i = 0; i < 6; ++i) store->tvx[0].X[i] = store->tvx[0].Y[i] = store->tvx[0].Z[i] = xs[i];
    store->tvx[0].Count = 6;
    store->tvx[1].Mesh = 1;
    store->tvx[1].Count = 6;
    store->Counters[opt::kCountVertices] = 2;
    store->tcb[0].Type = opt::kMeshDescriptor;
    store->Counters[opt::kCountDescriptors] = 1;
    // Faces of mesh 0, of mesh 1, then of mesh 0 again.
    const int32_t mesh[] = {0, 1, 0};
    const int32_t corners[][3] = {{2, 3, 2}, {2, 3, 2}, {0, 5, 0}};
    for (int i = 0; i < 3; ++i) {
        opt::FaceDataRecord& fd = store->ttfd[i];
        fd.Count = 1;
        fd.Mesh = mesh[i];
        for (int k = 0; k < 3; ++k) fd.Vertex(k)[0] = corners[i][k];
        fd.Vertex(3)[0] = -1;
        fd.Quad[opt::kGroupVertex][0] = 0;
    }
    EXPECT_TRUE(opt::ComputeHitZones(*store).empty());
    EXPECT_EQ(store->tcb[0].HZ_Min[0], 0.0f);
    EXPECT_EQ(store->tcb[0].HZ_Max[0], 10.0f);
}

// Mesh 1 lists mesh 0's descriptor block as its own.
optb::Model SharedDescriptorModel() {
    auto m = TwoMeshModel();
    auto& mesh1 = std::get<optb::Mesh>(m.entries[1]);
    mesh1.children[1] = optb::Ref{"d0"};
    return m;
}

TEST_F(PatchFaults, AnEditThroughOneOfTwoRecordsOfTheSameBlockLands) {
    Open(SharedDescriptorModel());
    ASSERT_EQ(store->tcb[1].Data_Offset, store->tcb[0].Data_Offset);
    WriteLookup("MeshType.txt", "DEFAULT\nMAINHULL\n");
    edit.SBHZEDClick();
    edit.LBEDClick(Line(0));
    Type(3, "9");
    edit.SBUpdateClick();
    EXPECT_EQ(IntAt(Disk(), Block("d0") + kGroupId), 9);
    EXPECT_EQ(store->tcb[1].Group_ID, 9);
    EXPECT_EQ(store->tcb[1].Mesh, 1);  // each record keeps the mesh that lists it
    ASSERT_EQ(edit.LastWrites().size(), 1u);
    // Records of one block that still disagree: nothing is written, and both are named.
    store->tcb[1].HZ_Max[0] = 99;
    const auto before = Disk();
    try {
        edit.SBHZWriteClick();
        FAIL() << "written";
    } catch (const opt::OptError& e) {
        EXPECT_NE(std::string(e.what()).find("mesh descriptor 0 and mesh descriptor 1"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(Disk(), before);
}

TEST_F(PatchFaults, RecordsOfOneBlockReadFromDifferentBytesAreNotEditedAsOne) {
    // As in a crafted file whose two descriptor headers share a Data_Offset while the second one's
    // data were read elsewhere: an edit through it would write its data over the first one's.
    Open(SharedDescriptorModel());
    WriteLookup("MeshType.txt", "DEFAULT\nMAINHULL\n");
    store->tcb[1].Target[0] = 5;
    const auto before = Disk();
    const auto first = store->tcb[0];
    edit.SBHZEDClick();
    edit.LBEDClick(Line(1));
    Type(3, "9");
    try {
        edit.SBUpdateClick();
        FAIL() << "written";
    } catch (const opt::OptError& e) {
        EXPECT_NE(std::string(e.what()).find("were not read from the same bytes"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(store->tcb[0].Group_ID, first.Group_ID);
}

TEST_F(PatchFaults, APayloadChangedOnDiskAfterTheLoadIsNeverOverwritten) {
    Open(TwoMeshModel());
    WriteLookup("HardPoints.txt", "None\nRebelLaser\n");
    edit.SBHPClick();
    edit.LBEDClick(Line(0));
    auto altered = Disk();
    altered[static_cast<size_t>(Data("hp0") + 12)] ^= 1;  // Z, not the edited X
    opt::test::WriteBytes(file, altered);
    Type(0, "9");
    EXPECT_THROW(edit.SBUpdateClick(), opt::OptError);
    EXPECT_EQ(Disk(), altered);
}

TEST_F(PatchFaults, AFailedLodWriteLeavesTheTablesAsTheFileIsAndTheRetryWorks) {
    Open(TwoMeshModel());
    edit.SBResClick();
    edit.LBEDClick(0);
    edit.RG1Click(0);
    edit.Widgets().EText = "777";
    std::filesystem::rename(file, file.string() + ".away");
    EXPECT_THROW(edit.SBUpdateClick(), opt::OptError);
    EXPECT_EQ(store->ttmdh[0].Distance[0], 1000.0f);
    EXPECT_EQ(edit.Widgets().Memo.back(), "Not written: the tables hold the values of the file again.");
    std::filesystem::rename(file.string() + ".away", file);
    edit.RG1Click(0);
    edit.Widgets().EText = "777";
    edit.SBUpdateClick();
    EXPECT_EQ(FloatAt(Disk(), Data("lod0")), 777.0f);
    EXPECT_EQ(FloatAt(Disk(), Data("lod1")), 777.0f);
    EXPECT_EQ(host.messages.back(), file.string() + " LOD`s updated");
}

TEST_F(PatchFaults, ClicksThatWriteNothingSaySo) {
    optb::Model bare;
    bare.entries.push_back(optb::Mesh{.children = {optb::Vertices{.points = {{0, 0, 0}}}}});
    Open(bare);
    const auto original = Disk();
    edit.SBHZWriteClick();
    edit.SBHZ0Click();
    edit.SBHZClick();
    host.messages.clear();
    edit.SBCopyCentersClick();
    EXPECT_EQ(Disk(), original);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rfind("Nothing written: no mesh descriptor", 0), 0u) << host.messages[0];
}

}  // namespace
}  // namespace edit_test
