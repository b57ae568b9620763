"""A real X display for dialog tests: Xvfb on a free display number, and xdotool to find a
dialog's window, type into it and press keys."""

import os
import shutil
import subprocess
import time

import cliSupport


def missing_tools(*tools):
    return [tool for tool in tools if shutil.which(tool) is None]


class XDisplay:
    """A display of the test's own, or with `name` one that is already running."""

    def __init__(self, name=None):
        self.name = name
        self.server = None

    def __enter__(self):
        if self.name:
            return self
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            self.name = ":" + numbers.readline().strip()
        return self

    def __exit__(self, *_):
        if self.server:
            self.server.terminate()
            self.server.wait()

    def xdotool(self, *arguments, timeout=60):
        return subprocess.run(["xdotool", *arguments], env={**os.environ, "DISPLAY": self.name},
                              stdout=subprocess.PIPE, timeout=timeout, check=True).stdout

    def wait_for_window(self, *search, timeout=60):
        """The first visible window that `xdotool search` finds, once it is there."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", *search],
                                   env={**os.environ, "DISPLAY": self.name},
                                   stdout=subprocess.PIPE).stdout.split()
            if found:
                return found[0].decode()
            time.sleep(0.2)
        raise TimeoutError(f"no window for {search}")

    def type_into(self, window, text):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("type", "--delay", "40", text)

    def window_exists(self, window):
        return subprocess.run(["xdotool", "getwindowname", window],
                              env={**os.environ, "DISPLAY": self.name}, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def press_until_closed(self, window, key, attempts=5):
        """Presses `key` until the window is gone: a first press may only take the entry's
        completion."""
        for _ in range(attempts):
            subprocess.run(["xdotool", "windowfocus", "--sync", window],
                           env={**os.environ, "DISPLAY": self.name}, stderr=subprocess.DEVNULL,
                           timeout=60)
            self.press(key)
            deadline = time.monotonic() + 2
            while time.monotonic() < deadline:
                if not self.window_exists(window):
                    return
                time.sleep(0.1)

    def press(self, key):
        # The window may close under the key press: xdotool then reports an error of X.
        subprocess.run(["xdotool", "key", key], env={**os.environ, "DISPLAY": self.name},
                       stderr=subprocess.DEVNULL, timeout=60)


def typing(text):
    """An answer to a dialog: the name typed, then Enter until the dialog has taken it."""
    def answer(display, window):
        display.type_into(window, text)
        display.press_until_closed(window, "Return")
    return answer


class DialogTestCase(cliSupport.CliTestCase):
    """Runs the program without arguments on a display and answers the dialog it shows."""

    display_name = None  # a display already running; else the test starts one of its own
    window_search = ()   # what xdotool looks for to find the dialog's window

    def run_with_dialog(self, answer_dialog):
        with XDisplay(self.display_name) as display:
            env = {**self.environment(), "DISPLAY": display.name}
            program = subprocess.Popen(cliSupport.PREFIX + [cliSupport.BINARY], cwd=self.work,
                                       env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, start_new_session=True)
            try:
                window = display.wait_for_window(*self.window_search)
                time.sleep(1)
                answer_dialog(display, window)
                stdout, _ = program.communicate(timeout=60)
            finally:
                program.kill()
            return stdout, program.returncode
