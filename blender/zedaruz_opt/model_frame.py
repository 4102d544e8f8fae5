"""Positions of the imported model: the frame of its top object, and OPT file units.

The glTF export writes metres (20.5 file units are one metre) with OPT's height axis up, and
Blender's glTF importer turns glTF's Y-up back into Blender's Z-up, so a location (x, y, z) in the
model's frame is OPT (x, y, z) / 20.5. Locations are taken from each object's own location,
rotation and scale and those of its parents up to the model's top object (constraints and drivers
are not evaluated), so moving the whole model by its top object moves no hardpoint.
"""

import struct

from mathutils import Matrix, Vector

UNITS_PER_METRE = 20.5

# Locations that differ by less than this (in metres) are the same: far below the precision of a
# 32-bit float in file units for any model size the format holds.
SAME_PLACE = 1e-6


def frame_matrix(obj, top):
    """The matrix from obj's own space to the frame of top (the world when top is not an ancestor)."""
    m = Matrix.Identity(4)
    while obj is not None and obj != top:
        m = obj.matrix_parent_inverse @ obj.matrix_basis @ m
        obj = obj.parent
    return m


def frame_location(obj, top):
    return frame_matrix(obj, top).to_translation()


def set_frame_location(obj, top, location):
    """Moves obj so that its location in top's frame is `location`."""
    parent = frame_matrix(obj.parent, top) if obj.parent is not None else Matrix.Identity(4)
    obj.location = (parent @ obj.matrix_parent_inverse).inverted() @ Vector(location)


def float32(value):
    """The value as the 32-bit float the file stores."""
    return struct.unpack("<f", struct.pack("<f", value))[0]


def file_units(metres):
    return float32(metres * UNITS_PER_METRE)


def moved(location, stored):
    return any(abs(a - b) > SAME_PLACE for a, b in zip(location, stored))
