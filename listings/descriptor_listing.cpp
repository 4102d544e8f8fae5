// "Collision box ": the mesh descriptors, and the mesh-type names they are shown with.
#include "listings/listing_pieces.h"
#include "listings/listings.h"

namespace opt {

namespace {

constexpr std::string_view kMeshTypeName[kMeshTypeNames] = {
    "DEFAULT",      "MAINHULL",    "WING",       "FUSELAGE",   "GUNTURRET",      "SMALLGUN", "ENGINE",
    "BRIDGE",       "SHIELDGEN",   "ENERGYGEN",  "LAUNCHER",   "COMMSYS",        "BEAMSYS",  "COMMANDBEAM",
    "DOCKINGPLAT",  "LANDINGPLAT", "HANGAR",     "CARGOPOD",   "MISCHULL",       "ANTENNA",  "ROTWING",
    "ROTGUNTURRET", "ROTLAUNCHER", "ROTCOMMSYS", "ROTBEAMSYS", "ROTCOMMANDBEAM", "CUSTOM1",  "CUSTOM2",
    "CUSTOM3",      "CUSTOM4",     "CUSTOM5",    "CUSTOM6",
};

void SendXyz(TextLine& line, const float (&v)[3], LineSink& out) {
    line.Xyz("X=", v[0], "Y=", v[1], "Z=", v[2]).SendTo(out);
}

}  // namespace

std::string_view MeshTypeName(int32_t code) {
    return code >= 0 && code < kMeshTypeNames ? kMeshTypeName[code] : std::string_view{};
}

void List(const TCB& tcb, LineSink& out, char separator) {
    TextLine line(separator);
    for (int e = 0; e < tcb.Size(); ++e) {
        const DescriptorRecord& r = tcb[e];
        if (r.Type == 0) continue;
        MeshAndOffset(line.Text("MDB (025) ").Int(e), r.Mesh, r.Data_Offset).SendTo(out);
        line.Text("Mesh Type= ").Text(MeshTypeName(r.Mesh_Type)).Text(" ").Int(r.Mesh_Type);
        line.Text(" N2= ").Int(r.N2).SendTo(out);
        SendXyz(line, r.HZ_Span, out);
        SendXyz(line, r.HZ_Centre, out);
        SendXyz(line, r.HZ_Min, out);
        SendXyz(line, r.HZ_Max, out);
        line.Text("Group ID= ").Int(r.Group_ID).SendTo(out);
        SendXyz(line, r.Target, out);
        line.Text("-------").SendTo(out);
    }
}

}  // namespace opt
