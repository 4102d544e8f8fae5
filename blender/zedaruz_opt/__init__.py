"""Zedaruz OPT models: imports OPT model files into Blender through zedaruz-cli's glTF export and
writes moved hardpoints back into the file in place, verified and journaled (zedaruz-cli
set-hardpoints), so that `zedaruz-cli revert` or "Revert Last OPT Write" undoes them."""

bl_info = {
    "name": "Zedaruz OPT models",
    "author": "Zedaruz developers",
    "version": (1, 0, 0),
    "blender": (3, 4, 0),
    "location": "File > Import > OPT model (.opt); Object > Write Hardpoints to OPT; Sidebar > OPT",
    "description": "Import OPT models through zedaruz-cli and write moved hardpoints back, journaled",
    "category": "Import-Export",
}

import bpy

from . import operators, panel, preferences

CLASSES = (preferences.ZedaruzOptPreferences,) + operators.CLASSES + (panel.VIEW3D_PT_zedaruz_opt,)


def register():
    for cls in CLASSES:
        bpy.utils.register_class(cls)
    for menu, entry in panel.MENUS:
        menu.append(entry)


def unregister():
    for menu, entry in reversed(panel.MENUS):
        menu.remove(entry)
    for cls in reversed(CLASSES):
        bpy.utils.unregister_class(cls)
