"""Reloading an imported model in place: the file imported again with the same choices, and the new
objects put where the old ones were (the same collection, so its place in the scene stays, and the
top object keeps its name and transform). The old objects go only once the new import succeeded."""

import os

import bpy

from . import model_import


def remove_objects(objects):
    """Removes the objects, then the meshes, materials and images only they used."""
    meshes = {obj.data for obj in objects if obj.type == 'MESH'}
    materials = {material for mesh in meshes for material in mesh.materials if material is not None}
    for obj in objects:
        bpy.data.objects.remove(obj)
    for mesh in meshes:
        if mesh.users == 0:
            bpy.data.meshes.remove(mesh)
    images = set()
    for material in materials:
        if material.users == 0:
            if material.node_tree is not None:
                images |= {node.image for node in material.node_tree.nodes
                           if node.type == 'TEX_IMAGE' and node.image is not None}
            bpy.data.materials.remove(material)
    for image in images:
        if image.users == 0:
            bpy.data.images.remove(image)


def reload_model(program, top, fallback):
    """Imports top's file again in place; returns the new ImportDone, whose collection is the one
    the model was in (`fallback` when it was in none)."""
    place = model_import.model_collection(top)
    done = model_import.import_model(program, top["opt_file"], max(top["opt_level"], 0), top["opt_all_levels"])
    name, basis = top.name, top.matrix_basis.copy()
    remove_objects([top] + list(top.children_recursive))
    if place is None:
        place = fallback
    for child in list(place.children):
        if "opt_level" in child.keys() and not child.all_objects:
            bpy.data.collections.remove(child)
    fresh = done.collection
    for obj in list(fresh.objects):
        fresh.objects.unlink(obj)
        place.objects.link(obj)
    file_name = os.path.basename(done.top["opt_file"])
    for child in list(fresh.children):
        fresh.children.unlink(child)
        place.children.link(child)
        child.name = model_import.level_collection_name(file_name, child["opt_level"])
    bpy.data.collections.remove(fresh)
    done.collection = place
    done.top.name = name
    done.top.matrix_basis = basis
    return done
