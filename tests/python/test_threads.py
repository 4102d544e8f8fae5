"""Threads: the long calls release the GIL, and two models on two threads work at once."""

import os
import subprocess
import sys
import threading
import textwrap

import zedaruz
from support import copy_model, read_bytes

ROUNDS = 3


def test_two_threads_open_and_export_different_models_at_once(tmp_path):
    names = ["demo.opt", "maxcap.opt"]
    # What one thread alone writes for each model.
    expected = {}
    for name in names:
        zedaruz.open(copy_model(name, tmp_path)).export_gltf(tmp_path / f"{name}.glb")
        expected[name] = read_bytes(tmp_path / f"{name}.glb")

    start, failures = threading.Barrier(len(names)), []

    def work(name):
        try:
            start.wait()
            for k in range(ROUNDS):
                out = tmp_path / f"{name}-{k}.glb"
                zedaruz.open(tmp_path / name).export_gltf(out)
                assert read_bytes(out) == expected[name], out
        except BaseException as e:  # reported by the main thread
            failures.append(e)

    threads = [threading.Thread(target=work, args=(name,)) for name in names]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    assert failures == []


def test_open_and_check_let_other_threads_run(tmp_path):
    # open() and check() of a named pipe wait inside the library until a writer opens it. Holding
    # the GIL there would stop the thread that opens it, so the child would never end.
    pipe = tmp_path / "pipe.opt"
    os.mkfifo(pipe)
    child = textwrap.dedent(
        f"""
        import os, threading, zedaruz
        results = []
        def call(f):
            try:
                results.append(f())
            except zedaruz.Error as e:
                results.append(str(e))
        for f in (lambda: zedaruz.open({str(pipe)!r}), lambda: zedaruz.check({str(pipe)!r})):
            t = threading.Thread(target=call, args=(f,))
            t.start()
            while t.is_alive():
                try:
                    os.close(os.open({str(pipe)!r}, os.O_WRONLY | os.O_NONBLOCK))
                except OSError:
                    pass  # the other thread has not opened the pipe yet
                t.join(0.01)
        print(results)
        """
    )
    run = subprocess.run([sys.executable, "-c", child], capture_output=True, text=True, timeout=60)
    assert run.returncode == 0, run.stderr
    assert "Cannot open file" in run.stdout
