"""Interactive mode on a Linux desktop: zenity's file dialog in a real window under Xvfb, a
name typed into it with xdotool. Skipped (exit status 77) without Xvfb, zenity or xdotool."""

import os
import sys

import cliSupport
from cliSupport import sample_book
from xDisplay import DialogTestCase, missing_tools, typing


class ZenityDialog(DialogTestCase):
    window_search = ("--class", "zenity")

    def test_a_text_chosen_in_the_dialog(self):
        os.mkdir(self.path("texts"))
        self.write("texts/notes.txt", b"Chosen in a dialog.\n")

        stdout, status = self.run_with_dialog(typing(self.path("texts/notes.txt")))
        self.assertEqual(stdout, b"\nnotes.hdb created.\r\n")
        self.assertEqual(status, 0)
        self.assertEqual(self.files(self.path("texts")), ["notes.hdb", "notes.txt"])
        self.assert_handed_off("notes.hdb")

    def test_a_database_chosen_in_the_dialog(self):
        self.write("book.pdb", sample_book())

        stdout, status = self.run_with_dialog(typing(self.path("book.pdb")))
        self.assertEqual(stdout, self.path("book.hdb").encode() + b" created.\r\n")
        self.assertEqual(status, 0)
        self.assert_handed_off(self.path("book.hdb"))

    def test_cancelling_the_dialog(self):
        self.write("book.pdb", sample_book())
        stdout, status = self.run_with_dialog(
            lambda display, window: display.press_until_closed(window, "Escape"))
        self.assertEqual((stdout, status), (b"", 1))
        self.assertEqual(self.files(), ["book.pdb"])
        self.assert_not_handed_off()


if __name__ == "__main__":
    missing = missing_tools("Xvfb", "zenity", "xdotool")
    if cliSupport.ON_WINDOWS or missing:
        print("skipped:", ", ".join(missing) or "zenity is the POSIX program's dialog")
        sys.exit(77)
    cliSupport.main()
