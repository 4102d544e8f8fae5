"""The add-on's operators: thin callers of the import, write-back and reload modules and of
zedaruz-cli. Every failure is one message in Blender's report area (no traceback)."""

import os

import bpy
from bpy_extras.io_utils import ImportHelper

from . import cli, hardpoint_write, model_import, model_reload
from .cli import CliError
from .preferences import program


def report_lines(operator, kind, lines):
    for line in lines:
        operator.report({kind}, line)


def checked_program(context):
    """The program, checked with --version (raises CliError when it is missing or too old)."""
    return cli.check_program(program(context))


def report_import(operator, done, check, verb):
    report_lines(operator, 'WARNING', done.warnings)
    report_lines(operator, 'INFO', done.notes)
    if not check.writes_hardpoints:
        operator.report({'WARNING'}, check.too_old_message())
    name = os.path.basename(done.top["opt_file"])
    text = "%s %s: %s" % (verb, name, "; ".join(done.summaries))
    if done.warnings:
        operator.report({'WARNING'}, "%s (%d warnings from the reader and the export, above)" %
                        (text, len(done.warnings)))
    else:
        operator.report({'INFO'}, text)


def select_only(context, obj):
    for other in context.selected_objects:
        other.select_set(False)
    if obj.name in context.view_layer.objects:
        obj.select_set(True)
        context.view_layer.objects.active = obj


def model_top(context):
    """The imported model the operators act on: the active object's, or the only one in the scene."""
    top = model_import.find_top(context.active_object)
    if top is not None:
        return top
    tops = model_import.model_tops(context.scene)
    if len(tops) == 1:
        return tops[0]
    if not tops:
        raise CliError("No imported OPT model in the scene: import one with File > Import > OPT model (.opt).")
    raise CliError("The scene holds %d OPT models: select an object of the one to act on." % len(tops))


def reload_and_report(operator, context, check, top):
    done = model_reload.reload_model(check.program, top, context.scene.collection)
    select_only(context, done.top)
    report_import(operator, done, check, "Reloaded")


class ZedaruzOperator:
    """Runs `act`, turning a CliError into an error report."""

    def execute(self, context):
        try:
            return self.act(context)
        except CliError as e:
            self.report({'ERROR'}, str(e))
            return {'CANCELLED'}


class ModelOperator(ZedaruzOperator):
    """An operator on the imported model of the active object, or of the only one in the scene."""
    bl_options = {'REGISTER', 'UNDO'}

    def act(self, context):
        top = model_top(context)
        return self.act_on(context, top, checked_program(context))


class IMPORT_SCENE_OT_zedaruz_opt(ZedaruzOperator, bpy.types.Operator, ImportHelper):
    """Import an OPT model through zedaruz-cli's glTF export"""
    bl_idname = "import_scene.zedaruz_opt"
    bl_label = "Import OPT model"
    bl_options = {'REGISTER', 'UNDO'}

    filename_ext = ".opt"
    filter_glob: bpy.props.StringProperty(default="*.opt;*.OPT;*.op1;*.OP1", options={'HIDDEN'})
    level: bpy.props.IntProperty(name="Level", description="The level of detail to import (0: the most detailed)",
                                 default=0, min=0)
    all_levels: bpy.props.BoolProperty(name="All levels", description="Every level of detail, one collection each",
                                       default=False)

    def act(self, context):
        check = checked_program(context)
        done = model_import.import_model(check.program, self.filepath, self.level, self.all_levels)
        context.view_layer.active_layer_collection.collection.children.link(done.collection)
        select_only(context, done.top)
        report_import(self, done, check, "Imported")
        return {'FINISHED'}


class ZEDARUZ_OT_write_hardpoints(ModelOperator, bpy.types.Operator):
    """Write every moved hardpoint empty back into the OPT file, in one journaled write"""
    bl_idname = "zedaruz.write_hardpoints"
    bl_label = "Write Hardpoints to OPT"

    def act_on(self, context, top, check):
        if not check.writes_hardpoints:
            raise CliError(check.too_old_message())
        name = os.path.basename(top["opt_file"])
        done = hardpoint_write.write_hardpoints(check.program, top)
        if done is None:
            self.report({'INFO'}, "No hardpoint of %s was moved: nothing written." % name)
        elif not done.written:
            self.report({'INFO'}, "%s already holds these hardpoint positions: nothing written." % name)
        else:
            journal = " (journal id %d)" % done.journal_id if done.journal_id is not None else ""
            self.report({'INFO'}, "Wrote %d hardpoint%s to %s in one write%s: %s." %
                        (len(done.written), "" if len(done.written) == 1 else "s", name, journal,
                         ", ".join(done.written)))
        return {'FINISHED'}


class ZEDARUZ_OT_revert_last_write(ModelOperator, bpy.types.Operator):
    """Undo the newest write of the OPT file that is still current (zedaruz-cli revert), then reload it"""
    bl_idname = "zedaruz.revert_last_write"
    bl_label = "Revert Last OPT Write"

    def act_on(self, context, top, check):
        answer = cli.run(check.program, ["revert", top["opt_file"]])
        if answer.status != 0:
            raise CliError(answer.failure())
        reverted = (answer.lines() or ["Reverted."])[0]
        try:
            reload_and_report(self, context, check, top)
        except CliError as e:
            raise CliError("%s, but the reload failed: %s" % (reverted, e)) from None
        self.report({'INFO'}, reverted)
        return {'FINISHED'}


class ZEDARUZ_OT_reload(ModelOperator, bpy.types.Operator):
    """Import the OPT file again in place, with the same level choice"""
    bl_idname = "zedaruz.reload"
    bl_label = "Reload OPT"

    def act_on(self, context, top, check):
        reload_and_report(self, context, check, top)
        return {'FINISHED'}


class ZEDARUZ_OT_check_cli(ZedaruzOperator, bpy.types.Operator):
    """Ask zedaruz-cli for its version and whether it can write hardpoints back"""
    bl_idname = "zedaruz.check_cli"
    bl_label = "Check zedaruz-cli"

    def act(self, context):
        check = checked_program(context)
        if check.writes_hardpoints:
            self.report({'INFO'}, "zedaruz-cli %s at %s: ready." % (check.version_text(), check.program))
        else:
            self.report({'WARNING'}, check.too_old_message())
        return {'FINISHED'}


CLASSES = (IMPORT_SCENE_OT_zedaruz_opt, ZEDARUZ_OT_write_hardpoints, ZEDARUZ_OT_revert_last_write,
           ZEDARUZ_OT_reload, ZEDARUZ_OT_check_cli)
