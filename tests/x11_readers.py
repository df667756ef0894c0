# Zubrik: what the player's system says of the game's windows: Qt's over AT-SPI, Wine's through the inspector.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Each reader lists the windows shown, as Seen: the client area on the
# screen, whether it is the active window, and each widget with its rectangle
# in the window's client area, its caption, whether it takes input and
# whether it has the keyboard focus. A message box carries its prompt.
import subprocess


class Widget:
    def __init__(self, x, y, w, h, text, enabled, focused, handle=None):
        self.x, self.y, self.w, self.h = x, y, w, h
        self.text, self.enabled, self.focused, self.handle = text, enabled, focused, handle

    def contains(self, x, y):
        return self.x <= x < self.x + self.w and self.y <= y < self.y + self.h


class Seen:
    def __init__(self, box, title, x, y, w, h, active, widgets, handle=None):
        self.box, self.title, self.x, self.y, self.w, self.h = box, title, x, y, w, h
        self.active, self.widgets, self.handle = active, widgets, handle

    def widget_at(self, x, y):
        """The innermost widget at a point of the client area."""
        under = [w for w in self.widgets if w.contains(x, y)]
        return min(under, key=lambda w: w.w * w.h, default=None)

    def prompt(self):
        """A box's prompt: its longest text."""
        return max((w.text for w in self.widgets), key=len, default="")


class AtspiReader:
    """Qt's accessibility bridge, read as a screen reader reads it."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.atspi, self.context, self.pid = pyatspi, GLib.MainContext.default(), None

    def follow(self, pid):
        self.pid = pid

    def _pump(self):
        while self.context.iteration(False):
            pass

    def _states(self, acc):
        return {self.atspi.stateToString(s) for s in acc.getState().getStates()}

    def _text(self, acc):
        try:
            return acc.queryText().getText(0, -1)
        except NotImplementedError:
            return acc.name

    def windows(self):
        self._pump()
        app = next((a for a in self.atspi.Registry.getDesktop(0) if a and a.get_process_id() == self.pid), None)
        seen = []
        for window in ([app.getChildAtIndex(i) for i in range(app.childCount)] if app else []):
            states = self._states(window)
            if "showing" not in states:
                continue
            corner = window.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
            widgets = []
            stack = [window.getChildAtIndex(i) for i in range(window.childCount)]
            while stack:
                acc = stack.pop()
                stack += [acc.getChildAtIndex(i) for i in range(acc.childCount)]
                s = self._states(acc)
                if "showing" in s:
                    e = acc.queryComponent().getExtents(self.atspi.DESKTOP_COORDS)
                    widgets.append(Widget(e.x - corner.x, e.y - corner.y, e.width, e.height, self._text(acc),
                                          "enabled" in s, "focused" in s))
            seen.append(Seen(window.getRoleName() == "alert", window.name, corner.x, corner.y, corner.width,
                             corner.height, "active" in states, widgets))
        return seen


class InspectorReader:
    """The Win32 API's answers, from a program in the game's Wine prefix."""

    def __init__(self, command):
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, encoding="utf-8")

    def follow(self, pid):
        pass

    def _ask(self, request):
        self.process.stdin.write(request + "\n")
        self.process.stdin.flush()
        lines = []
        for line in self.process.stdout:
            if line == ".\n":
                return lines
            lines.append(line.rstrip("\n"))
        raise RuntimeError("the inspector ended")

    @staticmethod
    def _unescape(text):
        out, i = [], 0
        while i < len(text):
            if text[i] == "\\" and i + 1 < len(text):
                out.append({"r": "\r", "n": "\n"}.get(text[i + 1], text[i + 1]))
                i += 2
            else:
                out.append(text[i])
                i += 1
        return "".join(out)

    def windows(self):
        seen = []
        for line in self._ask("windows"):
            if line.startswith("window "):
                # window HWND CLASS ENABLED ACTIVE X Y W H FOCUS TITLE
                f = line.split(" ", 10)
                seen.append(Seen(f[2] == "#32770", self._unescape(f[10] if len(f) > 10 else ""),
                                 int(f[5]), int(f[6]), int(f[7]), int(f[8]), f[4] == "1", [], f[1]))
                focus = f[9]
            elif line.startswith("control ") and seen:
                # control HWND CLASS VISIBLE ENABLED X Y W H TEXT
                f = line.split(" ", 9)
                if f[3] == "1":
                    seen[-1].widgets.append(Widget(int(f[5]), int(f[6]), int(f[7]), int(f[8]),
                                                   self._unescape(f[9] if len(f) > 9 else ""), f[4] == "1",
                                                   seen[-1].active and f[1] == focus, f[1]))
        return seen

    def post_key(self, seen, code):
        """A key posted to the window itself, whatever has the focus. Posted
        messages come before later input, so what follows stays in order."""
        self._ask("key %s %d" % (seen.handle, code))
