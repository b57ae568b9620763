"""Runs the built trevanto in a fresh directory and looks at what it leaves: its standard
output, byte for byte, its exit status, its files, and what it handed to the desktop.

The program to run comes from TREVANTO_BINARY, and TREVANTO_PREFIX may name a command to run it
with (such as wine), so that the same cases check every build. A fake desktop opener first on
PATH records each hand-off, so no test starts a real desktop program.
"""

import os
import resource
import shlex
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = os.environ.get("TREVANTO_BINARY", "")
PREFIX = shlex.split(os.environ.get("TREVANTO_PREFIX", ""))
ON_WINDOWS = BINARY.lower().endswith(".exe")
# The Windows build's helper program: the "open" command registered for ".hdb" in the wine
# prefix, which records what it is handed, and a lister of folders in Windows' own order.
WINDOWS_HELPER = os.environ.get("TREVANTO_WINDOWS_HELPER", "")

USAGE = (
    b"\r\nTREVANTO V. 0.997:\r\n converts .txt files and .pdb files to .hdb files.\r\n\r\n"
    b"Usage: \r\n"
    b"   \"trevanto\"         for GUI mode. \r\n"
    b"   \"trevanto <filename>\" for converting a single .txt file or .pdb file.\r\n"
    b"   \"trevanto all\"     for converting all .txt and .pdb files in the current\r\n"
    b"                       directory.\r\n"
    b"   \"trevanto allpdb\"   for converting all .pdb files in the current directory.\r\n"
    b"   \"trevanto alltxt\"   for converting all .txt files in the current directory.\r\n"
    b"   \"trevanto <option> <owner>\"   for processing files and editing\r\n"
    b"                       the owner field.\r\n"
    b"   \"trevanto  -h\"     for  this option display.\r\n\r\n"
)
SYNTAX_ERROR = b"\r\n Your command syntax is incorrect.\r\n"

FAKE_OPENER = """#!/bin/sh
printf '%s\\n' "$@" >> "$TREVANTO_HANDOFF_RECORD.part"
mv "$TREVANTO_HANDOFF_RECORD.part" "$TREVANTO_HANDOFF_RECORD"
"""


def windows_path(path):
    """The name under which a Windows program in the wine prefix sees a Unix path."""
    return "Z:" + path.replace("/", "\\")


def unix_path(path):
    """A path as a Windows program gives it, as a Unix path: relative ones stay relative."""
    if path[1:2] == ":":
        path = path[2:]
    return path.replace("\\", "/")


def doc_header(compression=2, text_length=0, record_count=0, record_size=4096):
    return struct.pack(">HHIHHI", compression, 0, text_length, record_count, record_size, 0)


def build_pdb(records, name=b"Test Book", type_=b"TEXt", creator=b"REAd"):
    """A Palm database holding `records`, laid out as a PalmDoc writer lays it out."""
    header = struct.pack(">32sHHIIIIII4s4sIIH", name, 0, 0, 0, 0, 0, 0, 0, 0, type_, creator,
                         0, 0, len(records))
    offset = len(header) + 8 * len(records) + 2
    entries = b""
    for index, record in enumerate(records):
        entries += struct.pack(">II", offset, 0x406F8000 + index)
        offset += len(record)
    return header + entries + b"\0\0" + b"".join(records)


def sample_book(name=b"Sample Book", text=b"Hello, hello world.\n"):
    return build_pdb([doc_header(1, len(text), 1), text], name=name)


class Result:
    def __init__(self, completed):
        self.stdout = completed.stdout
        self.status = completed.returncode


