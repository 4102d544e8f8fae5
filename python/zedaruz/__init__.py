"""Reading, inspecting, exporting and patching OPT model files: the Zedaruz library from Python.

    import zedaruz
    m = zedaruz.open("ship.opt")
    for h in m.hardpoints:
        print(h.index, h.type, h.x, h.y, h.z)
    m.set_hardpoint(0, x=1.5)          # one verified, journaled write
    zedaruz.revert("ship.opt")         # undone

Failures raise zedaruz.Error with the message zedaruz-cli prints for them.
"""

from zedaruz._zedaruz import (
    Descriptor,
    Error,
    Hardpoint,
    HitZone,
    LodSet,
    Model,
    RevertReport,
    RotScale,
    Texture,
    WriteReport,
    __version__,
    check,
    default_journal,
    diff,
    history,
    listing_names,
    open,
    revert,
)

__all__ = [
    "Descriptor",
    "Error",
    "Hardpoint",
    "HitZone",
    "LodSet",
    "Model",
    "RevertReport",
    "RotScale",
    "Texture",
    "WriteReport",
    "check",
    "default_journal",
    "diff",
    "history",
    "listing_names",
    "open",
    "revert",
]
