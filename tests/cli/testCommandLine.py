"""The syntax check, the usage text and the owner argument, as a user meets them."""

import cliSupport
from cliSupport import SYNTAX_ERROR, USAGE, CliTestCase, sample_book


class UsageAndSyntax(CliTestCase):
    def assert_usage(self, stdout):
        self.assertTrue(stdout.startswith(USAGE), stdout)
        credits = stdout[len(USAGE):]
        self.assertEqual(credits.count(b"\r\n"), 2, credits)
        self.assertTrue(credits.endswith(b"\r\n"))

    def test_help_prints_the_usage_text_alone_and_converts_nothing(self):
        self.write("e-h.txt", b"text")
        for argument in ["-h", "e-h.txt", "x-hy"]:
            with self.subTest(argument):
                result = self.run_trevanto(argument)
                self.assertEqual(result.status, 1)
                self.assert_usage(result.stdout)
        self.assertEqual(self.files(), ["e-h.txt"])
        self.assert_not_handed_off()

    def test_arguments_without_a_key_fail_the_syntax_check(self):
        for argument in ["", "ALL", "All", "allx", "Book.Txt", "book.Pdb", "c.doc"]:
            with self.subTest(argument):
                result = self.run_trevanto(argument)
                self.assertEqual(result.status, 1)
                self.assertTrue(result.stdout.startswith(SYNTAX_ERROR + USAGE), result.stdout)
                self.assert_usage(result.stdout[len(SYNTAX_ERROR):])
        self.assertEqual(self.files(), [])


class OwnerArgument(CliTestCase):
    def owner_field(self, hdb):
        return self.read(hdb)[32:64]

    def test_owner_defaults_to_a_less_than_sign(self):
        self.write("book.pdb", sample_book())
        self.assertEqual(self.run_trevanto("book.pdb").status, 0)
        self.assertEqual(self.owner_field("book.hdb"), b"<" + bytes(31))

    def test_the_second_argument_is_the_owner_and_a_third_changes_nothing(self):
        self.write("book.pdb", sample_book())
        self.assertEqual(self.run_trevanto("book.pdb", "Reader", "ignored").status, 0)
        self.assertEqual(self.owner_field("book.hdb"), b"Reader" + bytes(26))

    def test_a_long_owner_fills_the_field_without_terminator(self):
        self.write("book.pdb", sample_book())
        self.assertEqual(self.run_trevanto("book.pdb", "o" * 40).status, 0)
        self.assertEqual(self.owner_field("book.hdb"), b"o" * 32)


if __name__ == "__main__":
    cliSupport.main()
