"""What a screen reader receives from the running tavro through AT-SPI.

Run by accessibility_test.sh with the program's Standard window open, on a
private accessibility bus where no screen reader is on yet, and the windows'
layouts in the file TAVRO_LAYOUTS names (tavro-replay --layouts). Windows are
reached with their shortcut keys through xdotool; everything else goes
through AT-SPI as a screen reader would.
"""
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
events = []

with open(os.environ["TAVRO_LAYOUTS"], encoding="utf-8") as layouts:
    TITLE = {window["name"]: window["title"] for window in json.load(layouts)["windows"]}


def fail(step, message):
    failures.append(f"FAIL [{step}]: {message}")
    print(failures[-1], flush=True)


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(predicate, seconds=5.0):
    end = time.monotonic() + seconds
    while True:
        pump(0.05)
        found = predicate()
        if found or time.monotonic() > end:
            return found


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=False)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name == "Tavro":
            return child
    return None


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None, description=None):
    for child in descendants(node):
        if child.getRole() == role and (name is None or child.name == name) and (
                description is None or child.description == description):
            return child
    return None


def window(title, role=pyatspi.ROLE_FRAME):
    def shown():
        app = application()
        for i in range(app.childCount if app else 0):
            child = app.getChildAtIndex(i)
            if child is not None and child.name == title and child.getRole() == role and \
                    child.getState().contains(pyatspi.STATE_SHOWING):
                return child
        return None
    return wait_for(shown)


def text_of(field):
    text = field.queryText()
    return text.getText(0, text.characterCount)


def related(node, relation):
    for entry in node.getRelationSet():
        if entry.getRelationType() == relation:
            return [entry.getTarget(i).name for i in range(entry.getNTargets())]
    return []


def key_binding(entry):
    return entry.queryAction().getKeyBinding(0)


def announcements():
    return [name for name in events]


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        events.append(event.source.name)


def press(step, window_node, button, expected):
    """Presses a focused button with the space bar: the notification that
    appears names the changed fields, and the focus stays on the button."""
    events.clear()
    button.queryComponent().grabFocus()
    if not wait_for(lambda: button.getState().contains(pyatspi.STATE_FOCUSED)):
        fail(step, f"{button.name} did not take the focus")
        return
    keys("space")
    if not wait_for(lambda: expected in events):
        fail(step, f"announced {events}, expected {expected!r}")
    if not button.getState().contains(pyatspi.STATE_FOCUSED):
        fail(step, f"the focus left {button.name}")


