"""Importing an OPT model: `zedaruz-cli export-gltf` per level into temporary .glb files, Blender's
glTF importer, and the tags that let the add-on write hardpoints back.

What an import leaves in the scene:
- a collection named after the file (with all levels, a child collection per level);
- the top object, an empty named after the file, parent of everything imported, holding the
  source file's path (`opt_file`), length (`opt_length`) and SHA-256 (`opt_sha256`, to see whether
  the file changed since), and the import's choices (`opt_level`, `opt_all_levels`);
- each mesh object (the export's "mesh N TYPE" node) with `opt_mesh` (its mesh index), `opt_level`,
  `opt_descriptor` (the descriptor's values as the file stores them) and `opt_rotation_scale`;
- each hardpoint empty ("hardpoint N TYPE") with `opt_hardpoint` (its index), `opt_type` (its type
  code), `opt_position` (x, y, z as the file stores them) and `opt_location` (its location in the
  model's frame when the file last held it).
"""

import hashlib
import json
import os
import re
import shutil
import tempfile

import bpy

from . import cli, gltf_import, model_frame
from .cli import CliError

# Custom properties of the importer's that the tags replace (the glTF export's node extras).
EXTRAS = {"mesh": "opt_mesh", "descriptor": "opt_descriptor", "rotationScale": "opt_rotation_scale"}


def file_identity(path):
    """The file's length and SHA-256 (hex)."""
    digest = hashlib.sha256()
    length = 0
    try:
        with open(path, "rb") as f:
            for block in iter(lambda: f.read(1 << 20), b""):
                digest.update(block)
                length += len(block)
    except OSError:
        raise CliError("Cannot open file " + path) from None
    return length, digest.hexdigest()


def model_info(program, path):
    """`zedaruz-cli info FILE --json`: the file's hardpoints by index and its levels of detail."""
    answer = cli.run(program, ["info", path, "--json"])
    if answer.status != 0:
        raise CliError(answer.failure())
    try:
        info = json.loads(answer.out)
    except ValueError:
        raise CliError("zedaruz-cli info printed no JSON for " + path) from None
    hardpoints = {h["index"]: h for h in info.get("hardpoints", [])}
    levels = set()
    for mesh in info.get("meshes", []):
        for key, faces in mesh.items():
            m = re.fullmatch(r"faces_lod(\d+)", key)
            if m and faces > 0:
                levels.add(int(m.group(1)))
    return hardpoints, sorted(levels) or [0]


def export_level(program, path, level, folder):
    """Runs the glTF export of one level; returns the .glb's path, the summary line and the reader's
    warnings."""
    glb = os.path.join(folder, "level %d.glb" % level)
    answer = cli.run(program, ["export-gltf", path, glb, "--lod", str(level)])
    if answer.status != 0:
        raise CliError(answer.failure())
    return glb, (answer.lines() or [""])[-1], answer.error_lines()


def tag_objects(objects, top, level, hardpoints):
    """Tags the objects of one level; returns how many hardpoint empties it has."""
    count = 0
    for obj in objects:
        if obj.parent is None:
            obj.parent = top
        for extra, tag in EXTRAS.items():
            if extra in obj.keys():
                value = obj[extra]
                for plain in ("to_dict", "to_list"):
                    if hasattr(value, plain):
                        value = getattr(value, plain)()
                obj[tag] = value
                del obj[extra]
        if "opt_mesh" in obj.keys():
            obj["opt_level"] = level
        elif obj.name.startswith("hardpoint ") and "index" in obj.keys() and "type" in obj.keys():
            index = obj["index"]
            record = hardpoints.get(index)
            if record is None:
                raise CliError("The export names hardpoint %d, which zedaruz-cli info does not list." % index)
            obj["opt_hardpoint"] = index
            obj["opt_type"] = obj["type"]
            del obj["index"], obj["type"]
            obj["opt_position"] = [float(record["x"]), float(record["y"]), float(record["z"])]
            count += 1
    return count


def dropped_triangles(objects, level, triangles):
    """A note when Blender holds fewer faces than the export's triangles: its importer keeps one
    face where triangles share all three corners (the two sides of a plate) and none where a triangle
    uses a corner twice."""
    faces = sum(len(obj.data.polygons) for obj in objects if obj.type == 'MESH')
    if faces >= triangles:
        return []
    return ["Level %d: Blender shows %d of the export's %d triangles: it keeps one face where triangles share "
            "all three corners (the two sides of a plate) and none where a triangle uses a corner twice."
            % (level, faces, triangles)]


def record_locations(top):
    for obj in top.children_recursive:
        if "opt_hardpoint" in obj.keys():
            obj["opt_location"] = list(model_frame.frame_location(obj, top))


def level_collection_name(name, level):
    return "%s LOD %d" % (name, level)


class ImportDone:
    def __init__(self, top, collection, summaries, warnings, notes):
        self.top = top
        self.collection = collection
        self.summaries = summaries  # one "level N: ..." text per level
        self.warnings = warnings    # the reader's and the export's warnings, each once
        self.notes = notes          # what Blender shows differently from the export


def import_model(program, path, level=0, all_levels=False):
    """Imports the OPT file into a new collection that is not yet linked to any scene. Raises
    CliError, leaving nothing behind, when zedaruz-cli or the glTF importer fails."""
    path = os.path.abspath(path)
    length, sha256 = file_identity(path)
    hardpoints, levels = model_info(program, path)
    if not all_levels:
        levels = [level]
    name = os.path.basename(path)
    made = gltf_import.NewData()
    folder = tempfile.mkdtemp(prefix="zedaruz_opt_")
    try:
        collection = bpy.data.collections.new(name)
        top = bpy.data.objects.new(name, None)
        collection.objects.link(top)
        summaries, warnings, notes = [], [], []
        for k in levels:
            glb, summary, lines = export_level(program, path, k, folder)
            target = collection
            if all_levels:
                target = bpy.data.collections.new(level_collection_name(name, k))
                target["opt_level"] = k
                collection.children.link(target)
            objects = gltf_import.import_glb(glb, target)
            count = tag_objects(objects, top, k, hardpoints)
            counts = re.search(r"\d+ mesh(?:es)?, (\d+) triangles?, .*$", summary)
            summaries.append("level %d: %s, %d hardpoints" % (k, counts.group(0) if counts else summary, count))
            warnings += [line for line in lines if line not in warnings]
            if counts:
                notes += dropped_triangles(objects, k, int(counts.group(1)))
        top["opt_file"] = path
        top["opt_length"] = length
        top["opt_sha256"] = sha256
        top["opt_level"] = -1 if all_levels else level
        top["opt_all_levels"] = all_levels
        record_locations(top)
        return ImportDone(top, collection, summaries, warnings, notes)
    except BaseException:
        made.remove()
        raise
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def find_top(obj):
    """The top object of the imported model obj belongs to, or None."""
    while obj is not None and "opt_file" not in obj.keys():
        obj = obj.parent
    return obj


def model_tops(scene):
    return [obj for obj in scene.objects if "opt_file" in obj.keys()]


def model_collection(top):
    return top.users_collection[0] if top.users_collection else None
