"""Interactive mode of the Windows program: wine's own open-file dialog in a real window under
Xvfb, a name typed into it with xdotool, the result handed to the program registered for
".hdb". The display is the one the wine prefix was prepared on, where wine's desktop lives.
Skipped (exit status 77) for the POSIX program, or without that display or xdotool."""

import os
import sys

import cliSupport
from cliSupport import sample_book, windows_path
from xDisplay import DialogTestCase, missing_tools, typing


def run_display():
    try:
        with open(os.environ["TREVANTO_WINE_DISPLAY_FILE"]) as name:
            return name.read().strip()
    except (KeyError, OSError):
        return None


RUN_DISPLAY = run_display()


class WineDialog(DialogTestCase):
    display_name = RUN_DISPLAY
    window_search = ("--name", "^Open$")

    # The dialog opens in a folder of its own choosing, so names are typed with their folder.

    def test_a_name_typed_without_extension_is_a_database(self):
        self.write("book.pdb", sample_book())
        stdout, status = self.run_with_dialog(typing(windows_path(self.path("book"))))
        self.assertEqual(stdout, windows_path(self.path("book.hdb")).encode() +
                         b" created.\r\n")
        self.assertEqual(status, 0)
        self.assert_handed_off("book.hdb")

    def test_a_text_in_another_folder_is_converted_there(self):
        os.mkdir(self.path("texts"))
        self.write("texts/notes.txt", b"Chosen in the Windows dialog.\r\n")
        stdout, status = self.run_with_dialog(typing(windows_path(self.path("texts/notes.txt"))))
        self.assertEqual(stdout, b"\nnotes.hdb created.\r\n")
        self.assertEqual(status, 0)
        self.assertEqual(self.files(self.path("texts")), ["notes.hdb", "notes.txt"])
        self.assert_handed_off("texts/notes.hdb")

    def test_a_database_named_with_odd_case_is_its_own_intermediate_and_left_alone(self):
        # "Book.Pdb" is no database name to trevanto, so it takes the text route; on a file
        # system that ignores case its intermediate, Book.pdb, is the chosen file itself.
        self.write("Book.Pdb", sample_book())
        stdout, status = self.run_with_dialog(typing(windows_path(self.path("Book.Pdb"))))
        self.assertEqual(stdout, b"error: Book.pdb already exists\r\n")
        self.assertEqual(status, 1)
        self.assertEqual(self.read("Book.Pdb"), sample_book())
        self.assertEqual(self.files(), ["Book.Pdb"])

    def test_cancelling_the_dialog(self):
        self.write("book.pdb", sample_book())
        stdout, status = self.run_with_dialog(
            lambda display, window: display.press_until_closed(window, "Escape"))
        self.assertEqual((stdout, status), (b"", 1))
        self.assertEqual(self.files(), ["book.pdb"])
        self.assert_not_handed_off()



if __name__ == "__main__":
    if not cliSupport.ON_WINDOWS:
        print("skipped: wine's dialog is the Windows program's")
        sys.exit(77)
    if missing_tools("xdotool") or not RUN_DISPLAY:
        print("skipped: no display for the run, or no xdotool")
        sys.exit(77)
    cliSupport.main()
