"""Converting one text file named on the command line, through an intermediate database."""

import os
import stat

import cliSupport
from cliSupport import CliTestCase, hdb_book_name, sample_book

TEXT = b"It was the best of times,\r\nit was the worst of times.\r\n"


class TextRoute(CliTestCase):
    def test_converts_through_an_intermediate_that_is_deleted(self):
        self.write("notes.txt", TEXT)
        result = self.run_trevanto("notes.txt", "Reader")
        self.assertEqual(result.stdout, b"\nnotes.hdb created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["notes.hdb", "notes.txt"])
        hdb = self.read("notes.hdb")
        self.assertEqual(hdb_book_name(hdb), b"notes" + bytes(27))
        self.assertEqual(hdb[32:64], b"Reader" + bytes(26))
        self.assert_handed_off("notes.hdb")

    def test_names_follow_the_stem(self):
        cases = {
            "NOTES.TXT": ("NOTES.hdb", b"NOTES"),
            "my.book.txt": ("my.hdb", b"my"),
            "./dotted.txt": ("dotted.hdb", b"dotted"),
        }
        for argument, (hdb, book) in cases.items():
            with self.subTest(argument):
                self.write(argument, TEXT)
                result = self.run_trevanto(argument)
                self.assertEqual(result.stdout, b"\n" + hdb.encode() + b" created.\r\n")
                self.assertEqual(result.status, 0)
                self.assertEqual(hdb_book_name(self.read(hdb)), book.ljust(32, b"\0"))
                self.assertNotIn(hdb[:-3] + "pdb", self.files())

    def test_a_name_with_pdb_in_it_keeps_its_intermediate(self):
        self.write("pdbnotes.txt", TEXT)
        result = self.run_trevanto("pdbnotes.txt")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["pdbnotes.hdb", "pdbnotes.pdb", "pdbnotes.txt"])

    def test_a_text_in_another_folder_is_read_there_and_converted_here(self):
        os.mkdir(self.path("texts"))
        self.write("texts/book.txt", TEXT)
        result = self.run_trevanto("texts/book.txt")
        self.assertEqual(result.stdout, b"\nbook.hdb created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["book.hdb", "texts"])
        self.assertEqual(self.files(self.path("texts")), ["book.txt"])
        self.assert_handed_off("book.hdb")

    def test_a_long_stem_is_kept_in_the_file_names_and_cut_in_the_book_name(self):
        stem = "a-text-whose-stem-runs-well-past-thirty-one-bytes-\u00e9t\u00e9"
        name = stem + ".txt"
        self.write(name, TEXT)
        result = self.run_trevanto(name)
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), sorted([stem + ".hdb", name]))
        self.assertEqual(hdb_book_name(self.read(stem + ".hdb")), stem.encode()[:31] + b"\0")

    def test_a_read_only_text_converts(self):
        self.write("notes.txt", TEXT)
        os.chmod(self.path("notes.txt"), stat.S_IRUSR)
        self.assertEqual(self.run_trevanto("notes.txt").status, 0)
        self.assertIn("notes.hdb", self.files())


class WhereWindowsDiffers(CliTestCase):
    """Windows separates folders with backslashes too, and its file names ignore case."""

    def test_a_backslash_separates_folders_only_on_windows(self):
        if cliSupport.ON_WINDOWS:
            os.mkdir(self.path("texts"))
            self.write("texts/book.txt", TEXT)
            expected_hdb, expected_files = "book.hdb", ["book.hdb", "texts"]
        else:
            self.write("texts\\book.txt", TEXT)
            expected_hdb, expected_files = "texts\\book.hdb", ["texts\\book.hdb",
                                                               "texts\\book.txt"]
        result = self.run_trevanto("texts\\book.txt")
        self.assertEqual(result.stdout, b"\n" + expected_hdb.encode() + b" created.\r\n")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), expected_files)

    def test_a_database_differing_only_in_case_takes_the_intermediates_name_on_windows(self):
        self.write("book.txt", TEXT)
        self.write("BOOK.PDB", sample_book())
        result = self.run_trevanto("book.txt")
        if cliSupport.ON_WINDOWS:
            self.assertEqual(result.stdout, b"error: book.pdb already exists\r\n")
            self.assertEqual(result.status, 1)
            self.assertEqual(self.files(), ["BOOK.PDB", "book.txt"])
        else:
            self.assertEqual(result.stdout, b"\nbook.hdb created.\r\n")
            self.assertEqual(result.status, 0)
            self.assertEqual(self.files(), ["BOOK.PDB", "book.hdb", "book.txt"])
        self.assertEqual(self.read("BOOK.PDB"), sample_book())


class TextRouteRefusals(CliTestCase):
    def test_a_database_of_the_intermediate_name_is_left_alone(self):
        self.write("book.txt", TEXT)
        self.write("book.pdb", sample_book())
        result = self.run_trevanto("book.txt")
        self.assertEqual(result.stdout, b"error: book.pdb already exists\r\n")
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["book.pdb", "book.txt"])
        self.assertEqual(self.read("book.pdb"), sample_book())
        self.assert_not_handed_off()

    def test_a_text_too_large_for_a_database(self):
        with open(self.path("huge.txt"), "wb") as huge:
            huge.truncate(65534 * 4096 + 1)
        result = self.run_trevanto("huge.txt")
        self.assertEqual(result.stdout, b"error: huge.txt is too large\r\n")
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["huge.txt"])

    def test_a_missing_text_or_a_folder(self):
        os.mkdir(self.path("folder.txt"))
        for argument in ["missing.txt", "folder.txt"]:
            with self.subTest(argument):
                result = self.run_trevanto(argument)
                self.assertEqual(result.stdout, b"error: file not found\r\n")
                self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["folder.txt"])

    def test_an_intermediate_that_cannot_be_written_is_removed(self):
        self.write("notes.txt", bytes(range(256)) * 40)
        result = self.run_trevanto("notes.txt", file_size_limit=1000)
        self.assertEqual(result.stdout, b"\nerror: could not write notes.pdb\r\n")
        self.assertEqual(result.status, 2)
        self.assertEqual(self.files(), ["notes.txt"])
        self.assert_not_handed_off()

    def test_an_intermediate_that_cannot_be_created(self):
        # Nobody, root included, creates files in /proc.
        self.write("notes.txt", TEXT)
        result = self.run_trevanto(self.path("notes.txt"), cwd="/proc")
        self.assertEqual(result.stdout, b"problem opening files")
        self.assertEqual(result.status, 2)
        self.assertEqual(self.files(), ["notes.txt"])


if __name__ == "__main__":
    cliSupport.main()
