#include "model/store_records.h"

namespace opt {

StoreRecords::StoreRecords(const ModelStore& store)
    : store_(store),
      vertices_(ByMesh(Loaded(store.tvx, kCountVertices))),
      texVertices_(ByMesh(Loaded(store.ttvx, kCountTexVertices))),
      normals_(ByMesh(Loaded(store.ttvn, kCountNormals))),
      descriptors_(ByMesh(Loaded(store.tcb, kCountDescriptors))),
      rotScales_(ByMesh(Loaded(store.trsh, kCountRotScale))) {}

MeshRecords StoreRecords::Records(int32_t mesh) const {
    return {Find(vertices_, mesh), Find(texVertices_, mesh), Find(normals_, mesh)};
}

}  // namespace opt
