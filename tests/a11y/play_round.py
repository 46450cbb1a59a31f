#!/usr/bin/python3
"""Plays one round at the real table, hearing it only as a screen reader does.

    /usr/bin/python3 tests/a11y/play_round.py build/stacked_table

Starts the table on a stacked shoe in a virtual X server, with its own D-Bus session and
accessibility bus, and plays a round with the keyboard: a 100 $ chip, Deal, Hit, Stand. Every
card, total, outcome and the credit is read from the accessibility tree (AT-SPI), never from
the screen, and every change must reach the accessibility bus as an event while it happens.
Prints what a screen reader is told; exits non-zero on the first thing that is not right.

Needs: xvfb xdotool dbus at-spi2-core python3-pyatspi (Debian's python3, hence /usr/bin/python3).
"""
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
TIMEOUT = 15.0

transcript = []
events = []


def say(line):
    transcript.append(line)
    print(line, flush=True)


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def pump(seconds):
    """Lets events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def wait_for(what, check, timeout=TIMEOUT):
    context = GLib.MainContext.default()
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            fail("waited %.0f s for %s" % (timeout, what))
        if not context.iteration(False):
            time.sleep(0.02)


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def start_x():
    """A virtual screen on a free display; returns (process, display)."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24",
                             "-nolisten", "tcp", "-noreset"], pass_fds=[write],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as f:
        number = f.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return xvfb, ":" + number


