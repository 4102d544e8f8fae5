"""The Blender add-on's tests, run inside Blender by tests/blender/run_addon_tests.sh:

    blender -b --factory-startup --python run_addon_tests.py -- ADDON_ZIP ZEDARUZ_CLI MODELS_DIR WORK_DIR

The add-on is installed from the build's zip and enabled. Every expected number comes from
zedaruz-cli itself (the export's summary line, `info --json`, `list`), never from constants, and the
model files are compared byte for byte. A failing check is printed and makes Blender exit with 1.
"""

import contextlib
import ctypes
import json
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import traceback

import bpy

ZIP, CLI, MODELS, WORK = sys.argv[sys.argv.index("--") + 1:]
DEMO = os.path.join(MODELS, "demo.opt")
TWO_LEVELS = os.path.join(MODELS, "two-levels.opt")
UNITS_PER_METRE = 20.5

failures = []
current = ""


def expect(condition, what):
    if not condition:
        failures.append("%s: %s" % (current, what))
        print("FAILED CHECK in %s: %s" % (current, what))
    return condition


# ---- zedaruz-cli, run by the tests themselves --------------------------------------------------

def cli(*words):
    done = subprocess.run([CLI] + list(words), capture_output=True)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def info(path):
    return json.loads(cli("info", path, "--json")[1])


def glb_document(path):
    """The JSON chunk and the binary chunk of a .glb file."""
    with open(path, "rb") as f:
        data = f.read()
    length, = struct.unpack_from("<I", data, 12)
    document = json.loads(data[20:20 + length])
    binary = data[20 + length + 8:] if len(data) > 20 + length else b""
    return document, binary


def repeated_triangles(path):
    """Triangles of the .glb that repeat the corners of an earlier triangle of their primitive or use a
    corner twice: Blender's importer keeps no face for them."""
    document, binary = glb_document(path)
    repeated = 0
    for mesh in document.get("meshes", []):
        for primitive in mesh["primitives"]:
            accessor = document["accessors"][primitive["indices"]]
            view = document["bufferViews"][accessor["bufferView"]]
            assert accessor["componentType"] == 5125
            indices = struct.unpack_from("<%dI" % accessor["count"], binary,
                                         view.get("byteOffset", 0) + accessor.get("byteOffset", 0))
            seen = set()
            for k in range(0, len(indices), 3):
                corners = tuple(sorted(indices[k:k + 3]))
                if len(set(corners)) < 3 or corners in seen:
                    repeated += 1
                seen.add(corners)
    return repeated


def export_summary(path, level):
    """Meshes and triangles the export's summary line gives for the level, the triangles of its .glb
    that Blender cannot hold as faces of their own, and the export's warnings."""
    out = os.path.join(WORK, "expected.glb")
    status, text, err = cli("export-gltf", path, out, "--lod", str(level))
    found = re.search(r": (\d+) mesh(?:es)?, (\d+) triangles?, ", text)
    assert status == 0 and found, text + err
    repeated = repeated_triangles(out)
    os.remove(out)
    return int(found.group(1)), int(found.group(2)), repeated, [line for line in err.splitlines() if line]


def exported_levels(path):
    """The levels an --all-lods export holds: its scenes "LOD k", read from the .glb's JSON chunk."""
    out = os.path.join(WORK, "levels.glb")
    assert cli("export-gltf", path, out, "--all-lods")[0] == 0
    document, _ = glb_document(out)
    os.remove(out)
    return [int(scene["name"].split()[-1]) for scene in document["scenes"]]


def listed_hardpoints(path):
    """`list FILE hardpoint`: the line of each index."""
    status, text, _ = cli("list", path, "hardpoint")
    assert status == 0
    lines = {}
    for line in text.splitlines():
        found = re.match(r"TBH \(022\)(\d+) ", line)
        if found:
            lines[int(found.group(1))] = line
    return lines


def listed_value(line, axis):
    return re.search(axis + r"=\s*(\S+)", line).group(1)


def file_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def float32(value):
    return struct.unpack("<f", struct.pack("<f", value))[0]


