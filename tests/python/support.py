"""Helpers of the Python module's tests: zedaruz-cli, the sample models made at build time, files."""

import os
import random
import shutil
import subprocess

CLI = os.environ.get("ZEDARUZ_CLI", "zedaruz-cli")
MODELS = os.environ.get("ZEDARUZ_MODELS", "")
SAMPLE_MODELS = ["demo.opt", "maxcap.opt", "two-levels.opt"]


def model_path(name):
    return os.path.join(MODELS, name)


def copy_model(name, folder, as_name=None):
    target = os.path.join(folder, as_name or name)
    shutil.copyfile(model_path(name), target)
    return target


def random_bytes_file(folder, size=5000):
    path = os.path.join(folder, "random.opt")
    with open(path, "wb") as f:
        f.write(random.Random(24).randbytes(size))
    return path


def cli(*args):
    """zedaruz-cli's standard output and error (bytes) and its exit status."""
    run = subprocess.run([CLI, *args], capture_output=True)
    return run.stdout, run.stderr, run.returncode


def cli_lines(*args):
    """The lines zedaruz-cli prints, its bytes that are not UTF-8 kept as the module keeps them."""
    out, err, status = cli(*args)
    assert status == 0, err
    return out.decode("utf-8", "surrogateescape").split("\n")[:-1]


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()
