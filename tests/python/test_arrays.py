"""vertices() and faces() as NumPy arrays, against the vertex and face-data listings."""

import re
from collections import defaultdict

import numpy
import pytest

import zedaruz
from support import SAMPLE_MODELS, model_path


def listed_vertices(m):
    """Mesh -> the vertex listing's rows of its vertex block, as printed (two decimals)."""
    rows, mesh = defaultdict(list), None
    for line in m.listing("vertex"):
        block = re.match(r"VX \(03\) +\d+ Mesh (\d+) ", line)
        if block:
            mesh = int(block.group(1))
        elif re.match(r" *\d+ ", line):
            rows[mesh].append(tuple(line.split()[1:4]))
    return rows


def listed_faces(m):
    """Mesh -> the face-data listing's faces of all its face-data blocks, vertex indices only."""
    faces, mesh = defaultdict(list), None
    for line in m.listing("face-data"):
        block = re.match(r"Face_Data +\d+ Mesh (\d+) ", line)
        if block:
            mesh = int(block.group(1))
        face = re.match(r"Face \d+ = (-?\d+),(-?\d+),(-?\d+),(-?\d+), (Quad|Triangle)", line)
        if face:
            faces[mesh].append(tuple(int(v) for v in face.groups()[:4]))
    return faces


@pytest.mark.parametrize("name", SAMPLE_MODELS)
def test_vertices_and_faces_agree_with_the_listings(name):
    m = zedaruz.open(model_path(name))
    vertices, faces = listed_vertices(m), listed_faces(m)
    assert vertices and faces
    for mesh, rows in vertices.items():
        v = m.vertices(mesh)
        assert v.dtype == numpy.float32 and v.shape == (len(rows), 3)
        assert [tuple(f"{c:.2f}" for c in row) for row in v.tolist()] == rows
    for mesh, listed in faces.items():
        per_level = [m.faces(mesh, level) for level in m.levels]
        assert all(f.dtype == numpy.int32 and f.shape[1:] == (4,) for f in per_level)
        # Every face-data block of the mesh belongs to one level.
        held = [tuple(face) for f in per_level for face in f.tolist()]
        assert sorted(held) == sorted(listed)


def test_arrays_are_copies():
    m = zedaruz.open(model_path("demo.opt"))
    v = m.vertices(0)
    v[0] = (1000, 1000, 1000)
    assert m.vertices(0)[0].tolist() != [1000, 1000, 1000]
    with pytest.raises(zedaruz.Error):
        m.vertices(99)
