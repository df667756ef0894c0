#!/usr/bin/python3
# Zubrik: reads the running game as a screen reader does, over AT-SPI, and plays it by keyboard.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: a11y_tree.py game | ending. Expects DISPLAY, a D-Bus session with the
# accessibility bus, and the game (or the ending driver) already running.
# Prints each window's tree as the client reads it; exits 1 at the first fault.
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

RELATIONS = {pyatspi.RELATION_LABELLED_BY: "labelled-by", pyatspi.RELATION_LABEL_FOR: "label-for"}


def fail(what):
    print("FAIL: " + what, file=sys.stderr)
    sys.exit(1)


def pump(seconds):
    """Lets events arrive for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, probe, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.1)
    fail(what)


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def text_of(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def related(acc, relation):
    return [r.getTarget(i) for r in acc.getRelationSet() if r.getRelationType() == relation
            for i in range(r.getNTargets())]


def states(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def everything(acc):
    yield acc
    for child in children(acc):
        yield from everything(child)


def dump(acc, depth=0):
    line = "  " * depth + "[%s] %r" % (acc.getRoleName(), acc.name)
    if acc.description:
        line += " description=%r" % acc.description
    text = text_of(acc)
    if text is not None and text != acc.name:
        line += " text=%r" % text
    for relation, nick in RELATIONS.items():
        targets = related(acc, relation)
        if targets:
            line += " %s=%r" % (nick, [t.name for t in targets])
    if {"selected", "focused"} & states(acc):
        line += " " + ",".join(sorted({"selected", "focused"} & states(acc)))
    print(line)
    for child in children(acc):
        dump(child, depth + 1)


def game():
    return wait_for("the game is not on the accessibility bus",
                    lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Zubrik"), None))


def window(role, name):
    """A showing top-level window of the game by role and name."""
    return wait_for("no %s named %s" % (role, name), lambda: next(
        (w for w in children(game()) if w.getRoleName() == role and w.name == name
         and "showing" in states(w)), None))


def gone(name):
    wait_for("%s is still showing" % name, lambda: not any(
        w.name == name and "showing" in states(w) for w in children(game())))


def x_window(title, size):
    """The visible X window of that title (and size, "WxH", when two share it)."""
    for window_id in subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                                    capture_output=True, text=True).stdout.split():
        shape = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id],
                               capture_output=True, text=True).stdout.split()
        if size is None or "WIDTH=%s" % size.split("x")[0] in shape and "HEIGHT=%s" % size.split("x")[1] in shape:
            return window_id
    fail("no X window titled " + title)


def keys(title, *names, size=None):
    """Presses keys in the X window of that title, as a player at the keyboard."""
    subprocess.run(["xdotool", "windowfocus", "--sync", x_window(title, size)], check=False)
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.05)
    pump(0.3)


def one(acc, role, name=None):
    found = [c for c in children(acc) if c.getRoleName() == role and (name is None or c.name == name)]
    if len(found) != 1:
        fail("%d children [%s] %r in %r" % (len(found), role, name, acc.name))
    return found[0]


def expect(what, got, wanted):
    if got != wanted:
        fail("%s: %r, not %r" % (what, got, wanted))


def not_told(top, *secrets):
    for acc in everything(top):
        for said in (acc.name, acc.description, text_of(acc) or ""):
            for secret in secrets:
                if secret in said:
                    fail("%r is read out (%s %r)" % (secret, acc.getRoleName(), acc.name))


def check_dialog(title, items, hidden, key_list, picked, description_start):
    keys("Zubrik", "Tab", "space")
    dialog = window("dialog", title)
    print("--- %s, as opened" % title)
    dump(dialog)
    strip = one(dialog, "list")
    expect(title + " list items", [i.name for i in children(strip)], items)
    not_told(game(), hidden)
    started = time.monotonic()
    keys(title, *key_list[:-1])
    current = children(strip)[items.index(picked)]
    wait_for("%s is not the selected and focused item" % picked,
             lambda: {"selected", "focused"} <= states(current))
    others = [i.name for i in children(strip) if i.name != picked and {"selected", "focused"} & states(i)]
    expect("other items selected or focused", others, [])
    frame = one(dialog, "panel", "特徴")
    wait_for("the frame does not read " + description_start,
             lambda: text_of(one(frame, "label")).split("\n")[0] == description_start)
    print("--- %s, after %s" % (title, " ".join(key_list[:-1])))
    dump(dialog)
    keys(title, key_list[-1])
    gone(title)
    return time.monotonic() - started


def check_game():
    main = window("frame", "Zubrik")
    print("--- main window")
    dump(main)
    roles = [c.getRoleName() for c in children(main)]
    expect("main window children", roles, ["push button"] * 5 + ["label", "label", "image"])
    picture = one(main, "image", "ゲーム画面")
    expect("picture", picture.description, "ステージ「平原」、肉「まんが肉」")
    counter = one(main, "label", "0")
    expect("counter text", text_of(counter), "0")
    expect("counter caption", [t.name.strip() for t in related(counter, pyatspi.RELATION_LABELLED_BY)],
           ["ジャンプ回数"])

    # Jump has the focus: Tab reaches 肉選択, and then ステージ選択.
    seconds = check_dialog("肉選択", ["まんが肉", "牛肉", "とり肉"], "キン肉",
                           ["Right", "Right", "Return"], "牛肉", "◆牛肉")
    print("keys to pick 牛肉: Tab space Right Right Return (5), %.2f s from the first arrow" % seconds)
    wait_for("the picture does not say 牛肉", lambda: picture.description == "ステージ「平原」、肉「牛肉」")
    seconds = check_dialog("ステージ選択", ["平原", "砂漠地帯", "宇宙空間"], "リング",
                           ["End", "Return"], "宇宙空間", "◆宇宙空間")
    print("keys to pick 宇宙空間: Tab space End Return (4), %.2f s from End" % seconds)
    wait_for("the picture does not say 宇宙空間",
             lambda: picture.description == "ステージ「宇宙空間」、肉「牛肉」")

    changes = []
    pyatspi.Registry.registerEventListener(
        lambda e: changes.append((e.type, e.any_data)) if e.source.name in ("0", "1") else None,
        "object:text-changed")
    pump(0.5)
    keys("Zubrik", "shift+Tab", "shift+Tab", "space")
    wait_for("no text change announced for the count",
             lambda: ("object:text-changed:insert", "1") in [(str(t), d) for t, d in changes])
    wait_for("the counter does not read 1", lambda: text_of(counter) == "1")
    print("--- main window after a jump")
    dump(main)
    not_told(game(), "キン肉", "リング")


def check_ending():
    keys("Zubrik", "space")  # the counter goes from 999998 to 999999
    # Qt's own box: an alert named by its title, the prompt a label in it.
    box = window("alert", "999999回おめでとう")
    print("--- the last box")
    dump(box)
    texts = [a.name for a in everything(box) if a.getRoleName() == "label" and "showing" in states(a)]
    if not any(t.startswith("たぶんここまでやる人はいないだろうが") for t in texts):
        fail("the box's prompt is not readable: %r" % texts)
    if [a.name for a in everything(box) if a.getRoleName() == "push button"] != ["OK"]:
        fail("the box has no button OK")
    keys("999999回おめでとう", "Return")
    ending = window("dialog", "Zubrik")
    print("--- the ending")
    dump(ending)
    labels = [text_of(a) for a in children(ending) if a.getRoleName() == "label"]
    for wanted in ("Zubrik", "Ver. 3.1415.9265"):
        if wanted not in labels:
            fail("the ending does not read %r: %r" % (wanted, labels))
    lines = [line for text in labels for line in text.split("\n")]
    for wanted in ("スタッフ", "企画：", "スペシャルサンクス：", "遊んでくれたあなた", "制作・著作："):
        if wanted not in lines:
            fail("the staff roll does not read the line %r" % wanted)
    one(ending, "push button", "終わります")
    keys("Zubrik", "Return", size="355x274")  # 終わります has the focus and ends the game


{"game": check_game, "ending": check_ending}[sys.argv[1]]()
print("a11y %s: passed" % sys.argv[1])
