#!/usr/bin/python3
"""Drives a running program through the accessibility tree (AT-SPI).

a11y_press.py APP SECONDS NAME [NAME ...]
    does the "Press" action of an enabled, showing push button of the
    application APP whose accessible name is one of NAME.
a11y_press.py APP SECONDS
    waits until APP shows no window but its main window.
Either waits up to SECONDS and then exits 1 saying what it did not find.
"""
import sys
import time
import warnings

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)

SHOWING, ENABLED = Atspi.StateType.SHOWING, Atspi.StateType.ENABLED


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None and child.get_state_set().contains(SHOWING):
            yield child


def find_button(node, names):
    if node.get_role() == Atspi.Role.PUSH_BUTTON and node.get_name() in names:
        return node
    return next(filter(None, (find_button(c, names) for c in children(node))), None)


def press(app, names):
    """Presses the button; returns what is missing, None when done."""
    button = find_button(app, names)
    if button is None:
        return "showing button named " + " or ".join(names)
    if not button.get_state_set().contains(ENABLED):
        return "enabled button " + button.get_name()
    for i in range(button.get_n_actions()):
        # Action.get_name, which replaces it, is hidden by Accessible.get_name.
        if Atspi.Action.get_action_name(button, i) == "Press":
            button.do_action(i)
            return None
    return "Press action on " + button.get_name()


def alone(app):
    shown = len(list(children(app)))
    return None if shown == 1 else "single window (%d shown)" % shown


def desktop_apps(desktop, name):
    return [a for a in (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
            if a is not None and a.get_name() == name][:1]


def main():
    app_name, seconds, names = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    deadline = time.monotonic() + seconds
    while True:
        missing = "application %s on the accessibility bus" % app_name
        try:
            desktop = Atspi.get_desktop(0)
            # No main loop runs here, so the cached tree never hears of new
            # windows or changed states: ask afresh each round.
            desktop.clear_cache()
            for app in desktop_apps(desktop, app_name):
                missing = press(app, names) if names else alone(app)
        except GLib.Error as error:
            # Windows come and go while the tree is walked; look again.
            missing = error.message
        if missing is None:
            return 0
        if time.monotonic() > deadline:
            print("a11y_press: no %s after %g s" % (missing, seconds), file=sys.stderr)
            return 1
        time.sleep(0.2)


if __name__ == "__main__":
    sys.exit(main())