def write_program(name, body):
    """A small shell script standing in for zedaruz-cli."""
    path = os.path.join(WORK, name)
    with open(path, "w") as f:
        f.write("#!/bin/sh\n" + body.replace("REAL", "'%s'" % CLI) + "\n")
    os.chmod(path, 0o755)
    return path


# ---- Blender ----------------------------------------------------------------------------------------

@contextlib.contextmanager
def captured():
    """Everything Blender and Python print meanwhile (reports go to standard output in background
    mode), in box["text"]."""
    libc = ctypes.CDLL(None)
    box = {}
    sys.stdout.flush()
    sys.stderr.flush()
    libc.fflush(None)
    saved = os.dup(1), os.dup(2)
    with tempfile.TemporaryFile() as f:
        os.dup2(f.fileno(), 1)
        os.dup2(f.fileno(), 2)
        try:
            yield box
        finally:
            sys.stdout.flush()
            sys.stderr.flush()
            libc.fflush(None)
            os.dup2(saved[0], 1)
            os.dup2(saved[1], 2)
            os.close(saved[0])
            os.close(saved[1])
            f.seek(0)
            box["text"] = f.read().decode("utf-8", "replace")


def call(operator, **words):
    """Runs the operator; returns its error (None when it finished) and what was printed."""
    error = None
    with captured() as out:
        try:
            operator(**words)
        except RuntimeError as e:
            error = str(e)
    return error, out["text"]


def preferences():
    return bpy.context.preferences.addons["zedaruz_opt"].preferences


KINDS = ("objects", "meshes", "materials", "images", "textures", "collections", "node_groups")


def clear_scene():
    for kind in KINDS:
        blocks = getattr(bpy.data, kind)
        for block in list(blocks):
            blocks.remove(block)


def data_counts():
    return {kind: len(getattr(bpy.data, kind)) for kind in KINDS}


def import_model(path, level=0, all_levels=False):
    error, text = call(bpy.ops.import_scene.zedaruz_opt, filepath=path, level=level, all_levels=all_levels)
    assert error is None, error + text
    tops = [o for o in bpy.data.objects if "opt_file" in o.keys()]
    assert len(tops) == 1
    return tops[0], text


def hardpoint_empties(objects):
    return {o["opt_hardpoint"]: o for o in objects if "opt_hardpoint" in o.keys()}


def copy_model(source, folder, name):
    os.makedirs(os.path.join(WORK, folder), exist_ok=True)
    path = os.path.join(WORK, folder, name)
    shutil.copyfile(source, path)
    return path


# ---- the tests ----------------------------------------------------------------------------------

def check_import(path, levels, all_levels):
    """Objects, triangles and hardpoint empties of each level as the export's summary and `info`
    give them; each hardpoint empty's world location x 20.5 is the file's position."""
    clear_scene()
    model = info(path)
    hardpoints = {h["index"]: h for h in model["hardpoints"]}
    top, text = import_model(path, levels[0], all_levels)
    name = os.path.basename(path)
    expect(top["opt_file"] == os.path.abspath(path), "top object names the file")
    expect(top["opt_length"] == os.path.getsize(path), "top object holds the file's length")
    bpy.context.view_layer.update()
    collection = top.users_collection[0]
    for level in levels:
        objects = bpy.data.collections[name + " LOD %d" % level].objects if all_levels else \
            [o for o in collection.objects if o != top]
        meshes, triangles, repeated, _ = export_summary(path, level)
        mesh_objects = [o for o in objects if o.type == 'MESH']
        where = "%s level %d" % (name, level)
        expect(len(mesh_objects) == meshes, "%s: %d mesh objects, the export says %d" %
               (where, len(mesh_objects), meshes))
        polygons = [p for o in mesh_objects for p in o.data.polygons]
        expect(len(polygons) == triangles - repeated and all(len(p.vertices) == 3 for p in polygons),
               "%s: %d polygons, the export says %d triangles, %d of them repeated" %
               (where, len(polygons), triangles, repeated))
        if repeated:
            expect("Blender shows %d of the export's %d triangles" % (len(polygons), triangles) in text,
                   "%s: the report says how many triangles Blender shows" % where)
        expect(all(o["opt_level"] == level and "meshType" in o["opt_descriptor"] for o in mesh_objects),
               "%s: mesh objects tagged with level and descriptor" % where)
        empties = hardpoint_empties(objects)
        finite = {i for i, h in hardpoints.items() if all(abs(h[a]) < float("inf") for a in "xyz")}
        expect(set(empties) == finite, "%s: hardpoint empties %s, the file has %s" %
               (where, sorted(empties), sorted(finite)))
        for index, obj in empties.items():
            h = hardpoints[index]
            expect(obj["opt_type"] == h["type_code"], "%s: hardpoint %d type" % (where, index))
            location = obj.matrix_world.translation
            for axis, key in enumerate("xyz"):
                expect(abs(location[axis] * UNITS_PER_METRE - h[key]) <= 1e-4 * max(1.0, abs(h[key])),
                       "%s: hardpoint %d: Blender %s %.6f x 20.5 is not OPT %s %.6f" %
                       (where, index, key, location[axis], key, h[key]))


