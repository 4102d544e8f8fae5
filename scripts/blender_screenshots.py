"""Run by scripts/blender-screenshots.sh inside Blender (a window under Xvfb, with event simulation):
imports the demo model with the add-on, moves a hardpoint empty, writes it back, and saves a
screenshot of the window after each step.

    blender --enable-event-simulate --python blender_screenshots.py -- MODEL OUT_DIR
"""

import math
import os
import struct
import sys
import zlib

import bpy
import numpy as np
from mathutils import Euler

MODEL, OUT = sys.argv[sys.argv.index("--") + 1:]
WINDOW = bpy.context.window_manager.windows[0]


def area(kind):
    return next(a for a in WINDOW.screen.areas if a.type == kind)


def region(a, kind):
    return next(r for r in a.regions if r.type == kind)


def click(x, y):
    WINDOW.event_simulate(type='MOUSEMOVE', value='NOTHING', x=x, y=y)
    WINDOW.event_simulate(type='LEFTMOUSE', value='PRESS', x=x, y=y)
    WINDOW.event_simulate(type='LEFTMOUSE', value='RELEASE', x=x, y=y)


def move_edge(x, y, delta):
    """Moves the edge between two areas that passes through (x, y) by delta pixels."""
    with bpy.context.temp_override(window=WINDOW, screen=WINDOW.screen):
        bpy.ops.screen.area_move(x=x, y=y, delta=delta)


def redraw():
    for a in WINDOW.screen.areas:
        a.tag_redraw()


def in_view(operator, **words):
    view = area('VIEW_3D')
    with bpy.context.temp_override(window=WINDOW, area=view, region=region(view, 'WINDOW')):
        return operator(**words)


def screenshot(name):
    path = os.path.join(OUT, name)
    bpy.ops.screen.screenshot(filepath=path)
    write_indexed_png(path)


def write_indexed_png(path):
    """Writes the picture again as an 8-bit indexed PNG, a fraction of the size: the 256 most frequent
    colours (the interface's own), every other colour as the nearest of them."""
    image = bpy.data.images.load(path)
    w, h = image.size
    pixels = np.array(image.pixels[:], dtype=np.float32).reshape(h, w, 4)[::-1, :, :3]  # rows bottom-up
    bpy.data.images.remove(image)
    rgb = np.round(pixels * 255).astype(np.int64).reshape(-1, 3)
    colours, inverse, counts = np.unique(rgb[:, 0] << 16 | rgb[:, 1] << 8 | rgb[:, 2], return_inverse=True,
                                         return_counts=True)
    split = lambda keys: np.stack([keys >> 16 & 255, keys >> 8 & 255, keys & 255], axis=1)
    palette = split(colours[np.argsort(-counts, kind="stable")[:256]])
    distinct = split(colours)
    nearest = np.empty(len(colours), dtype=np.uint8)
    for start in range(0, len(colours), 2048):
        d = ((distinct[start:start + 2048, None, :] - palette[None, :, :]) ** 2).sum(axis=2)
        nearest[start:start + 2048] = d.argmin(axis=1)
    indices = nearest[inverse].reshape(h, w)
    rows = b"".join(b"\0" + indices[y].tobytes() for y in range(h))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 3, 0, 0, 0)) +
                chunk(b"PLTE", palette.astype(np.uint8).tobytes()) + chunk(b"IDAT", zlib.compress(rows, 9)) +
                chunk(b"IEND", b""))


def hardpoint(index):
    return next(o for o in bpy.data.objects if o.get("opt_hardpoint") == index)


def import_model():
    # The layout first, while no simulated pointer lies over a region (moving an edge needs that):
    # a wider outliner, so that the names show, and the timeline turned into an Info editor tall
    # enough for the reports.
    view, info = area('VIEW_3D'), area('DOPESHEET_EDITOR')
    move_edge(view.x + view.width, view.y + view.height // 2, -150)
    move_edge(info.x + info.width // 2, info.y + info.height, 110)
    info.type = 'INFO'
    for obj in list(bpy.data.objects):
        bpy.data.objects.remove(obj)
    in_view(bpy.ops.import_scene.zedaruz_opt, filepath=MODEL)
    space = view.spaces.active
    space.show_region_ui = True
    space.shading.color_type = 'TEXTURE'
    space.overlay.show_floor = True
    r3d = space.region_3d
    r3d.view_rotation = Euler((math.radians(62), 0, math.radians(215))).to_quaternion()
    r3d.view_location = (0, 0.2, 0)
    r3d.view_distance = 13
    outliner = area('OUTLINER')
    with bpy.context.temp_override(window=WINDOW, area=outliner, region=region(outliner, 'WINDOW')):
        bpy.ops.outliner.show_one_level()
        bpy.ops.outliner.show_one_level()
        bpy.ops.outliner.show_one_level()
    # The sidebar's tabs stand at its right edge: Item, Tool, View, then the add-on's "OPT".
    ui = region(view, 'UI')
    click(ui.x + ui.width - 13, ui.y + ui.height - 156)
    return None


def shoot_import():
    screenshot("blender-import.png")
    empty = hardpoint(2)
    for obj in bpy.context.selected_objects:
        obj.select_set(False)
    empty.select_set(True)
    bpy.context.view_layer.objects.active = empty
    empty.location.y += 1.0
    redraw()
    return None


def shoot_moved():
    screenshot("blender-hardpoint.png")
    # A click on the panel's "Write Hardpoints to OPT", as a user makes it, so that the report goes
    # to the status bar and the Info editor (reports of operators called from Python are printed).
    ui = region(area('VIEW_3D'), 'UI')
    click(ui.x + (ui.width - 20) // 2, ui.y + ui.height - 191)
    WINDOW.event_simulate(type='MOUSEMOVE', value='NOTHING', x=ui.x - 200, y=ui.y + 40)
    return None


def shoot_report():
    screenshot("blender-report.png")
    if hardpoint(2).get("opt_position")[1] == 122:
        print("The click did not write the hardpoint: the report picture shows no write.", file=sys.stderr)
        sys.exit(1)
    bpy.ops.wm.quit_blender()
    return None


for delay, step in ((1, import_model), (4, shoot_import), (6, shoot_moved), (8, shoot_report)):
    bpy.app.timers.register(step, first_interval=delay)
