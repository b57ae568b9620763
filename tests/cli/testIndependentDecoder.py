"""An intermediate database written by trevanto, decoded by Debian's txt2pdbdoc, gives back
exactly the cleaned text. Skipped (exit status 77) where txt2pdbdoc is not installed."""

import random
import shutil
import subprocess
import sys

import cliSupport
from cliSupport import CliTestCase, cleaned_text


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


if __name__ == "__main__":
    if shutil.which("txt2pdbdoc") is None:
        print("txt2pdbdoc is not installed")
        sys.exit(77)
    cliSupport.main()