def test_imports_match_the_export():
    levels = exported_levels(DEMO)
    expect(len(levels) == 2, "the demo model has two levels: %s" % levels)
    check_import(DEMO, [0], False)
    check_import(DEMO, levels, True)
    two = exported_levels(TWO_LEVELS)
    expect(len(two) == 2, "two-levels.opt has two levels: %s" % two)
    check_import(TWO_LEVELS, two, True)
    check_import(TWO_LEVELS, [1], False)
    # A name with a space and a non-ASCII letter, in a folder with a space.
    check_import(copy_model(DEMO, "ships folder", "schiffé ship.opt"), [0], False)


def test_moved_empties_are_written_in_one_write_and_reverted():
    clear_scene()
    path = copy_model(DEMO, "ships folder", "schiffé ship.opt")
    before = file_bytes(path)
    listed = listed_hardpoints(path)
    records = {h["index"]: h for h in info(path)["hardpoints"]}
    top, _ = import_model(path)
    empties = hardpoint_empties(top.children_recursive)
    a, b = min(empties), max(empties)
    empties[a].location.y += 1.0   # 1 m along Blender's y ...
    empties[b].location.z -= 0.5   # ... and 0.5 m down
    bpy.context.view_layer.update()
    new_y = float32(empties[a].matrix_world.translation.y * UNITS_PER_METRE)
    new_z = float32(empties[b].matrix_world.translation.z * UNITS_PER_METRE)
    expect(abs(new_y - (records[a]["y"] + 20.5)) < 1e-3, "1 m along Blender's y is OPT y + 20.5")
    expect(abs(new_z - (records[b]["z"] - 10.25)) < 1e-3, "0.5 m down Blender's z is OPT z - 10.25")

    error, text = call(bpy.ops.zedaruz.write_hardpoints)
    expect(error is None, "the write: %s" % error)
    written = re.search(r"Wrote 2 hardpoints to schiffé ship.opt in one write \(journal id (\d+)\)", text)
    expect(written is not None, "the report names 2 hardpoints and the journal id: " + text)
    after = file_bytes(path)
    expect(len(after) == len(before), "the length stays")
    at_y, at_z = records[a]["position"] + 8, records[b]["position"] + 12
    changed = [i for i in range(min(len(before), len(after))) if before[i] != after[i]]
    expect(changed and set(changed) <= set(range(at_y, at_y + 4)) | set(range(at_z, at_z + 4)),
           "only the 8 bytes of the two coordinates changed: %s" % changed)
    expect(struct.unpack_from("<f", after, at_y)[0] == new_y and struct.unpack_from("<f", after, at_z)[0] == new_z,
           "the file holds the new coordinates")
    now = listed_hardpoints(path)
    expect(listed_value(now[a], "Y") == "%.2f" % new_y, "list shows hardpoint %d y %.2f: %s" % (a, new_y, now[a]))
    expect(listed_value(now[b], "Z") == "%.2f" % new_z, "list shows hardpoint %d z %.2f: %s" % (b, new_z, now[b]))
    for axis in "XZ":
        expect(listed_value(now[a], axis) == listed_value(listed[a], axis), "hardpoint %d %s stays" % (a, axis))
    for axis in "XY":
        expect(listed_value(now[b], axis) == listed_value(listed[b], axis), "hardpoint %d %s stays" % (b, axis))
    expect(all(now[i] == listed[i] for i in listed if i not in (a, b)), "the other hardpoints stay")
    if written:
        history = cli("history", path)[1].splitlines()
        expect(history and history[0].split()[0] == written.group(1) and "current" in history[0],
               "history's newest write is the journal id the report gave: %s" % history[:1])

    error, text = call(bpy.ops.zedaruz.write_hardpoints)
    expect(error is None and "was moved: nothing written" in text, "nothing moved since: " + text)
    expect(file_bytes(path) == after, "nothing written again")

    error, text = call(bpy.ops.zedaruz.revert_last_write)
    expect(error is None, "the revert: %s" % error)
    expect(file_bytes(path) == before, "the revert gives the file back byte for byte")
    expect(re.search(r"Reverted write \d+ of ", text) is not None, "the report names the revert: " + text)
    top = [o for o in bpy.data.objects if "opt_file" in o.keys()]
    expect(len(top) == 1, "the reverted model is reloaded once")
    bpy.context.view_layer.update()
    back = hardpoint_empties(top[0].children_recursive)[a].matrix_world.translation.y * UNITS_PER_METRE
    expect(abs(back - records[a]["y"]) < 1e-3, "the reload shows the file's hardpoint again")


