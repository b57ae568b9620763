"""The directory batch: key words and other arguments that convert the current directory."""

import os

import cliSupport
from cliSupport import CliTestCase, build_pdb, doc_header, sample_book

TEXT = b"A text file of the batch.\r\n"


def created(name):
    return name.encode() + b" created.\r\n"


class Batch(CliTestCase):
    def setUp(self):
        super().setUp()
        self.write("a.pdb", sample_book(name=b"Book A"))
        self.write("b.txt", TEXT)
        self.write("c.doc", b"not a book")

    def expected_output(self, converted):
        """The messages of the converted entries, in the order the listing gives them."""
        messages = {"a.pdb": created("a.hdb"), "b.txt": b"\n" + created("b.hdb")}
        return b"".join(messages[name] for name in self.listing() if name in converted)

    def test_all_converts_databases_and_text_files(self):
        result = self.run_trevanto("all")
        self.assertEqual(result.stdout, self.expected_output({"a.pdb", "b.txt"}))
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["a.hdb", "a.pdb", "b.hdb", "b.txt", "c.doc"])
        self.assert_not_handed_off()

    def test_key_words_select_the_kind(self):
        cases = {
            "allpdb": {"a.pdb"},
            "alltxt": {"b.txt"},
            "xalltxt": {"b.txt"},
            "allpdballtxt": set(),
        }
        for argument, converted in cases.items():
            with self.subTest(argument):
                for hdb in ["a.hdb", "b.hdb"]:
                    if os.path.exists(self.path(hdb)):
                        os.remove(self.path(hdb))
                result = self.run_trevanto(argument)
                self.assertEqual(result.stdout, self.expected_output(converted))
                self.assertEqual(result.status, 0)
                written = sorted(name[:-3] + "hdb" for name in converted)
                self.assertEqual(self.files(), sorted(["a.pdb", "b.txt", "c.doc"] + written))
        self.assert_not_handed_off()

    def test_the_owner_argument_reaches_every_file(self):
        self.assertEqual(self.run_trevanto("all", "Reader").status, 0)
        for hdb in ["a.hdb", "b.hdb"]:
            self.assertEqual(self.read(hdb)[32:64], b"Reader" + bytes(26))

    def test_a_name_that_is_no_file_converts_the_first_book_of_the_listing(self):
        first = next(name for name in self.listing() if name in ("a.pdb", "b.txt"))
        hdb = first[:-3] + "hdb"
        result = self.run_trevanto("small.pdb")
        self.assertEqual(result.stdout, self.expected_output({first}))
        self.assertEqual(result.status, 0)
        self.assertEqual(sorted(set(self.files()) - {"a.pdb", "b.txt", "c.doc"}), [hdb])
        self.assert_handed_off(hdb)

    def test_star_pdb_stops_at_the_first_entry_that_is_no_database(self):
        listing = self.listing()
        result = self.run_trevanto("*.pdb")
        self.assertEqual(result.status, 0)
        if listing[0] == "a.pdb":
            self.assertEqual(result.stdout, created("a.hdb"))
            self.assert_handed_off("a.hdb")
        else:
            self.assertEqual(result.stdout, b"")
            self.assert_not_handed_off()
        self.assertNotIn("b.hdb", self.files())

    def test_palmall_text_converts_itself_then_the_whole_directory(self):
        self.write("palmall.txt", TEXT)
        result = self.run_trevanto("palmall.txt")
        self.assertEqual(result.status, 0)
        self.assertTrue(result.stdout.startswith(b"\n" + created("palmall.hdb")), result.stdout)
        self.assertEqual(self.files(), ["a.hdb", "a.pdb", "b.hdb", "b.txt", "c.doc",
                                        "palmall.hdb", "palmall.txt"])
        self.assert_not_handed_off()


