"""What a model shows: the listings, warnings and info as zedaruz-cli prints them."""

import json

import pytest

import zedaruz
from support import SAMPLE_MODELS, cli, cli_lines, copy_model, model_path, random_bytes_file


@pytest.mark.parametrize("name", SAMPLE_MODELS)
def test_listings_equal_the_command_lines(name):
    m = zedaruz.open(model_path(name))
    for listing in zedaruz.listing_names():
        assert m.warnings + m.listing(listing) == cli_lines("list", model_path(name), listing), listing
    out, _, _ = cli("info", "--json", model_path(name))
    assert m.info() == json.loads(out)


def test_a_damaged_file_opened_anyway_lists_its_warnings_first(tmp_path):
    path = random_bytes_file(tmp_path)
    m = zedaruz.open(path, allow_damaged=True)
    assert m.verdict == "unreadable" and m.warnings
    assert m.warnings + m.listing("main-file-info") == cli_lines("list", path, "main-file-info")


def test_names_that_are_not_utf8_keep_their_bytes(tmp_path):
    # Every "Hull" of the demo model (the texture and the face lists naming it) becomes b"H\xe9ll".
    path = copy_model("demo.opt", tmp_path)
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(data.replace(b"Hull\0", b"H\xe9ll\0"))
    m = zedaruz.open(path)
    assert "H\udce9ll" in [t.name for t in m.textures]
    assert m.listing("textures") == cli_lines("list", path, "textures")
    # The name as the module gives it names the texture again.
    written = m.export_bmp("H\udce9ll", tmp_path)
    with open(written, "rb") as f:
        assert f.read(2) == b"BM"


def test_an_unknown_listing_is_an_error():
    m = zedaruz.open(model_path("demo.opt"))
    with pytest.raises(zedaruz.Error, match="Unknown listing 'vertices'"):
        m.listing("vertices")


@pytest.mark.parametrize("name", SAMPLE_MODELS)
def test_hit_zones_are_the_ones_the_command_line_computes(name):
    # "descriptor N  HZ_Min x y z  HZ_Max x y z  ..." for every descriptor, in the same order.
    printed = [line.split() for line in cli_lines("hitzones", model_path(name)) if line.startswith("descriptor ")]
    zones = zedaruz.open(model_path(name)).hit_zones()
    assert [z.descriptor for z in zones] == [int(words[1]) for words in printed]
    for zone, words in zip(zones, printed):
        assert zone.min == pytest.approx([float(v) for v in words[3:6]], rel=1e-6, abs=1e-9)
        assert zone.max == pytest.approx([float(v) for v in words[7:10]], rel=1e-6, abs=1e-9)