def test_a_file_changed_since_the_import_is_refused_and_reload_keeps_the_place():
    clear_scene()
    path = copy_model(DEMO, "changed", "demo.opt")
    ships = bpy.data.collections.new("Ships")
    bpy.context.scene.collection.children.link(ships)
    bpy.context.view_layer.active_layer_collection = bpy.context.view_layer.layer_collection.children["Ships"]
    top, _ = import_model(path)
    place = top.users_collection[0]
    expect(place.name in ships.children, "the model's collection lies in the active collection")
    assert cli("set-hardpoint", path, "1", "x", "5")[0] == 0  # another program writes meanwhile
    changed = file_bytes(path)
    hardpoint_empties(top.children_recursive)[0].location.x += 1.0
    error, text = call(bpy.ops.zedaruz.write_hardpoints)
    expect(error is not None and "changed since it was imported" in error, "refused: %s" % error)
    expect("Traceback" not in text, "no traceback")
    expect(file_bytes(path) == changed, "nothing written")

    error, _ = call(bpy.ops.zedaruz.reload)
    expect(error is None, "reload: %s" % error)
    tops = [o for o in bpy.data.objects if "opt_file" in o.keys()]
    expect(len(tops) == 1 and tops[0].name == "demo.opt", "one model after the reload, with its name")
    expect(place.name in ships.children and tops[0].users_collection[0] == place,
           "the reloaded model stays in its collection, in its place")
    bpy.context.view_layer.update()
    empties = hardpoint_empties(tops[0].children_recursive)
    expect(abs(empties[1].matrix_world.translation.x * UNITS_PER_METRE - 5) < 1e-4, "the reload shows the change")
    empties[0].location.x += 1.0
    error, _ = call(bpy.ops.zedaruz.write_hardpoints)
    expect(error is None, "after the reload the write is taken: %s" % error)


def test_a_damaged_file_shows_the_readers_warnings():
    clear_scene()
    path = os.path.join(WORK, "damaged.opt")
    with open(path, "wb") as f:
        f.write(file_bytes(DEMO)[:30000])  # the file ends inside a block
    _, _, _, warnings = export_summary(path, 0)
    expect(warnings, "the cut file gives reader warnings")
    _, text = import_model(path)
    for line in warnings:
        expect(line in text, "the report shows %r" % line)


