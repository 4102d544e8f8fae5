// The text listings of the model store: one `List` per table, writing its lines in order to a line
// sink, plus the memo texts of the LOD distances and of the selected face and vertex. Reals are
// written with the decimal separator given (the store's Decimal_Separator where a store is at
// hand). No listing changes the store or empties the sink it writes to (except the two Show...
// texts, which empty their memo first).
//
// Stored counts (Num_Jumps, Count) are printed as read, but the loops they drive stop at the capacity
// of the array they walk: a damaged count never makes a listing read outside the table.
#pragma once

#include <string_view>

#include "model/store.h"

namespace opt {

class LineSink;
class MemoSink;
struct SelectionState;

// "Main File Info ": the file header, the top-level jump list and the children of each top-level mesh.
void List(const TXW& txw, LineSink& out, char separator = '.');
// "Mesh Info": node blocks.
void List(const TTMIH& ttmih, LineSink& out, char separator = '.');
// "Mesh Data Header": LOD sets (entries 0..49).
void List(const TTMDH& ttmdh, LineSink& out, char separator = '.');
// "Mesh Face Header": face lists.
void List(const TTMFH& ttmfh, LineSink& out, char separator = '.');
// "Face Data ": face-data blocks, three lines per face.
void List(const TTFD& ttfd, LineSink& out, char separator = '.');
// "Collision box ": mesh descriptors.
void List(const TCB& tcb, LineSink& out, char separator = '.');
// "Rotation Point ": rotation/scale blocks.
void List(const TRSH& trsh, LineSink& out, char separator = '.');
// "HardPoint ": hardpoints, one line each.
void List(const TTBH& ttbh, LineSink& out, char separator = '.');
// "Vertex ", "Texture Vertex ", "Vertex Normal": the coordinate blocks.
void List(const TVX& tvx, LineSink& out, char separator = '.');
void List(const TTVX& ttvx, LineSink& out, char separator = '.');
void List(const TTVN& ttvn, LineSink& out, char separator = '.');
// "List Textures": the unique texture names.
void List(const TTX& ttx, LineSink& out, char separator = '.');

// The LOD distance table of the distance editor; appends to the memo.
void ListDistances(const TTMDH& ttmdh, LineSink& memo, char separator = '.');
// Summary of face-data entry SelectedFaceData; empties the memo first.
void ShowFaceInfo(const TTFD& ttfd, const SelectionState& sel, MemoSink& memo, char separator = '.');
// Coordinates of vertex SelectedVertex of vertex block SelectedMesh; empties the memo first.
void ShowVertexInfo(const TVX& tvx, const SelectionState& sel, MemoSink& memo, char separator = '.');

// Mesh-type names by code 0..31; any other code has the empty name.
inline constexpr int kMeshTypeNames = 32;
std::string_view MeshTypeName(int32_t code);

}  // namespace opt
