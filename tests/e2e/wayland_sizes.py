"""What each window told the compositor about its size, read from the
program's WAYLAND_DEBUG log (on standard error, with Qt's Wayland plugin).

Every window must be fixed: its minimum and maximum sizes equal and not
zero, every window geometry it gives and every size the compositor asks of it
that size, and it never asks to be maximised or shown full screen. Prints one
line a window and exits 1 when one is not fixed or a title in the arguments
never opened.

    wayland_sizes.py <log> <title>...
"""
import re
import sys

REQUEST = re.compile(r"->\s+(\w+)@(\d+)\.(\w+)\((.*)\)\s*$")
EVENT = re.compile(r"\]\s+(\w+)@(\d+)\.(\w+)\((.*)\)\s*$")


def numbers(arguments):
    return tuple(int(n) for n in re.findall(r"-?\d+", arguments))


def windows(lines):
    found = []
    by_surface = {}
    by_toplevel = {}
    for line in lines:
        request = REQUEST.search(line)
        event = None if request else EVENT.search(line)
        if not request and not event:
            continue
        kind, number, message, arguments = (request or event).groups()
        if request and kind == "xdg_surface" and message == "get_toplevel":
            toplevel = re.search(r"xdg_toplevel@(\d+)", arguments).group(1)
            window = {"title": None, "min": None, "max": None, "geometry": [], "asked": [],
                      "state": []}
            found.append(window)
            by_surface[number] = by_toplevel[toplevel] = window
        elif kind == "xdg_toplevel" and number in by_toplevel:
            window = by_toplevel[number]
            if request and message == "set_title":
                window["title"] = re.search(r'"(.*)"', arguments).group(1)
            elif request and message in ("set_min_size", "set_max_size"):
                window[message[4:7]] = numbers(arguments)
            elif request and message in ("set_maximized", "set_fullscreen"):
                window["state"].append(message)
            elif request and message == "destroy":
                del by_toplevel[number]
            elif event and message == "configure":
                window["asked"].append(numbers(arguments)[:2])
        elif request and kind == "xdg_surface" and number in by_surface:
            if message == "set_window_geometry":
                by_surface[number]["geometry"].append(numbers(arguments)[2:4])
            elif message == "destroy":
                del by_surface[number]
    return found


def size(pair):
    return "%dx%d" % pair if pair else "none"


def main():
    log, titles = sys.argv[1], sys.argv[2:]
    with open(log, encoding="utf-8", errors="replace") as text:
        found = windows(text)
    failures = 0
    for window in found:
        fixed = window["min"]
        asked = sorted({pair for pair in window["asked"] if pair != (0, 0)})
        print("  %-10s minimum %s, maximum %s, window %s, compositor asked %s" % (
            '"%s"' % window["title"], size(window["min"]), size(window["max"]),
            ", ".join(sorted({size(g) for g in window["geometry"]})) or "none",
            ", ".join(size(pair) for pair in asked) or "nothing"))
        problems = []
        if not fixed or fixed == (0, 0) or window["max"] != fixed:
            problems.append("not fixed")
        if not window["geometry"] or any(g != fixed for g in window["geometry"]):
            problems.append("a window geometry of another size")
        if any(pair != fixed for pair in asked):
            problems.append("the compositor asked for another size")
        if window["state"]:
            problems.append("asked for " + ", ".join(window["state"]))
        for problem in problems:
            print('FAIL ["%s"]: %s' % (window["title"], problem))
            failures += 1
    seen = {window["title"] for window in found}
    for title in titles:
        if title not in seen:
            print('FAIL ["%s"]: never opened' % title)
            failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