def test_a_missing_or_old_zedaruz_cli_gives_a_message():
    clear_scene()
    counts = data_counts()
    prefs = preferences()
    cases = (
        (os.path.join(WORK, "no such folder", "zedaruz-cli"), "zedaruz-cli was not found at"),
        (write_program("old-cli", 'echo "zedaruz-cli 0.9.0"'), "is too old: the add-on needs 1.0.0 or later"),
        (write_program("not-cli", 'echo "something else"'), "is not zedaruz-cli"),
    )
    for program, message in cases:
        prefs.cli_path = program
        error, text = call(bpy.ops.import_scene.zedaruz_opt, filepath=DEMO)
        expect(error is not None and message in error, "%s: %s" % (message, error))
        expect("Traceback" not in text, "no traceback: " + text)
        expect(data_counts() == counts, "nothing imported")
    # A 1.0.0 without set-hardpoints imports (with a warning) but cannot write back.
    path = copy_model(DEMO, "old", "demo.opt")
    prefs.cli_path = write_program("cli-without-set-hardpoints",
                                   'if [ "$1" = set-hardpoints ]; then exit 2; fi\nexec REAL "$@"')
    top, text = import_model(path)
    expect("lacks the command set-hardpoints" in text, "the import warns: " + text)
    hardpoint_empties(top.children_recursive)[0].location.x += 1.0
    error, _ = call(bpy.ops.zedaruz.write_hardpoints)
    expect(error is not None and "lacks the command set-hardpoints" in error, "the write refuses: %s" % error)
    expect(file_bytes(path) == file_bytes(DEMO), "nothing written")
    prefs.cli_path = CLI


def test_a_failed_import_leaves_nothing():
    clear_scene()
    counts = data_counts()
    # The export of level 1 fails after level 0 was imported.
    preferences().cli_path = write_program(
        "cli-failing-level-1",
        'case " $* " in *" --lod 1 "*) echo "Cannot create file out.glb" >&2; exit 1;; esac\nexec REAL "$@"')
    error, text = call(bpy.ops.import_scene.zedaruz_opt, filepath=DEMO, all_levels=True)
    preferences().cli_path = CLI
    expect(error is not None and "Cannot create file out.glb" in error, "the export's message: %s" % error)
    expect("Traceback" not in text, "no traceback")
    expect(data_counts() == counts, "nothing half-imported: %s, before %s" % (data_counts(), counts))


def test_the_program_is_found_on_path():
    folder = os.path.join(WORK, "bin")
    os.makedirs(folder, exist_ok=True)
    os.symlink(CLI, os.path.join(folder, "zedaruz-cli"))
    old_path = os.environ["PATH"]
    os.environ["PATH"] = folder + os.pathsep + old_path
    preferences().cli_path = ""
    error, text = call(bpy.ops.zedaruz.check_cli)
    os.environ["PATH"] = old_path
    preferences().cli_path = CLI
    expect(error is None and re.search(r"zedaruz-cli \d+\.\d+\.\d+ at %s: ready" %
                                       re.escape(os.path.join(folder, "zedaruz-cli")), text),
           "found on PATH: %s %s" % (error, text))


def install_addon():
    bpy.ops.preferences.addon_install(filepath=ZIP, overwrite=True)
    bpy.ops.preferences.addon_enable(module="zedaruz_opt")
    import zedaruz_opt
    assert os.path.abspath(zedaruz_opt.__file__).startswith(os.path.abspath(os.environ["BLENDER_USER_SCRIPTS"])), \
        zedaruz_opt.__file__
    preferences().cli_path = CLI


def main():
    global current
    start = time.monotonic()
    install_addon()
    tests = [value for name, value in sorted(globals().items()) if name.startswith("test_")]
    for test in tests:
        current = test.__name__
        known = len(failures)
        try:
            test()
        except Exception:
            failures.append("%s: %s" % (current, traceback.format_exc()))
        print("%s %s" % ("ok    " if len(failures) == known else "FAILED", current))
    current = "temporary files"
    left = [n for n in os.listdir(tempfile.gettempdir()) if n.startswith("zedaruz_opt_")]
    expect(not left, "temporary files left: %s" % left)
    print("Blender add-on tests: %d tests, %.1f s" % (len(tests), time.monotonic() - start))
    if failures:
        raise AssertionError("%d failed checks:\n%s" % (len(failures), "\n".join(failures)))


main()
