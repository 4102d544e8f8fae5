"""Blender's own glTF importer, called so that a failure leaves nothing behind.

Debian 12's Blender 3.4 ships a glTF importer that calls `numpy.bool`, an alias NumPy 1.24 removed:
every mesh import there fails with "module 'numpy' has no attribute 'bool'". The alias is put back
(as the builtin `bool` it always stood for) before the importer runs, only when it is missing.
"""

import warnings

import bpy

from .cli import CliError

# The kinds of data an import may create, removed in this order when it fails.
DATA_KINDS = ("objects", "meshes", "materials", "textures", "images", "node_groups", "cameras", "lights",
              "armatures", "actions", "collections")


def restore_numpy_bool_alias():
    import numpy
    with warnings.catch_warnings():
        # NumPy 1.24 warns that `numpy.bool` will come back as its own scalar type.
        warnings.simplefilter("ignore", FutureWarning)
        missing = not hasattr(numpy, "bool")
    if missing:
        numpy.bool = bool


class NewData:
    """The data blocks made since it was created; `remove` deletes them all (nothing half-imported
    is left when an import fails)."""

    def __init__(self):
        self.before = {kind: {block.as_pointer() for block in getattr(bpy.data, kind)} for kind in DATA_KINDS}

    def made(self, kind):
        known = self.before[kind]
        return [block for block in getattr(bpy.data, kind) if block.as_pointer() not in known]

    def remove(self):
        for kind in DATA_KINDS:
            blocks = getattr(bpy.data, kind)
            for block in self.made(kind):
                blocks.remove(block)


def import_glb(path, collection):
    """Imports the .glb file with Blender's glTF importer and moves the objects it made into
    `collection` (the importer links them to the scene). Returns the new objects. Raises CliError
    with the importer's message when it fails; the caller removes what it made."""
    if not hasattr(bpy.types, "IMPORT_SCENE_OT_gltf"):
        raise CliError("Blender's glTF importer is not enabled: enable the add-on \"Import-Export: glTF 2.0 "
                       "format\" in Edit > Preferences > Add-ons.")
    restore_numpy_bool_alias()
    known = {o.as_pointer() for o in bpy.data.objects}
    try:
        bpy.ops.import_scene.gltf(filepath=path, merge_vertices=False)
    except RuntimeError as e:
        lines = [line for line in str(e).splitlines() if line.strip()]
        raise CliError("Blender's glTF importer failed: " + (lines[-1] if lines else "no message")) from None
    made = [o for o in bpy.data.objects if o.as_pointer() not in known]
    for obj in made:
        for other in list(obj.users_collection):
            other.objects.unlink(obj)
        collection.objects.link(obj)
    return made
