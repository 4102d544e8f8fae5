"""The add-on's preferences: where zedaruz-cli is."""

import bpy

from . import cli


class ZedaruzOptPreferences(bpy.types.AddonPreferences):
    bl_idname = __package__

    cli_path: bpy.props.StringProperty(
        name="zedaruz-cli",
        description="The zedaruz-cli program (zedaruz-cli.exe on Windows). Empty: zedaruz-cli found on PATH, "
                    "else the one beside the add-on",
        subtype='FILE_PATH',
        default="",
    )

    def draw(self, context):
        layout = self.layout
        layout.prop(self, "cli_path")
        row = layout.row()
        row.label(text="Runs " + program(context))
        row.operator("zedaruz.check_cli")


def program(context):
    """The zedaruz-cli the add-on runs, as the preferences choose it."""
    preferences = context.preferences.addons[__package__].preferences
    return cli.find_program(bpy.path.abspath(preferences.cli_path) if preferences.cli_path else "")
