#!/usr/bin/python3
# Zubrik: the player's script played through X11 on the real program: the Qt build, or the Windows build under Wine.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scenario_x11.py --toolkit qt|wine --game PROGRAM --counter PROGRAM --layout PROGRAM
#        --frames PROGRAM --wm-close PROGRAM [--inspector PROGRAM] [--launcher WINE_RUN] [--shots DIR] SCENARIO
# Expects DISPLAY, an X server with no window manager, and for Qt a D-Bus
# session with the accessibility bus. The player clicks and types through
# xdotool; the stage is held pixel for pixel to the frames --frames composes,
# controls are aimed at where --layout says the game lays them out, and
# captions, states and focus are read as the system reports them
# (x11_readers.py). Every expectation waits for what it looks for, up to
# BOUND seconds. The counter program presets the counter and presses nothing.
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

from x11_readers import AtspiReader, InspectorReader
from x11_screen import Screen

BOUND = 20.0


class Failure(Exception):
    pass


def parse(path):
    """The script's steps as (line, verb, arguments); see its header."""
    steps = []
    with open(path, encoding="utf-8") as script:
        for number, line in enumerate(script, 1):
            words, i, line = [], 0, line.rstrip("\r\n")
            while i < len(line) and line[i] != "#":
                if line[i] in " \t":
                    i += 1
                elif line[i] == '"':
                    end = line.index('"', i + 1)
                    words.append(line[i + 1:end].replace("\\r\\n", "\r\n"))
                    i = end + 1
                else:
                    end = i
                    while end < len(line) and line[end] not in ' \t#"':
                        end += 1
                    words.append(line[i:end])
                    i = end
            if words:
                steps.append((number, words[0], words[1:]))
    return steps


def lines_of(text):
    return text.replace("\r\n", "\n")


def frame_matches(pattern, name):
    if not pattern.endswith("*"):
        return pattern == name
    return name.startswith(pattern[:-1]) and name[len(pattern) - 1:].isdigit()


def tick_in(sequence, name):
    """Where a frame stands in a flight or a replay, paused or not; None if not in it."""
    rest = name[len("paused-"):] if name.startswith("paused-") else name
    if sequence == "flight" and rest != name:
        rest = "flight-" + rest
    tick = rest[len(sequence) + 1:]
    return int(tick) if rest.startswith(sequence + "-") and tick.isdigit() else None


