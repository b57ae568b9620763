"""Debian's txt2pdbdoc as an independent check: it decodes an intermediate database written by
trevanto to exactly the cleaned text, and, for a text without control bytes (which the two clean
differently), writes the very same records. Skipped (exit status 77) where txt2pdbdoc is not
installed."""

import random
import shutil
import struct
import subprocess
import sys

import cliSupport
from cliSupport import CliTestCase, cleaned_text


def records(database):
    count = struct.unpack(">H", database[76:78])[0]
    offsets = [struct.unpack(">I", database[78 + 8 * k:82 + 8 * k])[0] for k in range(count)]
    offsets.append(len(database))
    return [database[offsets[k]:offsets[k + 1]] for k in range(count)]


def varied_text():
    """Several blocks: words and line ends of both kinds, a CR LF cut by a block boundary, control
    bytes, high bytes, long runs."""
    rng = random.Random(5)
    words = [b"the ", b"Lord ", b"said ", b"unto ", b"Moses, ", b"\xc3\xa9t\xc3\xa9 ", b"\t",
             b"\r\n", b"\n", b"\r", b"\x01", b"    ", b"\x7f\x80\xff", b"aaaaaaaaaaaaaaa"]
    text = b"".join(rng.choice(words) for _ in range(9000))
    return text[:4095] + b"\r\n" + text[4095:]


class IndependentDecoder(CliTestCase):
    def test_txt2pdbdoc_decodes_the_intermediate_to_the_cleaned_text(self):
        text = varied_text()
        self.write("pdbcheck.txt", text)
        result = self.run_trevanto("pdbcheck.txt")
        self.assertEqual(result.status, 0)
        subprocess.run(["txt2pdbdoc", "-d", self.path("pdbcheck.pdb"), self.path("decoded.txt")],
                       check=True, stdout=subprocess.DEVNULL)
        self.assertEqual(self.read("decoded.txt"), cleaned_text(text))

    def test_txt2pdbdoc_writes_the_same_records(self):
        text = varied_text().replace(b"\r", b"").replace(b"\x01", b"")
        self.write("pdbsame.txt", text)
        self.assertEqual(self.run_trevanto("pdbsame.txt").status, 0)
        subprocess.run(["txt2pdbdoc", "pdbsame", self.path("pdbsame.txt"), self.path("ref.pdb")],
                       check=True, stdout=subprocess.DEVNULL)
        ours, theirs = records(self.read("pdbsame.pdb")), records(self.read("ref.pdb"))
        self.assertGreater(len(ours), 3)
        self.assertEqual(ours, theirs)


if __name__ == "__main__":
    if shutil.which("txt2pdbdoc") is None:
        print("txt2pdbdoc is not installed")
        sys.exit(77)
    cliSupport.main()
