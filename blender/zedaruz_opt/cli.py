"""Running zedaruz-cli: where the program is, what it answers, and whether it is recent enough.

The program is always started with an argument list, never through a shell, so file names with
spaces, quotes or any letters reach it as they are (on Windows as well as on Linux). Its output is
UTF-8 text with "\\n" line ends.
"""

import os
import re
import shutil
import subprocess
import sys

PROGRAM = "zedaruz-cli"

# The oldest zedaruz-cli the add-on works with. Builds of 1.0.0 that predate `set-hardpoints`
# exist, so the command itself is asked for as well (see `check_program`).
MINIMUM_VERSION = (1, 0, 0)

PREFERENCES_HINT = ("Install Zedaruz, put zedaruz-cli on PATH, or set its path in Edit > Preferences > "
                    "Add-ons > Zedaruz OPT models.")


class CliError(Exception):
    """A failure the user is told about in one message (no traceback)."""


def program_file_name():
    return PROGRAM + ".exe" if sys.platform == "win32" else PROGRAM


def find_program(setting):
    """The program to run: the preference when set, else zedaruz-cli on PATH, else the program
    lying beside the add-on. Returns the path (which may not exist: running it says so)."""
    if setting:
        return os.path.abspath(os.path.expanduser(setting))
    on_path = shutil.which(PROGRAM)
    if on_path:
        return on_path
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), program_file_name())


class Result:
    def __init__(self, status, out, err):
        self.status = status
        self.out = out
        self.err = err

    def lines(self):
        return [line for line in self.out.splitlines() if line]

    def error_lines(self):
        return [line for line in self.err.splitlines() if line]

    def failure(self):
        """The program's own message of a failed run, on one line."""
        return " ".join(self.error_lines()) or "zedaruz-cli ended with status %d" % self.status


def run(program, args, stdin_text=None):
    """Runs the program with the words in args; returns its status and its output as text."""
    flags = subprocess.CREATE_NO_WINDOW if sys.platform == "win32" else 0
    try:
        done = subprocess.run([program] + list(args), capture_output=True, creationflags=flags,
                              input=stdin_text.encode("utf-8") if stdin_text is not None else None)
    except OSError as e:
        if not os.path.exists(program):
            raise CliError("zedaruz-cli was not found at %s. %s" % (program, PREFERENCES_HINT)) from None
        raise CliError("zedaruz-cli at %s could not be started: %s. %s" %
                       (program, e.strerror or e, PREFERENCES_HINT)) from None
    return Result(done.returncode, done.stdout.decode("utf-8", "replace"),
                  done.stderr.decode("utf-8", "replace"))


class ProgramCheck:
    """What `zedaruz-cli --version` said and whether the program has `set-hardpoints`."""

    def __init__(self, program, version, writes_hardpoints):
        self.program = program
        self.version = version
        self.writes_hardpoints = writes_hardpoints

    def version_text(self):
        return ".".join(str(n) for n in self.version)

    def too_old_message(self):
        return ("zedaruz-cli %s at %s is too old to write hardpoints back: it lacks the command "
                "set-hardpoints. Install a newer Zedaruz (or point the add-on's preferences at one)."
                % (self.version_text(), self.program))


def check_program(program):
    """Asks the program for its version. Raises CliError when it is missing, is not zedaruz-cli or
    is older than MINIMUM_VERSION. A program of a recent enough version whose `set-hardpoints
    --help` fails is reported as lacking set-hardpoints (writes_hardpoints False)."""
    answer = run(program, ["--version"])
    match = re.fullmatch(r"zedaruz-cli (\d+)\.(\d+)\.(\d+)\s*", answer.out)
    if answer.status != 0 or not match:
        raise CliError("%s is not zedaruz-cli: `--version` answered %r. %s" %
                       (program, (answer.out or answer.err).strip(), PREFERENCES_HINT))
    version = tuple(int(n) for n in match.groups())
    if version < MINIMUM_VERSION:
        raise CliError("zedaruz-cli %s at %s is too old: the add-on needs %s or later. %s" %
                       (".".join(match.groups()), program, ".".join(str(n) for n in MINIMUM_VERSION),
                        PREFERENCES_HINT))
    writes = run(program, ["set-hardpoints", "--help"]).status == 0
    return ProgramCheck(program, version, writes)
