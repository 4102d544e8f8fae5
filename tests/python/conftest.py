"""These tests run twice: by CTest against the module in the build tree (cmake/python_module.cmake),
and by scripts/test.sh against the package the .deb installed. ZEDARUZ_MODULE_DIR and
ZEDARUZ_LIBRARY_DIR name where the module and libzedaruz.so.1 must come from, so that neither run
passes on another copy (an installed package, a library on the system's path)."""

import os

import pytest

import zedaruz


def pytest_sessionstart(session):
    expected = os.environ.get("ZEDARUZ_MODULE_DIR")
    if expected:
        assert os.path.samefile(os.path.dirname(zedaruz.__file__), expected), zedaruz.__file__
    library_dir = os.environ.get("ZEDARUZ_LIBRARY_DIR")
    if library_dir:
        with open("/proc/self/maps") as maps:
            loaded = {line.split()[-1] for line in maps if "libzedaruz.so" in line}
        assert loaded, "libzedaruz.so is not loaded"
        for path in loaded:
            assert os.path.samefile(os.path.dirname(path), library_dir), path


@pytest.fixture(autouse=True)
def own_folders(tmp_path, monkeypatch):
    """Every test keeps its write journal and its lookup files in its own folder, never the user's."""
    monkeypatch.setenv("ZEDARUZ_JOURNAL", str(tmp_path / "journal.jsonl"))
    monkeypatch.setenv("XDG_DATA_HOME", str(tmp_path / "data"))
