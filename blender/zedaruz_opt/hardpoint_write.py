"""Writing moved hardpoint empties back into the OPT file: one `zedaruz-cli set-hardpoints` run,
so the moves are ONE verified, journaled write that `zedaruz-cli revert` undoes.

A hardpoint moved when its location in the model's frame differs from the one recorded when the
file last held it. Only the coordinates that moved are converted back (metres x 20.5, rounded to
the file's 32-bit float); the others keep the file's own values, so an empty moved along one axis
changes exactly 4 bytes of the file. With all levels imported, each hardpoint has an empty per
level: the moved ones must agree, and the others follow them after the write.
"""

import json
import re

from . import cli, model_frame
from .cli import CliError
from .model_import import file_identity


def hardpoint_empties(top):
    """The hardpoint empties of the model, by hardpoint index."""
    empties = {}
    for obj in top.children_recursive:
        if "opt_hardpoint" in obj.keys():
            empties.setdefault(obj["opt_hardpoint"], []).append(obj)
    return empties


def new_position(obj, top):
    """The file position of a moved empty, or None when it did not move."""
    location = model_frame.frame_location(obj, top)
    stored = obj["opt_location"]
    if not model_frame.moved(location, stored):
        return None
    position = []
    for axis in range(3):
        if abs(location[axis] - stored[axis]) <= model_frame.SAME_PLACE:
            position.append(obj["opt_position"][axis])
            continue
        try:
            position.append(model_frame.file_units(location[axis]))
        except OverflowError:
            raise CliError("%s lies too far away: %g m is beyond the range of the file's 32-bit floats." %
                           (obj.name, location[axis])) from None
    return position


def planned_moves(top):
    """The entries {index, x, y, z} of set-hardpoints for every moved hardpoint, in index order, and
    the moved empty of each."""
    entries, moved = [], {}
    for index, empties in sorted(hardpoint_empties(top).items()):
        changes = [(obj, new_position(obj, top)) for obj in empties]
        changes = [(obj, position) for obj, position in changes if position is not None]
        if not changes:
            continue
        first, position = changes[0]
        for other, elsewhere in changes[1:]:
            if any(abs(a - b) > 1e-4 for a, b in zip(position, elsewhere)):
                raise CliError("Hardpoint %d was moved to different places in two levels (%s and %s): move "
                               "one of them like the other. Nothing was written." % (index, first.name, other.name))
        entries.append({"index": index, "x": position[0], "y": position[1], "z": position[2]})
        moved[index] = first
    return entries, moved


def check_unchanged(top):
    """Refuses a file whose length or bytes changed since the import (or the add-on's last write)."""
    path = top["opt_file"]
    length, sha256 = file_identity(path)
    if length != top["opt_length"] or sha256 != top["opt_sha256"]:
        raise CliError("%s changed since it was imported (its %s differ): Reload OPT and move the hardpoints "
                       "again. Nothing was written." % (path, "length and bytes" if length != top["opt_length"]
                                                        else "bytes"))


class WriteDone:
    def __init__(self, written, journal_id, lines):
        self.written = written        # "hardpoint N" of each run written
        self.journal_id = journal_id  # the write's id in the journal, or None
        self.lines = lines            # what set-hardpoints printed


def write_hardpoints(program, top):
    """Writes every moved hardpoint; returns None when none moved."""
    entries, moved = planned_moves(top)
    if not entries:
        return None
    check_unchanged(top)
    path = top["opt_file"]
    answer = cli.run(program, ["set-hardpoints", path, "--json", "-"], stdin_text=json.dumps(entries))
    if answer.status != 0:
        raise CliError(answer.failure())
    lines = answer.lines()
    written = [m.group(1) for m in (re.fullmatch(r"Wrote \d+ bytes at position \d+: (.*)", line) for line in lines)
               if m]
    ids = [int(m.group(1)) for m in (re.fullmatch(r"Journal id: (\d+)", line) for line in lines) if m]
    settle(top, entries, moved)
    return WriteDone(written, ids[0] if ids else None, lines)


def settle(top, entries, moved):
    """After a write: the file holds the new positions; every empty of each written hardpoint shows
    them, and the model remembers the file's new bytes."""
    empties = hardpoint_empties(top)
    for entry in entries:
        index = entry["index"]
        location = model_frame.frame_location(moved[index], top)
        for obj in empties[index]:
            if obj != moved[index]:
                model_frame.set_frame_location(obj, top, location)
            obj["opt_position"] = [entry["x"], entry["y"], entry["z"]]
            obj["opt_location"] = list(model_frame.frame_location(obj, top))
    top["opt_length"], top["opt_sha256"] = file_identity(top["opt_file"])
