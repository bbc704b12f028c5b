#!/usr/bin/python3
# Plays the game as a screen reader does, over AT-SPI on the desktop that desktop-check.sh starts,
# inside a session bus of its own: dbus-run-session -- screen-reader-check.py GAME.
import contextlib, os, re, subprocess, sys, tempfile, time
from gi.repository import GLib

log = tempfile.TemporaryFile("w+")  # the game's output, shown if it ends
started, events, bonus_told = [], [], []


def spawn(*cmd, out=subprocess.DEVNULL, **env):
    started.append(subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT,
                                    env={**os.environ, **env}))
    return started[-1]


def run(*cmd):
    return subprocess.run(cmd, check=True, capture_output=True, text=True).stdout


def until(what, test):  # polls for a state; the limit, 90 s, only ends a hang
    end = time.monotonic() + 90
    while time.monotonic() < end:
        with contextlib.suppress(GLib.Error):
            if got := test():
                return got
        if started[-1].poll() is not None:
            log.seek(0)
            sys.exit(f"ended waiting for {what}:\n" + log.read()[-4000:])
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    raise AssertionError(f"never happened: {what}")


def walk(o):  # every object but the board's elements and the menus' items
    yield o
    for c in o if o.getRoleName() not in ("table", "menu bar") else ():
        if c:
            yield from walk(c)


def find(root, test):
    return next((o for o in walk(root) if test(o)), None)


# What a screen reader reads of the panel's controls, role by role.
PANEL = {"check box": "Adjacency, Audio Mute, Demo Mode", "push button": "Finished, Pause, Start",
         "scroll bar": "Grid Size, Queue Count",
         "text": "Grid Size, Mark Count, Queue Count, Skill Bonus, Time Bonus"}


def heard(e):
    try:
        events.append((e.type, e.source.getRoleName(), e.source.name))
        if e.type == "object:text-changed:insert" and e.source.name == "Time Bonus":
            bonus_told.append(e.any_data)
    except GLib.Error:
        events.append((e.type, "gone", ""))


