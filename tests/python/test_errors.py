"""zedaruz.Error: what cannot be opened, with the command line's message."""

import pytest

import zedaruz
from support import cli, random_bytes_file


def test_error_is_an_exception():
    assert issubclass(zedaruz.Error, Exception) and zedaruz.Error.__module__ == "zedaruz"


@pytest.mark.parametrize("kind", ["missing", "folder"])
def test_a_file_that_cannot_be_read(tmp_path, kind):
    path = str(tmp_path / "missing.opt") if kind == "missing" else str(tmp_path)
    _, err, status = cli("list", path, "hardpoint")
    assert status == 1
    with pytest.raises(zedaruz.Error) as raised:
        zedaruz.open(path)
    assert str(raised.value) == err.decode().strip()


def test_random_bytes_are_refused_as_check_judges_them(tmp_path):
    path = random_bytes_file(tmp_path)
    out, _, status = cli("check", path)
    assert status == 1
    with pytest.raises(zedaruz.Error) as raised:
        zedaruz.open(path)
    assert str(raised.value) == out.decode().split("\n")[0]
    [(checked, verdict, lines)] = zedaruz.check(path)
    assert (checked, verdict) == (path, "unreadable")
    assert lines[1:] == zedaruz.open(path, allow_damaged=True).warnings  # after why it holds no model