class CliTestCase(unittest.TestCase):
    """Each test runs in a directory of its own, removed when it passes."""

    def setUp(self):
        if not BINARY:
            self.fail("TREVANTO_BINARY is not set")
        self.root = tempfile.mkdtemp(prefix="trevanto-cli-")
        self.work = os.path.join(self.root, "work")
        os.mkdir(self.work)
        self.tools = os.path.join(self.root, "tools")
        os.mkdir(self.tools)
        self.handoff_record = os.path.join(self.root, "handed-off")
        self.install_opener(FAKE_OPENER)

    def tearDown(self):
        result = self._outcome.result
        if any(test is self for test, _ in result.errors + result.failures):
            print(f"\nkept {self.root}", file=sys.stderr)
        else:
            shutil.rmtree(self.root, ignore_errors=True)

    def install_opener(self, script):
        opener = os.path.join(self.tools, "xdg-open")
        if script is None:
            if os.path.exists(opener):
                os.remove(opener)
            return
        with open(opener, "w") as out:
            out.write(script)
        os.chmod(opener, 0o755)

    def environment(self):
        env = dict(os.environ)
        env["PATH"] = self.tools + os.pathsep + env.get("PATH", "")
        env["TREVANTO_HANDOFF_RECORD"] = (windows_path(self.handoff_record) if ON_WINDOWS
                                          else self.handoff_record)
        env.pop("DISPLAY", None)
        env.pop("WAYLAND_DISPLAY", None)
        return env

    def run_trevanto(self, *arguments, cwd=None, file_size_limit=None, as_user=None):
        """Runs the program without a terminal of its own, so that nothing can prompt on the
        developer's terminal."""
        def prepare_child():
            if file_size_limit is not None:
                signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
                resource.setrlimit(resource.RLIMIT_FSIZE, (file_size_limit, file_size_limit))
            if as_user is not None:
                os.setuid(as_user)

        completed = subprocess.run(
            PREFIX + [BINARY, *arguments], cwd=cwd or self.work, env=self.environment(),
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, timeout=120,
            start_new_session=True, preexec_fn=prepare_child)
        return Result(completed)

    def listing(self, folder=None):
        """The entries of a folder in the order the system lists them, "." and ".." included,
        as the program reads them."""
        folder = folder or self.work
        command = (PREFIX + [WINDOWS_HELPER, "list", windows_path(folder)] if ON_WINDOWS
                   else ["ls", "-f", folder])
        return subprocess.run(command, stdout=subprocess.PIPE, env=self.environment(),
                              check=True).stdout.decode().splitlines()

    # Files of the working directory.

    def path(self, name):
        return os.path.join(self.work, name)

    def write(self, name, content):
        with open(self.path(name), "wb") as out:
            out.write(content)

    def read(self, name):
        with open(self.path(name), "rb") as source:
            return source.read()

    def files(self, folder=None):
        return sorted(os.listdir(folder or self.work))

    # The hand-off.

    def handed_off(self, wait=10.0):
        """The arguments the desktop opener received; waits for it, since nobody waits for it."""
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            if os.path.exists(self.handoff_record):
                with open(self.handoff_record) as record:
                    return record.read().splitlines()
            time.sleep(0.05)
        return []

    def assert_handed_off(self, name):
        """On Windows the shell hands the registered program a full path: it must name the same
        file."""
        handed = self.handed_off()
        if ON_WINDOWS:
            handed = [os.path.normpath(os.path.join(self.work, unix_path(path)))
                      for path in handed]
            name = os.path.normpath(os.path.join(self.work, name))
        self.assertEqual(handed, [name])

    def assert_not_handed_off(self):
        self.assertEqual(self.handed_off(wait=0.5), [])


def cleaned_text(text):
    """What the text records of a text file hold once decoded: each block of 4096 bytes without
    the bytes 0x00 to 0x08, every line end a single LF."""
    cleaned = bytearray()
    for start in range(0, len(text), 4096):
        block = text[start:start + 4096]
        for i, byte in enumerate(block):
            if byte <= 0x08 or (byte == 0x0D and block[i + 1:i + 2] == b"\n"):
                continue
            cleaned.append(0x0A if byte == 0x0D else byte)
    return bytes(cleaned)


def hdb_book_name(hdb):
    return hdb[:32]


def main():
    unittest.main(verbosity=2)
