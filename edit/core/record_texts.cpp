#include "edit/core/record_texts.h"

#include "edit/core/hardpoint_types.h"
#include "listings/listings.h"
#include "listings/text_format.h"

namespace opt {

namespace {

std::string MeshOffset(int32_t mesh, int32_t dataOffset) {
    return "Mesh " + std::to_string(mesh) + " Offset " + std::to_string(dataOffset);
}

void HardpointLines(const HardpointRecord& r, const char* title, LineSink& memo, char separator) {
    memo.AddLine(title);
    memo.AddLine(MeshOffset(r.Mesh, r.Data_Offset) + " " + std::string(TypeName(r.HP_Type)) + "= " +
                 std::to_string(r.HP_Type));
    memo.AddLine(FormatXyz(r.X, r.Y, r.Z, separator));
}

void DescriptorLines(const DescriptorRecord& r, const char* title, LineSink& memo, char separator) {
    memo.AddLine(title);
    memo.AddLine(MeshOffset(r.Mesh, r.Data_Offset) + " Uknown= " + std::to_string(r.N2));
    memo.AddLine("Mesh Type =" + std::to_string(r.Mesh_Type) + " = " +
                 std::string(MeshTypeName(r.Mesh_Type)));
    memo.AddLine("Group ID = " + std::to_string(r.Group_ID));
    memo.AddLine(FormatXyz(r.Target[0], r.Target[1], r.Target[2], separator));
}

void RotScaleFloats(const RotScaleRecord& r, LineSink& memo, char separator) {
    for (int k = 0; k < 12; k += 3)
        memo.AddLine(FormatXyz(r.Float(k), r.Float(k + 1), r.Float(k + 2), separator));
}

}  // namespace

void ShowHardpoint(const HardpointRecord& chosen, const HardpointRecord& edited, LineSink& memo,
                   char separator) {
    HardpointLines(chosen, "Orginal Hardpoint ********", memo, separator);
    memo.AddLine(" ");
    HardpointLines(edited, "New Hardpoint ********", memo, separator);
}

void ShowDescriptor(const DescriptorRecord& chosen, const DescriptorRecord& edited, LineSink& memo,
                    char separator) {
    DescriptorLines(chosen, "Orginal Target Box point ********", memo, separator);
    memo.AddLine(" ");
    DescriptorLines(edited, "New Target Box point ********", memo, separator);
    memo.AddLine(" ");
    memo.AddLine(" ");
    memo.AddLine("RotTurrent`s and anything else that can be blown up.");
    memo.AddLine("GroupId should be \"0\" and target box coordinates left at \"0.0\"");
}

void ShowRotScale(const RotScaleRecord& chosen, const RotScaleRecord& edited, LineSink& memo,
                  char separator) {
    memo.AddLine("Orginal Scales ********");
    memo.AddLine(MeshOffset(chosen.Mesh, chosen.Data_Offset));
    RotScaleFloats(chosen, memo, separator);
    memo.AddLine(" ");
    memo.AddLine("New Scales ********");
    memo.AddLine(MeshOffset(edited.Mesh, edited.Data_Offset));
    memo.AddLine(" Added first 3 floats editing too ");
    RotScaleFloats(edited, memo, separator);
    memo.AddLine(" ");
}

}  // namespace opt