class Table:
    """The table window as the accessibility tree shows it."""

    def __init__(self, frame):
        self.frame = frame
        nodes = list(walk(frame))
        self.by_description = {n.description: n for n in nodes if n.description}
        self.nodes = nodes

    def text(self, description):
        node = self.by_description.get(description)
        if node is None:
            fail("nothing is described as %r" % description)
        return node.name if showing(node) else ""

    def cards(self, owner):
        """The cards of one hand in words, in order: 'Your hand', 'Dealer's hand'..."""
        found = []
        for number in range(1, 30):
            node = self.by_description.get("%s, card %d" % (owner, number))
            if node is None or not node.name:
                break
            found.append(node.name)
        return found


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/stacked_table")
    if not os.access(program, os.X_OK):
        fail("no program at " + program)

    def heard(event):
        try:
            events.append((event.type, event.source.getRoleName(), event.source.name,
                           event.source.description))
        except Exception:
            pass  # a widget that is already gone

    for kind in ("object:property-change:accessible-name", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(heard, kind)

    xvfb, display = start_x()
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    game = subprocess.Popen([program] + STACK, env=env)
    try:
        play(game, env)
    finally:
        game.terminate()
        try:
            game.wait(5)
        except subprocess.TimeoutExpired:
            game.kill()
        xvfb.terminate()
        xvfb.wait()


def play(game, env):
    name = os.path.basename(sys.argv[1] if len(sys.argv) > 1 else "stacked_table")
    desktop = pyatspi.Registry.getDesktop(0)

    def frame():
        for app in desktop:
            if app is not None and app.name == name:
                for window in app:
                    if window is not None and window.getRoleName() == "frame":
                        return window
        return None

    table = Table(wait_for("the table on the accessibility bus", frame))
    say("window: %s" % table.frame.name)

    # Everything a player acts on says what it is.
    unnamed = [n.getRoleName() for n in table.nodes
               if n.getRoleName() in ("push button", "text", "radio button", "menu item")
               and not n.name]
    if unnamed:
        fail("controls without a name: %s" % unnamed)
    chips = [n.name for n in table.nodes if n.name.endswith("dollar chip")]
    if chips != ["10 dollar chip", "50 dollar chip", "100 dollar chip", "500 dollar chip"]:
        fail("the chips read %s" % chips)
    say("chips: %s" % ", ".join("%s (%s)" % (n.name, n.description) for n in table.nodes
                                 if n.name.endswith("dollar chip")))
    say("credit: %s, bet: %s" % (table.text("Your credit in dollars"), table.text("Your bet in dollars")))
    if table.text("Your credit in dollars") != "500":
        fail("the credit at the start is not 500")

    # Keys go to the focused window; with no window manager, focus it by hand.
    window = wait_for("the table's X window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(game.pid)], env=env,
        capture_output=True, text=True).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True)

    def key(k):
        say("> key %s" % k)
        subprocess.run(["xdotool", "key", k], env=env, check=True)

    key("3")
    wait_for("the bet of 100", lambda: table.text("Your bet in dollars") == "100")
    say("bet: %s, credit: %s" % (table.text("Your bet in dollars"), table.text("Your credit in dollars")))
    if table.text("Your credit in dollars") != "400":
        fail("the credit after a 100 $ chip is not 400")

    key("Return")
    wait_for("the hole card", lambda: table.cards("Dealer's hand")[1:] == ["Card back"])
    say("your cards: %s; total %s" % (", ".join(table.cards("Your hand")), table.text("Your total")))
    say("dealer's cards: %s" % ", ".join(table.cards("Dealer's hand")))
    expect(table.cards("Your hand"), ["Ten of hearts", "Five of diamonds"], "your cards")
    expect(table.cards("Dealer's hand"), ["King of clubs", "Card back"], "the dealer's cards")
    expect(table.text("Your total"), "15", "your total")
    buttons = [n.name + ("" if n.getState().contains(pyatspi.STATE_ENABLED) else " (dimmed)")
               for n in table.nodes if n.getRoleName() == "push button" and showing(n)]
    say("buttons: %s" % ", ".join(buttons))
    expect(buttons, ["Deal (dimmed)", "Clear bet (dimmed)", "Hit", "Stand", "Double"], "the buttons")

    key("h")
    wait_for("the third card", lambda: len(table.cards("Your hand")) == 3)
    say("your cards: %s; total %s" % (", ".join(table.cards("Your hand")), table.text("Your total")))
    expect(table.cards("Your hand")[2], "Four of hearts", "the card hit")
    wait_for("your total of 19", lambda: table.text("Your total") == "19")

    key("s")
    outcome = wait_for("the outcome", lambda: table.text("The dealer's comment"))
    say("dealer's cards: %s; total %s" % (", ".join(table.cards("Dealer's hand")),
                                          table.text("Dealer's total")))
    say("outcome: %s" % outcome)
    expect(table.cards("Dealer's hand"), ["King of clubs", "Seven of spades"], "the dealer's cards")
    expect(table.text("Dealer's total"), "17", "the dealer's total")
    expect(outcome, "You won!", "the outcome")

    # The table clears itself a few seconds after the round and shows the new credit.
    wait_for("the new credit", lambda: table.text("Your credit in dollars") == "600")
    wait_for("the cleared table", lambda: not table.cards("Your hand"))
    say("credit: %s, bet: %s" % (table.text("Your credit in dollars"), table.text("Your bet in dollars")))
    expect(table.text("Your bet in dollars"), "0", "the bet after the round")

    # Each change above reached the bus as it happened: the screen reader was told.
    pump(0.3)
    told = {(role, name) for kind, role, name, _ in events if kind.endswith("accessible-name")}
    for what in [("image", "Ten of hearts"), ("image", "Four of hearts"), ("image", "Card back"),
                 ("image", "Seven of spades"), ("label", "19"), ("label", "17"),
                 ("label", "You won!"), ("label", "400"), ("label", "600")]:
        if what not in told:
            fail("no name-change event for the %s %r; heard %s" % (what[0], what[1], sorted(told)))
    say("events: %d name changes and %d shown/hidden changes announced" % (
        sum(k.endswith("accessible-name") for k, *_ in events),
        sum(k.endswith("showing") for k, *_ in events)))
    say("PASS")


def expect(actual, wanted, what):
    if actual != wanted:
        fail("%s: heard %r, expected %r" % (what, actual, wanted))


if __name__ == "__main__":
    main()
