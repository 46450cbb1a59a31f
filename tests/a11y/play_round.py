#!/usr/bin/python3
# Plays one round at the real table, hearing it only as a screen reader does.
#
#     /usr/bin/python3 tests/a11y/play_round.py build/stacked_table
#
# Starts the table on a stacked shoe in a virtual X server, with its own D-Bus session and
# accessibility bus, and plays a round with the keyboard: a 100 $ chip, Deal, Hit, Stand. Every
# card, total, outcome and the credit is read from the accessibility tree (AT-SPI), never from
# the screen, and every change must reach the accessibility bus as an event while it happens.
# Exits non-zero on the first thing that is not right, saying what was heard.
#
# Needs: xvfb xdotool dbus at-spi2-core python3-pyatspi (Debian's python3, hence /usr/bin/python3).
import os
import subprocess
import sys
import time

# A private session bus, so the accessibility bus is ours alone and nothing outlives the test.
if os.environ.get("VEX_A11Y_SESSION") != "1":
    os.environ["VEX_A11Y_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

import pyatspi  # noqa: E402  (needs the session bus above)
from gi.repository import GLib  # noqa: E402

# The shoe, top first (value:suit; suits 1 spades, 2 hearts, 3 diamonds, 4 clubs): the player's
# two cards, the dealer's up card and hole card, then the player's hit.
STACK = ["10:2", "5:3", "13:4", "7:1", "4:2"]
PROGRAM = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/stacked_table")
events = []  # (kind, role, name) of every change announced on the bus


def fail(message):
    sys.exit("FAIL: " + message)


def expect(actual, wanted, what):
    if actual != wanted:
        fail("%s: heard %r, expected %r" % (what, actual, wanted))


def wait_for(what, check, timeout=15.0):
    # Lets events arrive until check() gives something true, and returns it.
    context, end = GLib.MainContext.default(), time.monotonic() + timeout
    while not (value := check()):
        if time.monotonic() > end:
            fail("waited %.0f s for %s" % (timeout, what))
        if not context.iteration(False):
            time.sleep(0.02)
    return value


def alive(ask, otherwise=None):
    try:
        return ask()
    except Exception:
        return otherwise  # a widget that is already gone


def walk(node):
    return [node] + [n for child in node if child is not None for n in walk(child)]


def play(game, env):
    nodes = walk(wait_for("the table on the accessibility bus", lambda: next((
        w for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Vex's BlackJack"
        for w in app if w and w.getRoleName() == "frame"), None)))
    described = {n.description: n for n in nodes if n.description}
    showing = lambda n: alive(lambda: n.getState().contains(pyatspi.STATE_SHOWING), False)  # noqa

    def text(description):  # what the screen reader reads there; nothing while it is hidden
        node = described.get(description) or fail("nothing is described as %r" % description)
        return node.name if showing(node) else ""

    def cards(owner):  # the cards of one hand in words, in order: "Your hand", "Dealer's hand"
        names = [getattr(described.get("%s, card %d" % (owner, i)), "name", "") for i in range(1, 30)]
        return names[:names.index("")]

    # Everything a player acts on says what it is.
    expect([n.getRoleName() for n in nodes if not n.name and n.getRoleName() in
            ("push button", "text", "radio button", "menu item")], [], "controls without a name")
    expect([n.name for n in nodes if n.name.endswith("dollar chip")],
           ["%d dollar chip" % v for v in (10, 50, 100, 500)], "the chips")
    expect(text("Your credit in dollars"), "500", "the credit at the start")

    # Keys go to the focused window; with no window manager, focus it by hand.
    window = wait_for("the table's X window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)], env=env,
        capture_output=True, text=True).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)

    def key(k, what, check):  # presses a key and waits for what it brings
        subprocess.run(["xdotool", "key", k], env=env, check=True)
        wait_for(what, check)

    key("3", "a bet of 100 from the credit", lambda: (
        text("Your bet in dollars"), text("Your credit in dollars")) == ("100", "400"))
    key("Return", "the hole card", lambda: cards("Dealer's hand")[1:] == ["Card back"])
    expect((cards("Your hand"), cards("Dealer's hand"), text("Your total")),
           (["Ten of hearts", "Five of diamonds"], ["King of clubs", "Card back"], "15"), "the deal")
    buttons = [n.name + ("" if n.getState().contains(pyatspi.STATE_ENABLED) else " (dimmed)")
               for n in nodes if n.getRoleName() == "push button" and showing(n)]
    expect(buttons, ["Deal (dimmed)", "Clear bet (dimmed)", "Hit", "Stand", "Double"], "buttons")
    key("h", "a four of hearts and 19", lambda: (
        cards("Your hand")[2:], text("Your total")) == (["Four of hearts"], "19"))
    key("s", "the outcome", lambda: text("The dealer's comment"))
    expect((cards("Dealer's hand"), text("Dealer's total"), text("The dealer's comment")),
           (["King of clubs", "Seven of spades"], "17", "You won!"), "the dealer's play")
    # The table clears itself a few seconds after the round and shows the new credit.
    wait_for("the cleared table with the new credit", lambda: not cards("Your hand") and
             (text("Your credit in dollars"), text("Your bet in dollars")) == ("600", "0"))

    # Each change above reached the bus as it happened: the screen reader was told.
    wait_for("the last events", lambda end=time.monotonic() + 0.3: time.monotonic() > end)
    names = {(role, name) for kind, role, name in filter(None, events) if kind.endswith("name")}
    wanted = {("image", c) for c in ("Ten of hearts", "Four of hearts", "Card back", "Seven of spades")}
    wanted |= {("label", t) for t in ("19", "17", "You won!", "400", "600")}
    expect(sorted(wanted - names), [], "name changes never announced")


def main():
    for kind in ("object:property-change:accessible-name", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(lambda e: events.append(alive(
            lambda: (e.type, e.source.getRoleName(), e.source.name))), kind)
    read, write = os.pipe()  # a virtual screen on a free display, whose number Xvfb writes
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    display = ":" + os.fdopen(read).readline().strip()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    game = subprocess.Popen([PROGRAM] + STACK, env=env)
    try:
        play(game, env)
    finally:
        for p in (game, xvfb):
            p.kill()
            p.wait()

if __name__ == "__main__":
    main()