def play():
    global pyatspi
    spawn("/usr/libexec/at-spi-bus-launcher", "--launch-immediately")
    until("the accessibility bus", lambda: "true" in run(
        "dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
        "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"))
    spawn("/usr/libexec/at-spi2-registryd")
    import pyatspi  # it asks for the accessibility bus, which would start one of its own
    game = spawn(sys.argv[1], out=log, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    pyatspi.Registry.registerEventListener(heard, "object:", "focus:")
    app = until("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None))
    get = lambda role, name: until(f"the {role} {name}", lambda: find(
        app, lambda o: o.getRoleName() == role and o.name == name))
    has = lambda o, state: o.getState().contains(getattr(pyatspi, "STATE_" + state))
    actions = lambda o: [o.queryAction().getName(i) for i in range(o.queryAction().nActions)]
    text = lambda o: o.queryText().getText(0, -1)
    result = lambda: find(app, lambda o: o.name.startswith("You hit"))

    def do(o, action, what, test):  # and waits for what it does
        o.queryAction().doAction(actions(o).index(action))
        return until(what, test)

    board, start, demo, pause, bonus, finish = (get(*k) for k in (
        ("table", "Board"), ("push button", "Start"), ("check box", "Demo Mode"),
        ("push button", "Pause"), ("text", "Time Bonus"), ("push button", "Finished")))
    until("the board built", lambda: has(start, "ENABLED"))
    until("Start heard at launch", lambda: ("focus:", "push button", "Start") in events)
    panel = sorted((o.getRoleName(), o.name) for o in walk(app) if o.getRoleName() in PANEL)
    read = {role: ", ".join(name for r, name in panel if r == role) for role in PANEL}
    assert read == PANEL, f"the panel reads {read}"
    # Each caption read once, as the name of the control it is tied to; no text without a name.
    tied = lambda o: [r.getTarget(0).name for r in o.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABEL_FOR]
    labels = [(o.name, tied(o)) for o in walk(app)
              if o.getRoleName() == "label" and has(o, "SHOWING")]
    loose = [(name, to) for name, to in labels
             if not name or len(to) != 1 or not set(name.split()) <= set(to[0].split())]
    assert labels and not loose, f"captions named by nothing or naming nothing: {loose}"
    assert board.childCount == 0, f"under the cover, the board exposes {board.childCount} elements"
    # Toggled, not set: the game must hear it, or its next update turns the box back.
    do(demo, "Toggle", "Demo Mode on", lambda: has(demo, "CHECKED"))
    n, count = (int(text(get("text", box))) for box in ("Grid Size", "Queue Count"))
    run("xdotool", "key", "Return")  # Start still has the keys: Return presses it
    until("the board shown", lambda: board.childCount == 4 * n + n * n)
    # Tab goes down the panel as it stands on screen, then back to the board.
    extents = lambda o: o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    stops, roles = [], ("push button", "scroll bar", "check box", "table")
    for _ in range(6):
        run("xdotool", "key", "Tab")
        was = stops[-1].name if stops else "Board"
        stops.append(until("the next stop", lambda: (f := find(app, lambda o: o.getRoleName() in
                     roles and has(o, "FOCUSED"))) and f.name != was and f))
    ys = [extents(o).y for o in stops[:-1]]
    assert ys == sorted(set(ys)) and stops[-1].name == "Board" and \
        extents(stops[0]).x > extents(board).x + extents(board).width, \
        f"Tab went {[o.name for o in stops]} at heights {ys}"
    table, where, wrong = board.queryTable(), {}, []  # where: (row, column) -> element, by its name
    for i, e in enumerate(board):
        m = re.match(r"(?:(\w+) edge, \w+ (\d+)|row (\d+), column (\d+)):", e.name)
        side, k, row, col = m.groups()
        rc = {"top": (0, k), "bottom": (n + 1, k), "left": (k, 0), "right": (k, n + 1)}
        where[rc := tuple(map(int, rc.get(side, (row, col))))] = e
        found = (e.getRoleName(), table.getRowAtIndex(i), table.getColumnAtIndex(i),
                 getattr(table.getAccessibleAt(*rc), "name", None))
        if found != ("push button" if side else "table cell", *rc, e.name):
            wrong.append(f"{e.name}: {found}")
    assert not wrong, f"{len(wrong)} elements with another role, place or name, as {wrong[:2]}"
    corners = [table.getAccessibleAt(r, c) for r in (0, n + 1) for c in (0, n + 1)]
    shape = (len(where), table.nRows, table.nColumns, any(corners))
    assert shape == (4 * n + n * n, n + 2, n + 2, False), f"places, rows, columns, corner: {shape}"

    shown = lambda: [rc for rc, e in where.items() if e.name.endswith(": a que")]
    ques = until("the demo showing the ques", lambda: (q := shown()) and len(q) == count and q)
    probes = []

    def fire(rc):
        probes.append(rc)
        said = do(where[rc], "Press", f"probe {len(probes)}", lambda: re.search(
            r": probe (\d+), (absorbed|reflected|pair with (.*))$", where[rc].name))
        assert said.group(1) == str(len(probes)), f"probe {len(probes)} says {where[rc].name}"
        return said

    r, c = min(ques)  # nothing above the topmost que: a probe from the top goes straight in
    assert fire((0, c)).group(2) == "absorbed", f"a probe straight at the que at {r}, {c}"
    for row in range(1, n + 1):  # along the left edge to the first pair
        if where[(row, 0)].name.endswith("not probed") and (said := fire((row, 0))).group(3):
            break
    end = where[(row, 0)]
    other = next(e for e in where.values() if e.name.startswith(said.group(3) + ":"))
    assert other.name.endswith(f"probe {len(probes)}, pair with left edge, row {row}"), other.name
    acts = [actions(e) for e in (where[(0, c)], where[(1, 1)], end)]
    assert acts[:2] == [["Press"]] * 2 and len(acts[2]) == 2, f"edge, cell, pair's end: {acts}"
    do(end, acts[2][1], "the pair lit up", lambda: (end.name + other.name).count(", lit up") == 2)
    held = time.monotonic()
    until("the pair let go by itself", lambda: "lit up" not in end.name + other.name)
    assert time.monotonic() - held < 3, "a hold let go only after 3 s"
    que = where[ques[0]]
    do(que, "Press", "a mark by its action", lambda: que.name.endswith(": marked"))
    (r, c), spot = next((rc, e) for rc, e in where.items() if e.name.endswith("unmarked"))
    x, y, w, h = spot.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    run("xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    until("a mark by the mouse inside the cell's extents", lambda: spot.name.endswith(": marked"))

    # The clock watched from a resume, once all the resume told is taken.
    do(pause, "Press", "the game paused", lambda: pause.name == "Resume")
    do(pause, "Press", "the game resumed",
       lambda: pause.name == "Pause" and board.childCount == 4 * n + n * n)
    while GLib.MainContext.default().iteration(False):
        pass
    values, begun = set(), time.monotonic()
    del events[:]
    while (spent := time.monotonic() - begun) < 3:
        values.add(text(bonus))
        GLib.MainContext.default().iteration(False)
    told = sum(e == ("object:text-changed:insert", "text", "Time Bonus") for e in events)
    others = [e for e in events if e[1:] != ("text", "Time Bonus")]
    assert told <= int(spent) + 2 and told < len(values), (
        f"the Time Bonus told {told} changes of {len(values)} values read in {spent:.1f} s")
    assert not others, f"other controls tell the clock's ticks: {others[:3]}"

    # Finished, the panel's first stop after the board, Shift+Tab back into it.
    do(finish, "SetFocus", "the focus on Finished", lambda: has(finish, "FOCUSED"))
    del events[:]
    run("xdotool", "key", "shift+Tab")
    until("the board focused", lambda: has(board, "FOCUSED"))
    run("xdotool", "key", "Down", "Tab")  # Finished's focus event closes what the board told
    back = ("focus:", "push button", "Finished")
    until("the focus back on Finished", lambda: back in events)
    told = [e[2] for e in events[:events.index(back)] if e[0] == "focus:"]
    below = where[(r + 1, c)].name
    assert told[-2:] == [spot.name, below], f"tabbing into the board and Down told {told}"

    said = do(finish, "Press", "the result box", result).name
    assert said == f"You hit 1 of {count} with {len(probes)} probes.", f"another result: {said}"
    alert = get("alert", "VEXLAR")
    over = lambda a, b: a.x < b.x + b.width and b.x < a.x + a.width and a.y < b.y + b.height and \
        b.y < a.y + a.height
    box = until("the result box placed", lambda: (e := extents(alert)).width > 0 and e)
    assert has(alert, "MODAL") and not over(box, extents(board)), \
        "the result box not modal, or on the board"
    until("the Time Bonus where the clock stopped, told", lambda: bonus_told[-1:] == [text(bonus)])
    do(get("push button", "OK"), "Press", "the result box gone", lambda: not result())
    do(start, "SetFocus", "the focus on Start", lambda: has(start, "FOCUSED"))
    run("xdotool", "key", "space", "space")  # one game; the second only puts the cursor down
    until("the second Space", lambda: not has(start, "ENABLED") and board.childCount and
          has(board[0], "FOCUSED"))
    names = [e.name for e in board]
    acted = [e for e in names if "probe " in e or e.endswith(": marked")]
    assert not acted and has(finish, "ENABLED") and pause.name == "Pause", f"two Spaces did {acted}"


try:
    play()
finally:
    for p in reversed(started):
        p.terminate()
        p.wait()
print("every screen reader check passed")
