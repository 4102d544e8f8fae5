"""Writes through the module: set_hardpoint and move_hardpoints, their revert, and the README's batch
script."""

import math
import os
import re
import struct
import subprocess
import sys

import pytest

import zedaruz
from support import cli_lines, copy_model, read_bytes

# Where each field lies in a hardpoint's data, and how the file holds it.
FIELDS = {"type": (0, "<i", 7), "x": (4, "<f", 1.5), "y": (8, "<f", -33.25), "z": (12, "<f", 27.0)}


@pytest.mark.parametrize("field", FIELDS)
def test_set_hardpoint_changes_the_fields_4_bytes_and_revert_restores_the_file(tmp_path, field):
    path = copy_model("demo.opt", tmp_path)
    before = read_bytes(path)
    m = zedaruz.open(path)
    hardpoint = m.hardpoints[2]
    offset, layout, value = FIELDS[field]

    report = m.set_hardpoint(2, **{field: value})

    after = read_bytes(path)
    start = hardpoint.position + offset
    changed = [i for i in range(len(before)) if before[i] != after[i]]
    assert changed and changed[0] >= start and changed[-1] < start + 4
    assert after[start : start + 4] == struct.pack(layout, value)
    assert getattr(m.hardpoints[2], field) == value  # the model holds the disk's bytes
    assert report.bytes_written > 0 and report.journal_id == zedaruz.history(path)[0]["id"]
    assert "hardpoint 2" in cli_lines("history", path)[0]  # the same journal as the command line

    undone = zedaruz.revert(path)
    assert (undone.reverted_id, undone.journal_id) == (report.journal_id, zedaruz.history(path)[0]["id"])
    assert read_bytes(path) == before


def test_move_hardpoints_is_one_write(tmp_path):
    path = copy_model("demo.opt", tmp_path)
    before = read_bytes(path)
    m = zedaruz.open(path)
    report = m.move_hardpoints({h.index: (h.x, h.y, h.z + 10) for h in m.hardpoints})
    [write] = zedaruz.history(path)
    assert write["id"] == report.journal_id and write["runs"] == len(m.hardpoints)
    assert [h.z for h in zedaruz.open(path).hardpoints] == [h.z for h in m.hardpoints]
    zedaruz.revert(path, report.journal_id)
    assert read_bytes(path) == before


@pytest.mark.parametrize(
    "fields",
    [{"x": 1e40}, {"y": math.nan}, {"z": -math.inf}, {"type": 2**31}, {"x": 1.0, "index_missing": True}],
    ids=["beyond-float", "nan", "infinity", "beyond-int32", "no-such-hardpoint"],
)
def test_refused_values_write_nothing(tmp_path, fields):
    path = copy_model("demo.opt", tmp_path)
    before = read_bytes(path)
    m = zedaruz.open(path)
    index = 99 if fields.pop("index_missing", False) else 0
    with pytest.raises(zedaruz.Error):
        m.set_hardpoint(index, **fields)
    assert read_bytes(path) == before and zedaruz.history(path) == []


def test_the_readmes_batch_script_moves_every_hardpoint_of_every_model_once(tmp_path):
    with open(os.path.join(os.path.dirname(__file__), "..", "..", "README.md")) as f:
        readme = f.read()
    section = readme[readme.index("\n## Python\n") :]
    script = re.search(r"```python\n(.*?)```", section[section.index("A batch script") :], re.S).group(1)
    (tmp_path / "ships" / "sub").mkdir(parents=True)
    paths = [copy_model("demo.opt", tmp_path / "ships"), copy_model("two-levels.opt", tmp_path / "ships" / "sub")]
    before = {p: zedaruz.open(p).hardpoints for p in paths}
    run = subprocess.run([sys.executable, "-c", script, str(tmp_path / "ships")], capture_output=True, text=True)
    assert run.returncode == 0 and run.stderr == "", run.stderr
    for p in paths:
        assert [h.z for h in zedaruz.open(p).hardpoints] == [h.z + 10 for h in before[p]]
        assert [w["runs"] for w in zedaruz.history(p)] == [len(before[p])]


EDITS = {
    "set_descriptor": lambda m: m.set_descriptor(1, "target-y", -12.5),
    "set_lod_distance": lambda m: m.set_lod_distance(0, 55.125),
    "set_rot_scale": lambda m: m.set_rot_scale(0, 3, 0.5),
    "zero_hit_zones": lambda m: m.zero_hit_zones(),
}


@pytest.mark.parametrize("edit", EDITS)
def test_every_other_edit_is_one_write_the_model_then_holds_and_revert_undoes(tmp_path, edit):
    path = copy_model("demo.opt", tmp_path)
    before = read_bytes(path)
    m = zedaruz.open(path)
    report = EDITS[edit](m)
    assert report.bytes_written > 0 and [w["id"] for w in zedaruz.history(path)] == [report.journal_id]
    fresh = zedaruz.open(path)
    for listing in zedaruz.listing_names():
        assert m.listing(listing) == fresh.listing(listing), listing
    zedaruz.revert(path)
    assert read_bytes(path) == before
