"""Converting one PalmDoc book named on the command line."""

import os
import stat
import unittest

import cliSupport
from cliSupport import CliTestCase, build_pdb, doc_header, sample_book

# The HDB file of sample_book() without an owner argument, laid out field by field.
SAMPLE_TEXT = b"Hello, hello world.\n"
SAMPLE_HDB = (
    b"Sample Book" + bytes(21)                      # name
    + b"<" + bytes(31)                              # owner
    + b"\x38\x89" + bytes(22)                       # format mark, zero word, reserved
    + b"\x02\x00\x00\x00"                           # record count
    + b"\x7c\x00\x00\x00" + bytes(8) + b"\x01\x00\x00\x00"  # blob 0 at 124
    + b"\x8d\x00\x00\x00" + bytes(8) + b"\x01\x00\x00\x00"  # blob 1 at 141
    + b"\x21" + b"\x01\x00\x00\x00\x14\x00\x00\x00\x01\x00\x00\x10\x00\x00\x00\x00"
    + b"\x29" + SAMPLE_TEXT
)


class SingleDatabase(CliTestCase):
    def test_converts_hands_off_and_keeps_the_database(self):
        self.write("book.pdb", sample_book())
        result = self.run_trevanto("book.pdb")
        self.assertEqual(result.stdout, b"book.hdb created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.read("book.hdb"), SAMPLE_HDB)
        self.assertEqual(self.read("book.pdb"), sample_book())
        self.assertEqual(self.files(), ["book.hdb", "book.pdb"])
        self.assert_handed_off("book.hdb")

    def test_upper_case_extension_gives_a_lower_case_h(self):
        self.write("BOOK.PDB", sample_book())
        result = self.run_trevanto("BOOK.PDB")
        self.assertEqual(result.stdout, b"BOOK.hDB created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertIn("BOOK.hDB", self.files())
        self.assert_handed_off("BOOK.hDB")

    def test_a_long_name_converts_like_a_short_one(self):
        name = "a-book-whose-name-is-much-longer-than-thirty-two-bytes-60ch.pdb"
        self.write(name, sample_book())
        result = self.run_trevanto(name)
        hdb = name[:-3] + "hdb"
        self.assertEqual(result.stdout, hdb.encode() + b" created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.read(hdb), SAMPLE_HDB)
        self.assert_handed_off(hdb)

    def test_a_database_in_another_folder_is_written_beside_it(self):
        os.mkdir(self.path("books"))
        self.write("books/book.pdb", sample_book())
        result = self.run_trevanto("books/book.pdb")
        self.assertEqual(result.stdout, b"books/book.hdb created.\r\n")
        self.assertEqual(self.files(self.path("books")), ["book.hdb", "book.pdb"])
        self.assert_handed_off("books/book.hdb")

    def test_a_read_only_database_converts(self):
        self.write("book.pdb", sample_book())
        os.chmod(self.path("book.pdb"), stat.S_IRUSR)
        result = self.run_trevanto("book.pdb")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.read("book.hdb"), SAMPLE_HDB)

    def test_an_existing_hdb_is_replaced(self):
        self.write("book.pdb", sample_book())
        self.write("book.hdb", b"old" * 1000)
        self.assertEqual(self.run_trevanto("book.pdb").status, 0)
        self.assertEqual(self.read("book.hdb"), SAMPLE_HDB)


class SingleDatabaseFailures(CliTestCase):
    def test_a_missing_database(self):
        result = self.run_trevanto("gone.pdb")
        self.assertEqual(result.stdout, b"error: file not found\r\n")
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), [])
        self.assert_not_handed_off()

    def test_a_folder_is_no_database(self):
        os.mkdir(self.path("folder.pdb"))
        result = self.run_trevanto("folder.pdb")
        self.assertEqual(result.stdout, b"error: file not found\r\n")
        self.assertEqual(result.status, 1)

    def test_databases_that_are_no_palmdoc_book_or_are_damaged(self):
        good = sample_book()
        cases = {
            "type TEXT": build_pdb([doc_header(), b"x"], type_=b"TEXT"),
            "creator of another reader": build_pdb([doc_header(), b"x"], creator=b"MOBI"),
            "header cut short": good[:50],
            "record list cut short": good[:85],
            "no records": build_pdb([]),
            "record 0 too short": build_pdb([b"\0" * 11, b"x"]),
            "offset beyond the end": good[:86] + b"\xff\xff\xff\xff" + good[90:],
            "empty file": b"",
        }
        for what, content in cases.items():
            with self.subTest(what):
                self.write("odd.pdb", content)
                result = self.run_trevanto("odd.pdb")
                self.assertEqual(result.stdout, b"error: invalid .pdb file odd.pdb\r\n")
                self.assertEqual(result.status, 1)
                self.assertEqual(self.files(), ["odd.pdb"])
        self.assert_not_handed_off()

    def test_a_failed_write_leaves_the_old_hdb_and_no_partial_file(self):
        self.write("book.pdb", sample_book(text=b"x" * 3000))
        self.write("book.hdb", b"old")
        result = self.run_trevanto("book.pdb", file_size_limit=1000)
        self.assertEqual(result.stdout, b"error: output file not found\r\n")
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["book.hdb", "book.pdb"])
        self.assertEqual(self.read("book.hdb"), b"old")
        self.assert_not_handed_off()

    def test_a_failed_write_creates_no_hdb(self):
        self.write("book.pdb", sample_book(text=b"x" * 3000))
        result = self.run_trevanto("book.pdb", file_size_limit=1000)
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["book.pdb"])


class HandOff(CliTestCase):
    def test_a_name_with_spaces_is_handed_off_whole(self):
        self.write("my book.pdb", sample_book())
        result = self.run_trevanto("my book.pdb")
        self.assertEqual(result.stdout, b"my book.hdb created.\r\n")
        self.assertEqual(result.status, 0)
        self.assert_handed_off("my book.hdb")

    @unittest.skipIf(cliSupport.ON_WINDOWS, "the POSIX desktop opener")
    def test_without_an_opener_the_run_still_succeeds(self):
        self.install_opener(None)
        self.write("book.pdb", sample_book())
        result = self.run_trevanto("book.pdb")
        self.assertEqual(result.stdout, b"book.hdb created.\r\n")
        self.assertEqual(result.status, 0)

    @unittest.skipIf(cliSupport.ON_WINDOWS, "the POSIX desktop opener")
    def test_a_failing_noisy_opener_changes_nothing(self):
        self.install_opener("#!/bin/sh\necho opener-output\necho opener-error >&2\n"
                            "printf '%s\\n' \"$@\" > \"$TREVANTO_HANDOFF_RECORD\"\nexit 3\n")
        self.write("book.pdb", sample_book())
        result = self.run_trevanto("book.pdb")
        self.assertEqual(result.stdout, b"book.hdb created.\r\n")
        self.assertEqual(result.status, 0)
        self.assert_handed_off("book.hdb")


if __name__ == "__main__":
    cliSupport.main()
