"""Interactive mode without a display: the file is asked for on the terminal itself, through a
pseudo-terminal here, while standard output keeps only the program's messages."""

import os
import pty
import select
import sys

import cliSupport
from cliSupport import CliTestCase, sample_book

PROMPT_END = b"(empty to cancel): "


class TerminalPrompt(CliTestCase):
    def answer_prompt(self, answer, cwd=None):
        """Runs trevanto without arguments on a terminal of its own, answers its prompt, and
        returns what the terminal showed, its standard output and its exit status."""
        out_read, out_write = os.pipe()
        pid, terminal = pty.fork()
        if pid == 0:
            try:
                os.dup2(out_write, 1)
                os.chdir(cwd or self.work)
                os.execve(cliSupport.BINARY, [cliSupport.BINARY], self.environment())
            finally:
                os._exit(127)
        os.close(out_write)
        shown = self.read_until(terminal, PROMPT_END)
        os.write(terminal, answer)
        stdout = b""
        while chunk := os.read(out_read, 4096):
            stdout += chunk
        os.close(out_read)
        _, status = os.waitpid(pid, 0)
        os.close(terminal)
        return shown, stdout, os.waitstatus_to_exitcode(status)

    @staticmethod
    def read_until(terminal, end):
        shown = b""
        while not shown.endswith(end):
            ready, _, _ = select.select([terminal], [], [], 20)
            if not ready:
                break
            shown += os.read(terminal, 1024)
        return shown

    def test_a_database_chosen_by_name(self):
        self.write("book.pdb", sample_book())
        shown, stdout, status = self.answer_prompt(b"book.pdb\n")
        self.assertTrue(shown.endswith(PROMPT_END), shown)
        self.assertEqual(stdout, self.path("book.hdb").encode() + b" created.\r\n")
        self.assertEqual(status, 0)
        self.assert_handed_off(self.path("book.hdb"))

    def test_a_name_without_extension_gets_pdb(self):
        self.write("Book.pdb", sample_book())
        _, stdout, status = self.answer_prompt(b"Book\n")
        self.assertEqual(stdout, self.path("Book.hdb").encode() + b" created.\r\n")
        self.assertEqual(status, 0)

    def test_a_text_in_another_folder_is_converted_there(self):
        os.mkdir(self.path("texts"))
        self.write("texts/notes.txt", b"Some notes.\n")
        _, stdout, status = self.answer_prompt(self.path("texts/notes.txt").encode() + b"\n")
        self.assertEqual(stdout, b"\nnotes.hdb created.\r\n")
        self.assertEqual(status, 0)
        self.assertEqual(self.files(self.path("texts")), ["notes.hdb", "notes.txt"])
        self.assertEqual(self.files(), ["texts"])
        self.assert_handed_off("notes.hdb")

    def test_a_text_in_a_folder_named_pdb_keeps_its_intermediate(self):
        os.mkdir(self.path("pdb"))
        self.write("pdb/notes.txt", b"Some notes.\n")
        _, _, status = self.answer_prompt(b"pdb/notes.txt\n")
        self.assertEqual(status, 0)
        self.assertEqual(self.files(self.path("pdb")), ["notes.hdb", "notes.pdb", "notes.txt"])

    def test_a_text_in_a_folder_named_like_a_database_is_an_invalid_database(self):
        os.mkdir(self.path("old.pdb"))
        self.write("old.pdb/notes.txt", b"Some notes.\n")
        _, stdout, status = self.answer_prompt(b"old.pdb/notes.txt\n")
        self.assertEqual(stdout, b"error: invalid .pdb file " +
                         self.path("old.pdb/notes.txt").encode() + b"\r\n")
        self.assertEqual(status, 1)
        self.assert_not_handed_off()

    def test_empty_input_or_end_of_input_cancels(self):
        self.write("book.pdb", sample_book())
        for answer in [b"\n", b"\x04"]:
            with self.subTest(answer):
                _, stdout, status = self.answer_prompt(answer)
                self.assertEqual((stdout, status), (b"", 1))
        self.assertEqual(self.files(), ["book.pdb"])

    def test_without_display_or_terminal_no_file_is_chosen(self):
        self.write("book.pdb", sample_book())
        result = self.run_trevanto()
        self.assertEqual((result.stdout, result.status), (b"", 1))
        self.assertEqual(self.files(), ["book.pdb"])


if __name__ == "__main__":
    if cliSupport.ON_WINDOWS:
        print("the terminal prompt is the POSIX program's")
        sys.exit(77)
    cliSupport.main()