class BatchEntries(CliTestCase):
    def test_an_invalid_database_is_reported_and_passed_over(self):
        self.write("a.pdb", sample_book())
        self.write("bad.pdb", build_pdb([doc_header(), b"x"], type_=b"TEXT"))
        self.write("z.pdb", sample_book())
        result = self.run_trevanto("all")
        self.assertEqual(result.status, 0)
        self.assertIn(b"error: invalid .pdb file bad.pdb\r\n", result.stdout)
        self.assertEqual(self.files(), ["a.hdb", "a.pdb", "bad.pdb", "z.hdb", "z.pdb"])

    def test_which_names_count(self):
        self.write("a.pdb.bak", sample_book())
        self.write("Book.Pdb", sample_book())
        self.write("notes.Txt", TEXT)
        result = self.run_trevanto("all")
        self.assertEqual(result.stdout, created("a.pdb.hak"))
        self.assertEqual(self.files(), ["Book.Pdb", "a.pdb.bak", "a.pdb.hak", "notes.Txt"])

    def test_a_folder_named_like_a_database_ends_the_batch(self):
        os.mkdir(self.path("x.pdb"))
        self.write("a.pdb", sample_book())
        before = self.listing()
        result = self.run_trevanto("all")
        self.assertEqual(result.status, 1)
        self.assertTrue(result.stdout.endswith(b"error: file not found\r\n"), result.stdout)
        converted = before.index("a.pdb") < before.index("x.pdb")
        self.assertEqual("a.hdb" in self.files(), converted)

    def test_a_folder_named_like_a_text_ends_the_run_and_leaves_no_intermediate(self):
        os.mkdir(self.path("notes.txt"))
        result = self.run_trevanto("alltxt")
        self.assertEqual(result.stdout, b"problem opening files")
        self.assertEqual(result.status, 2)
        self.assertEqual(self.files(), ["notes.txt"])

    def test_a_refused_text_is_passed_over_and_its_database_converted(self):
        self.write("b.txt", TEXT)
        self.write("b.pdb", sample_book(name=b"Database B"))
        result = self.run_trevanto("all")
        self.assertEqual(result.status, 0)
        self.assertIn(b"error: b.pdb already exists\r\n", result.stdout)
        self.assertIn(created("b.hdb"), result.stdout)
        self.assertEqual(self.read("b.pdb"), sample_book(name=b"Database B"))
        self.assertEqual(self.read("b.hdb")[:32], b"Database B".ljust(32, b"\0"))

    def test_a_text_named_pdb_keeps_its_intermediate(self):
        self.write("pdbnotes.txt", TEXT)
        result = self.run_trevanto("all")
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["pdbnotes.hdb", "pdbnotes.pdb", "pdbnotes.txt"])
        # The listing may return the kept intermediate later, which is then converted again.
        self.assertIn(result.stdout.count(created("pdbnotes.hdb")), (1, 2))
        self.assertEqual(self.read("pdbnotes.hdb")[:32], b"pdbnotes".ljust(32, b"\0"))

    def test_an_empty_directory(self):
        result = self.run_trevanto("all")
        self.assertEqual((result.stdout, result.status), (b"", 0))


class NamedFileWins(CliTestCase):
    def test_an_existing_database_whose_name_holds_all_is_that_database(self):
        self.write("a.pdb", sample_book(name=b"Book A"))
        self.write("small.pdb", sample_book(name=b"Small"))
        result = self.run_trevanto("small.pdb")
        self.assertEqual(result.stdout, created("small.hdb"))
        self.assertEqual(result.status, 0)
        self.assertEqual(self.files(), ["a.pdb", "small.hdb", "small.pdb"])
        self.assert_handed_off("small.hdb")

    def test_an_invalid_named_database_ends_the_run(self):
        self.write("a.pdb", sample_book())
        self.write("small.pdb", b"junk")
        result = self.run_trevanto("small.pdb")
        self.assertEqual(result.stdout, b"error: invalid .pdb file small.pdb\r\n")
        self.assertEqual(result.status, 1)
        self.assertEqual(self.files(), ["a.pdb", "small.pdb"])

    def test_an_existing_text_whose_name_holds_alltxt_is_that_text(self):
        self.write("b.txt", TEXT)
        self.write("alltxt.txt", TEXT)
        result = self.run_trevanto("alltxt.txt")
        self.assertEqual(result.stdout, b"\n" + created("alltxt.hdb"))
        self.assertEqual(self.files(), ["alltxt.hdb", "alltxt.txt", "b.txt"])
        self.assert_handed_off("alltxt.hdb")


class UnreadableDirectory(CliTestCase):
    def test_a_directory_that_cannot_be_listed(self):
        if cliSupport.ON_WINDOWS:
            self.skipTest("no POSIX permissions under wine")
        os.chmod(self.root, 0o711)
        os.chmod(self.work, 0o311)
        nobody = 65534 if os.geteuid() == 0 else None
        result = self.run_trevanto("all", as_user=nobody)
        self.assertEqual(result.stdout, b"error: cannot read the current directory\r\n")
        self.assertEqual(result.status, 1)
        os.chmod(self.work, 0o755)


if __name__ == "__main__":
    cliSupport.main()