def main():
    # A screen reader turns on after the program started: the program is on
    # the registry within 2 seconds.
    step = "screen reader started later"
    subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                    "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "ScreenReaderEnabled",
                    "<true>"], check=True, stdout=subprocess.DEVNULL)
    turned_on = time.monotonic()
    if not wait_for(application, 2.0):
        fail(step, "the program is not on the registry 2 s after the screen reader turned on")
        return
    print(f"on the registry {time.monotonic() - turned_on:.2f} s after the screen reader turned on")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    step = "Standart"
    standard = window(TITLE["Form1"])
    if not standard:
        fail(step, f"no {TITLE['Form1']} window")
        return
    first = find(standard, pyatspi.ROLE_TEXT, "ПЪРВО ЧИСЛО")
    second = find(standard, pyatspi.ROLE_TEXT, "ВТОРО ЧИСЛО")
    # Twenty characters at most, also for a screen reader's insertion.
    first.queryEditableText().setTextContents("12345678901234567890")
    for position, text in ((20, "1"), (0, "9"), (5, "ЧИСЛО")):
        first.queryEditableText().insertText(position, text, len(text))
        if text_of(first) != "12345678901234567890":
            fail(step, f"inserting {text!r} at {position} left {text_of(first)!r}")
    first.queryEditableText().setTextContents("2")
    second.queryEditableText().setTextContents("3")
    press(step, standard, find(standard, pyatspi.ROLE_PUSH_BUTTON, "СЪБИРАНЕ"), "ОТГОВОР 5")
    press(step, standard, find(standard, pyatspi.ROLE_PUSH_BUTTON, "Send top"), "ПЪРВО ЧИСЛО 5, ОТГОВОР blank")
    press(step, standard, find(standard, pyatspi.ROLE_PUSH_BUTTON, "SQR"), "ОТГОВОР 2.23606797749979")

    step = "Brackets"
    keys("ctrl+b")
    brackets = window(TITLE["Form6"])
    if not brackets:
        fail(step, f"no {TITLE['Form6']} window")
        return
    operator = find(brackets, pyatspi.ROLE_TEXT, "Row 1, operator 1")
    for position, text in ((0, "+-"), (1, "-"), (0, "*")):
        operator.queryEditableText().insertText(position, text, len(text))
        if text_of(operator) != "+":
            fail(step, f"inserting {text!r} at {position} left {text_of(operator)!r} in an operator field")
    for name, text in (("Row 1, operand 1", "1"), ("Row 1, operand 2", "2"), ("Row 1, operator 2", "*"),
                       ("Row 1, operand 3", "3")):
        find(brackets, pyatspi.ROLE_TEXT, name).queryEditableText().setTextContents(text)
    press(step, brackets, find(brackets, pyatspi.ROLE_PUSH_BUTTON, "ANSWER", "Row 1"), "Row 1, result 9")
    # Only keys that work: Alt opens the menu bar's entry; an entry of the
    # drop-down offers its shortcut, or none.
    for name, expected in (("Options", "Alt+O"), ("Functional", ""), ("Paralelepiped", "Ctrl+P")):
        entry = find(brackets, pyatspi.ROLE_MENU_ITEM, name)
        if entry is None or key_binding(entry) != expected:
            fail(step, f"{name} offers {key_binding(entry) if entry else None!r}, expected {expected!r}")

    # A window without a title is announced by the menu entry that opens it.
    step = "Paralelepiped"
    keys("ctrl+p")
    solid = window("Paralelepiped")
    if not solid:
        fail(step, "no Paralelepiped window")
        return
    entry = find(solid, pyatspi.ROLE_MENU_ITEM, "Brackets")
    if entry is None or key_binding(entry) != "":
        fail(step, f"Brackets offers {key_binding(entry) if entry else None!r}")
    for label, field in (("A", "Въведете А"), ("B", "Въведете В"), ("C", "Въведете C"), ("V", "Въведете V")):
        labelled = related(find(solid, pyatspi.ROLE_TEXT, field), pyatspi.RELATION_LABELLED_BY)
        label_for = related(find(solid, pyatspi.ROLE_LABEL, label), pyatspi.RELATION_LABEL_FOR)
        if labelled != [label] or label_for != [field]:
            fail(step, f"{field} is labelled by {labelled}, {label} labels {label_for}")

    step = "Triangle"
    keys("ctrl+t")
    triangle = window(TITLE["Form3"])
    if not triangle:
        fail(step, f"no {TITLE['Form3']} window")
        return
    for label, field in (("A", "Страна"), ("hA", "Височина към страната"), ("S", "Лице")):
        labelled = related(find(triangle, pyatspi.ROLE_TEXT, field), pyatspi.RELATION_LABELLED_BY)
        if labelled != [label]:
            fail(step, f"{field} is labelled by {labelled}")
    find(triangle, pyatspi.ROLE_TEXT, "Страна").queryEditableText().setTextContents("4")
    find(triangle, pyatspi.ROLE_TEXT, "Височина към страната").queryEditableText().setTextContents("3")
    press(step, triangle, find(triangle, pyatspi.ROLE_PUSH_BUTTON, "Find"), "Лице 6")

    # Help opens as a dialog whose one label, tied to nothing, is its message:
    # what a screen reader reads whole when a dialog opens.
    step = "Help"
    keys("alt+h")
    help_window = window(TITLE["Form5"], pyatspi.ROLE_DIALOG)
    if not help_window:
        fail(step, f"no {TITLE['Form5']} dialog")
        return
    labels = [node for node in descendants(help_window) if node.getRole() == pyatspi.ROLE_LABEL]
    if len(labels) != 1 or len(labels[0].name.split()) < 3 or "FIND" not in labels[0].name:
        fail(step, f"the dialog's labels are {[node.name for node in labels]}")
    elif related(labels[0], pyatspi.RELATION_LABEL_FOR):
        fail(step, "the help text labels a control")
    if not wait_for(lambda: help_window.getState().contains(pyatspi.STATE_ACTIVE)):
        fail(step, "the Help dialog is not the active window")


if __name__ == "__main__":
    try:
        main()
    except Exception as error:  # a missing control reads as None
        fail("error", repr(error))
    print("PASS" if not failures else f"{len(failures)} failure(s)")
    sys.exit(1 if failures else 0)