class Driver:
    def __init__(self, o, steps):
        self.o, self.steps = o, steps
        self.launcher = [o.launcher] if o.launcher else []
        self.screen = Screen()
        self.windows, self.controls, self.keys = {}, {}, {}
        keys = sorted({args[0] for _, verb, args in steps if verb == "key"})
        for line in self.tool(o.layout, *keys).splitlines():
            f = line.split(" ")
            if f[0] == "window":
                self.windows.setdefault(f[1], []).append((int(f[2]), int(f[3]), " ".join(f[4:])))
            elif f[0] == "control":
                self.controls[f[1]] = tuple(int(v) for v in f[2:7])
            elif f[0] == "key":
                self.keys[f[1]] = int(f[2])
        self.frames = {}
        with tempfile.TemporaryDirectory() as folder:
            cells = sorted({a[0][len("standing-"):].replace("-", ":") for _, v, a in steps
                            if v == "frame" and a[0].startswith("standing-")})
            self.tool(o.frames, folder, *cells)
            for file in sorted(os.listdir(folder)):
                with open(os.path.join(folder, file), "rb") as ppm:
                    pixels = ppm.read().split(b"\n", 3)[3]
                self.frames.setdefault(pixels, []).append(file[:-len(".ppm")])
        self.stage = self.controls["Form1.Pic"]
        self.reader = AtspiReader() if o.toolkit == "qt" else InspectorReader(self.launcher + [o.inspector])
        self.game, self.box_title = None, None
        self.log = open(os.path.join(o.work, "game.log"), "w", buffering=1)

    def tool(self, program, *args):
        return subprocess.run(self.launcher + [program, *args], check=True, capture_output=True,
                              text=True, encoding="utf-8").stdout.replace("\r\n", "\n")

    # What the step waits for: a fault, or None once it holds.
    def until(self, probe, bound=BOUND):
        end = time.monotonic() + bound
        while True:
            try:
                fault = probe()
            except Failure as failure:
                fault = str(failure)
            if fault is None:
                return
            if time.monotonic() > end:
                raise Failure(fault)
            time.sleep(0.02)

    @staticmethod
    def one(form, matches):
        """The one window of a form, or None; a second one is a fault of its own."""
        if len(matches) > 1:
            raise Failure("%d windows of %s are shown" % (len(matches), form))
        return matches[0] if matches else None

    def x_window(self, form):
        """The form's window on screen, by its title and size, or None."""
        if form == "Box":
            return self.one(form, [w for w in self.screen.windows() if w.title == self.box_title])
        return self.one(form, [x for x in self.screen.windows() if (x.w, x.h, x.title) in self.windows[form]])

    def seen(self, form):
        """The form's window as the system reports it, or None."""
        box = form == "Box"
        return self.one(form, [s for s in self.reader.windows() if s.box == box and (
            s.title == self.box_title if box else (s.w, s.h, s.title) in self.windows[form])])

    def widget(self, control):
        """The control's form as reported, and the widget at the control's centre."""
        form = control.split(".")[0]
        s = self.seen(form)
        if s is None:
            raise Failure("%s is not shown" % form)
        x, y, w, h, _ = self.controls[control]
        return s, s.widget_at(x + w // 2, y + h // 2)

    def activate(self, window, wait=True):
        """The focus given to a window, as a window manager gives it the one on top."""
        subprocess.run(["xdotool", "windowfocus", "--sync", str(window.id)], check=False,
                       stderr=subprocess.DEVNULL)
        if wait:
            def active():
                s = next((s for s in self.reader.windows() if (s.title, s.x, s.y) == (window.title, window.x, window.y)), None)
                return None if s and s.active else "%r does not become active" % window
            self.until(active)

    def top(self):
        return self.found(lambda: (self.screen.windows() or [None])[-1], "no window is shown")

    def point(self, control, at=None):
        """A point of the control on the screen: its centre, or (X, Y) of its client area."""
        window = self.until_window(control.split(".")[0])
        x, y, w, h, border = self.controls[control]
        px, py = (x + border + at[0], y + border + at[1]) if at else (x + w // 2, y + h // 2)
        px, py = window.x + px, window.y + py
        # What covers the point is dragged aside, as a player moves a dialog
        # to reach the window under it; the toolkit must know it moved.
        for other in reversed(self.screen.windows()):
            if other.id == window.id:
                break
            if other.contains(px, py):
                place = (0, 0) if other.w <= window.x or other.h <= window.y else (window.x + window.w, 0)
                subprocess.run(["xdotool", "windowmove", "--sync", str(other.id), *map(str, place)], check=True)
                self.until(lambda: None if any((s.title, s.x, s.y) == (other.title, *place) for s in self.reader.windows())
                           else "%r does not move aside" % other)
        return px, py

    def found(self, find, fault):
        """What `find` gives, once it gives something."""
        result = [None]

        def probe():
            result[0] = find()
            return None if result[0] else fault
        self.until(probe)
        return result[0]

    def until_window(self, form):
        return self.found(lambda: self.x_window(form), "%s is not shown" % form)

    def stage_frames(self):
        main = self.x_window("Form1")
        if main is None:
            return ["no main window"]
        x, y, w, h, _ = self.stage
        return self.frames.get(self.screen.grab(main.x + x, main.y + y, w, h), [])

    def play(self, verb, args):
        step = getattr(self, "step_" + verb.replace("-", "_"), None)
        if step is None:
            raise Failure("no such verb")
        step(*args)

    # What the player does.
    def step_start(self, count=None):
        if self.game and self.game.poll() is None:
            raise Failure("the game before is still running")
        program = [self.o.counter, count.split("=", 1)[1]] if count else [self.o.game]
        self.game = subprocess.Popen(self.launcher + program, stdout=self.log, stderr=subprocess.STDOUT)
        self.reader.follow(self.game.pid)
        self.until_window("Form1")

    def step_click(self, control, times="times=1"):
        x, y = self.point(control)
        for _ in range(int(times.split("=", 1)[1])):
            subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)

    def step_click_at(self, control, x, y):
        px, py = self.point(control, (int(x), int(y)))
        subprocess.run(["xdotool", "mousemove", str(px), str(py), "click", "1"], check=True)

    def step_key(self, name, form=None):
        if form and self.o.toolkit == "wine":
            # Wine hands every key to the focus, in the modal window: posted to the window itself instead.
            return self.reader.post_key(self.found(lambda: self.seen(form), "%s is not shown" % form), self.keys[name])
        target = self.until_window(form) if form else self.top()
        self.activate(target, wait=not form)
        # The keypad's digits with Num Lock on, its other keys with it off.
        if name.startswith("KP_") and self.screen.num_lock() != name[3:].isdigit():
            subprocess.run(["xdotool", "key", "Num_Lock"], check=True)
        subprocess.run(["xdotool", "key", name], check=True)

    def step_close(self, form):
        subprocess.run([self.o.wm_close, str(self.until_window(form).id)], check=True)

    # What the player sees.
    def step_frame(self, pattern):
        def probe():
            names = self.stage_frames()
            return None if any(frame_matches(pattern, n) for n in names) else \
                "the stage shows %s" % (" ".join(names) or "a frame none of the expected")
        self.until(probe)

    def step_frames(self, sequence):
        seen, end = [0], time.monotonic() + BOUND
        while time.monotonic() < end:
            # Every few milliseconds, so that no 20 ms tick goes unseen and the game keeps its share.
            time.sleep(0.002)
            names = self.stage_frames()
            if "standing" in names:
                if seen[-1] > 0:
                    print("  %s: ticks %s seen, then standing" % (sequence, " ".join(map(str, seen[1:]))))
                    return
                continue  # not yet in the air
            # The earliest of look-alikes that does not go back.
            ticks = [t for t in (tick_in(sequence, n) for n in names) if t is not None and t >= seen[-1]]
            if not ticks:
                raise Failure("after tick %d the stage shows %s" % (seen[-1], " ".join(names) or "a frame none of the expected"))
            if min(ticks) > seen[-1]:
                seen.append(min(ticks))
        raise Failure("the meat never stood again" if seen[-1] else "the meat never left the ground")

    def step_caption(self, name, text):
        def probe():
            if "." not in name:
                s = self.seen(name)
                return None if s and s.title == text else "the title is %r" % (s.title if s else None)
            _, w = self.widget(name)
            return None if w and lines_of(w.text) == lines_of(text) else "the caption is %r" % (w and w.text)
        self.until(probe)

    def step_enabled(self, *controls, wanted=True):
        def probe():
            for control in controls:
                _, w = self.widget(control)
                if not w or w.enabled != wanted:
                    return "%s %s" % (control, "takes no input" if wanted else "takes input")
            return None
        self.until(probe)

    def step_disabled(self, *controls):
        self.step_enabled(*controls, wanted=False)

    def step_focus(self, control):
        self.activate(self.top())

        def probe():
            s, w = self.widget(control)
            focused = [f.text for f in s.widgets if f.focused]
            return None if s.active and w and w.focused else "the focus is on %r" % focused
        self.until(probe)

    def step_shown(self, form):
        self.until(lambda: None if self.x_window(form) else "not shown")

    def step_gone(self, form):
        self.until(lambda: "still shown" if self.x_window(form) else None)

    def step_box(self, title, prompt):
        self.box_title = title
        self.until(lambda: None if (lambda s: s and lines_of(s.prompt()) == lines_of(prompt))(self.seen("Box"))
                   else "no box says %r %r: %s" % (title, prompt, [(s.title, s.prompt()) for s in self.reader.windows() if s.box]))

    def step_look(self, control, back, align=None):
        """The face of the colour, dark text on it, at the right edge if so aligned."""
        window = self.until_window(control.split(".")[0])
        x, y, w, h, _ = self.controls[control]
        face = bytes.fromhex(back.split("=", 1)[1])

        def probe():
            rgb = self.screen.grab(window.x + x, window.y + y, w, h)
            pixels = [rgb[i:i + 3] for i in range(0, len(rgb), 3)]
            if max(set(pixels), key=pixels.count) != face:
                return "the face is not %s" % back
            ink = [i % w for i, p in enumerate(pixels) if sum(p) < sum(face) // 3]
            if not ink:
                return "no dark text on it"
            if align == "align=right" and (w - 1 - max(ink) > 6 or min(ink) < w - 1 - max(ink)):
                return "the text is not at the right edge (columns %d to %d of %d)" % (min(ink), max(ink), w)
            return None
        self.until(probe)

    def step_exit(self, status):
        try:
            code = self.game.wait(timeout=BOUND)
        except subprocess.TimeoutExpired:
            raise Failure("the game is still running")
        if code != int(status):
            raise Failure("the game ended with status %d" % code)
        with open(self.log.name) as log:
            if "Sanitizer" in log.read():
                raise Failure("the sanitizer reported a fault")

    def run(self):
        started = time.monotonic()
        for line, verb, args in self.steps:
            try:
                self.play(verb, args)
                # A picture of each window as it comes up, for the record.
                if verb in ("shown", "box"):
                    self.keep_shot("line%03d-%s" % (line, args[0] if verb == "shown" else "box"))
            except Failure as fault:
                self.keep_shot("failure")
                shown = " ".join(args).replace("\r\n", "\\r\\n")
                print("FAIL: line %d: %s %s: %s" % (line, verb, shown, fault), file=sys.stderr)
                return 1
        if self.game and self.game.poll() is None:
            print("FAIL: the script ends with the game still running", file=sys.stderr)
            return 1
        print("scenario on %s: %d steps passed in %.1f s" % (self.o.toolkit, len(self.steps), time.monotonic() - started))
        return 0

    def keep_shot(self, name):
        if self.o.shots:
            os.makedirs(self.o.shots, exist_ok=True)
            subprocess.run(["/usr/bin/import", "-window", "root", os.path.join(self.o.shots, name + ".png")])

    def close(self):
        if self.game and self.game.poll() is None:
            self.game.kill()
            self.game.wait()


def main():
    parser = argparse.ArgumentParser(description="Plays the player's script through X11.")
    parser.add_argument("--toolkit", choices=["qt", "wine"], required=True)
    for program in ("game", "counter", "layout", "frames", "wm-close"):
        parser.add_argument("--" + program, required=True)
    parser.add_argument("--inspector")
    parser.add_argument("--launcher")
    parser.add_argument("--shots")
    parser.add_argument("scenario")
    o = parser.parse_args()
    o.work = tempfile.mkdtemp()
    driver = Driver(o, parse(o.scenario))
    try:
        status = driver.run()
    finally:
        driver.close()
    if status:
        with open(os.path.join(o.work, "game.log")) as log:
            sys.stderr.write(log.read())
    shutil.rmtree(o.work)
    sys.exit(status)


if __name__ == "__main__":
    main()
