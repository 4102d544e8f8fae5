"""The sidebar panel "OPT" of the 3D view and the menu entries."""

import os

import bpy

from . import hardpoint_write, model_import


def shown_model(context):
    top = model_import.find_top(context.active_object)
    if top is None:
        tops = model_import.model_tops(context.scene)
        top = tops[0] if len(tops) == 1 else None
    return top


class VIEW3D_PT_zedaruz_opt(bpy.types.Panel):
    bl_idname = "VIEW3D_PT_zedaruz_opt"
    bl_label = "OPT"
    bl_space_type = 'VIEW_3D'
    bl_region_type = 'UI'
    bl_category = "OPT"

    def draw(self, context):
        layout = self.layout
        top = shown_model(context)
        if top is None:
            layout.label(text="No OPT model chosen")
            layout.operator("import_scene.zedaruz_opt", text="Import OPT model...")
            return
        layout.label(text=os.path.basename(top["opt_file"]), icon='FILE_3D')
        empties = hardpoint_write.hardpoint_empties(top)
        moved = sum(1 for objs in empties.values()
                    if any(hardpoint_write.new_position(obj, top) is not None for obj in objs))
        layout.label(text="%d hardpoints, %d moved" % (len(empties), moved))
        draw_active_hardpoint(layout, context.active_object, top)
        layout.operator("zedaruz.write_hardpoints", icon='EXPORT')
        layout.operator("zedaruz.revert_last_write", icon='LOOP_BACK')
        layout.operator("zedaruz.reload", icon='FILE_REFRESH')


def position_text(position):
    return "x %.2f  y %.2f  z %.2f" % tuple(position)


def draw_active_hardpoint(layout, obj, top):
    """The active hardpoint empty: its record as the file holds it and, once moved, what a write puts
    there (file units)."""
    if obj is None or "opt_hardpoint" not in obj.keys() or model_import.find_top(obj) != top:
        return
    box = layout.box()
    box.label(text="Hardpoint %d, type %d" % (obj["opt_hardpoint"], obj["opt_type"]), icon='EMPTY_AXIS')
    box.label(text="File: " + position_text(obj["opt_position"]))
    position = hardpoint_write.new_position(obj, top)
    if position is not None:
        box.label(text="New: " + position_text(position))


def import_menu_entry(self, context):
    self.layout.operator("import_scene.zedaruz_opt", text="OPT model (.opt)")


def object_menu_entry(self, context):
    self.layout.separator()
    self.layout.operator("zedaruz.write_hardpoints")


MENUS = ((bpy.types.TOPBAR_MT_file_import, import_menu_entry), (bpy.types.VIEW3D_MT_object, object_menu_entry))
