#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The ZebVendorContact developers
# SPDX-License-Identifier: MIT

"""Reads the VendorContact control from outside its process, as a screen reader does.

Starts a private X server (Xvfb) and a private session bus with the
accessibility bus (dbus-run-session, at-spi2-core), runs the demo host in it
in English and in German with its Developer dock shown, and walks the
accessibility tree through AT-SPI (pyatspi): the host's own widgets (named in
the window's language, every entry by a name of its own), then the control's
names, roles, states and descriptions, before and after pressing Add, the
message box a failed save brings up, and the order in which the Tab key
visits the entries, and where Add puts the keyboard focus.

Usage: tst_accessibility.py HOST_PROGRAM
Every missing piece (X server, session bus, pyatspi) fails the test with a
message saying what to install; nothing is skipped.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:  # reported inside the session, where it is needed
    pyatspi = None

INSTALL_HINT = "install the project's dependencies: bash scripts/install-deps.sh"
SCREEN = (1280, 800)  # the smallest screen the demo host promises to fit, Developer dock included
SESSION_TIMEOUT = 150  # seconds for both languages, start-up included

# What the control says, per language: the list's name, the twelve detail
# labels (txtContact 0 to 11), the buttons in each state, the required
# entries' description, the list's headers, and the missing-name message box.
LANGUAGES = {
    "en": dict(
        list="Contacts", type="Type", required="Required", browsing=["Add", "Edit", "Delete"],
        adding=["Save", "Cancel", "Delete"], title="Information Required",
        message="Contact Name has not been provided.",
        labels="Name|Street1|Street2|City|Country|State|Postal Code|Phone|FAX|E-Mail|Phone 2|Cell".split("|"),
        headers=("AddressID|ObjectID|Contact Name|Type|Street1|Street2|City|Country|State|PostalCode|Phone|FAX|"
                 "Email|Phone 2|Cell").split("|")),
    "de": dict(
        list="Kontaktadressen", type="Typ", required="Pflichtfeld", browsing=["Neu", "Ändern", "Löschen"],
        adding=["Anlegen", "Abbrechen", "Löschen"], title="Angabe erforderlich",
        message="Es wurde kein Kontaktname angegeben.",
        labels=("Name|Straße 1|Straße 2|Ort|Land|Bundesland|Postleitzahl|Telefon|Fax|E-Mail|Telefon 2|"
                "Mobil").split("|"),
        headers=("Adress-ID|Objekt-ID|Kontaktname|Typ|Straße 1|Straße 2|Ort|Land|Bundesland|PLZ|Telefon|Fax|"
                 "E-Mail|Telefon 2|Mobil").split("|")),
}

# The demo host's own widgets around the control, per language, by role.
HOST = {
    "en": {"push button": ["Save", "Revert", "Remove Address…"], "check box": ["Allow editing"],
           "text": ["Search vendors"],
           "list": ["Vendors"], "page tab": ["Calls", "Load text", "Added and changed addresses"]},
    "de": {"push button": ["Speichern", "Zurücksetzen", "Adresse entfernen…"], "check box": ["Bearbeiten erlauben"],
           "text": ["Lieferanten suchen"], "list": ["Lieferanten"],
           "page tab": ["Aufrufe", "Ladetext", "Neue und geänderte Adressen"]},
}

# The entries a user fills, by txtContact index, that must be filled in.
REQUIRED = {0, 1, 3}
# Tab order over the detail entries while adding: txtContact by index, with
# the country and state pickers ("country", "state") in their places.
ADDING_TAB_ORDER = [0, 1, 2, 3, "country", "state", 6, 7, 10, 8, 11, 9]


class Failure(Exception):
    pass


def fail(message):
    raise Failure(message)


# --- Outside: the X server and the session bus ---------------------------

def start_x_server():
    if not shutil.which("Xvfb"):
        fail("Xvfb is not installed (package xvfb); " + INSTALL_HINT)
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, start_new_session=True)
    os.close(write_end)
    display = b""
    deadline = time.monotonic() + 15
    with os.fdopen(read_end, "rb", buffering=0) as pipe:
        while time.monotonic() < deadline and not display.endswith(b"\n"):
            if server.poll() is not None:
                break
            chunk = pipe.read(16)
            if not chunk:
                break
            display += chunk
    if not display.strip():
        stop(server)
        errors = server.stderr.read().decode(errors="replace").strip()
        fail("the X server (Xvfb) could not be started" + (": " + errors if errors else ""))
    return server, ":" + display.decode().strip()


def stop(process, grace=3):
    """Ends a process and everything it started (its own session)."""
    if process.poll() is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def run_outside(host):
    if not os.access(host, os.X_OK):
        fail(f"the demo host {host} is not built")
    if not shutil.which("dbus-run-session"):
        fail("dbus-run-session is not installed (package dbus); " + INSTALL_HINT)
    server, display = start_x_server()
    session = None
    try:
        with tempfile.TemporaryDirectory(prefix="zvc-a11y-") as scratch:
            runtime = os.path.join(scratch, "runtime")
            os.mkdir(runtime, 0o700)
            env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime,
                       XDG_DATA_HOME=os.path.join(scratch, "data"),
                       XDG_CONFIG_HOME=os.path.join(scratch, "config"), ZVC_A11Y_INSIDE="1")
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
            env.pop("AT_SPI_BUS_ADDRESS", None)
            # The buses' chatter goes to a log, shown only when the check fails.
            log = open(os.path.join(scratch, "session.log"), "w+b")
            session = subprocess.Popen(["dbus-run-session", "--", sys.executable, __file__, host], env=env,
                                       stderr=log, start_new_session=True)
            try:
                status = session.wait(SESSION_TIMEOUT)
            except subprocess.TimeoutExpired:
                status = None
            if status != 0:
                log.seek(0)
                sys.stderr.write(log.read().decode(errors="replace"))
            log.close()
            if status is None:
                fail(f"the accessibility session did not end within {SESSION_TIMEOUT} s")
            return status
    finally:
        if session:
            stop(session)
        stop(server)


# --- Inside: the demo host read through AT-SPI ---------------------------

def wait_for(what, probe, timeout=10.0):
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = probe()
        except Exception:  # objects come and go while the host works
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            fail(f"timed out waiting for {what}")
        time.sleep(0.05)


def descendants(node, depth=0):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is None:
            continue
        yield child
        # Cells are the list's rows; combo boxes' pop-up lists are not shown.
        if child.getRoleName() not in ("table cell", "table column header", "combo box") and depth < 12:
            yield from descendants(child, depth + 1)


def states(node):
    names = {pyatspi.STATE_ENABLED: "enabled", pyatspi.STATE_FOCUSABLE: "focusable",
             pyatspi.STATE_SHOWING: "showing", pyatspi.STATE_FOCUSED: "focused", pyatspi.STATE_SELECTED: "selected"}
    state_set = node.getState()
    return {name for state, name in names.items() if state_set.contains(state)}


def spoken_name(node):
    """The name a screen reader speaks: a drop-down list is named by its label."""
    if node.getRoleName() == "combo box":
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
                return relation.getTarget(0).name
        return ""
    return node.name


class Control:
    """The control's subtree in the demo host, found by its address list."""

    def __init__(self, app, texts):
        self.app = app
        self.texts = texts
        tree = wait_for("the address list", lambda: next(
            (n for n in descendants(app) if n.getRoleName() == "tree" and n.name == texts["list"]), None))
        self.root = tree.parent
        self.tree = tree

    def nodes(self):
        return list(descendants(self.root))

    def find(self, role, name):
        return next((n for n in self.nodes() if n.getRoleName() == role and spoken_name(n) == name), None)

    def get(self, role, name):
        return wait_for(f"{role} '{name}'", lambda: self.find(role, name))

    def button(self, name):
        return self.get("push button", name)

    def press(self, name):
        button = self.button(name)
        action = button.queryAction()
        action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))


def check(condition, message):
    if not condition:
        fail(message)


def check_names_and_descriptions(control, state_name):
    texts = control.texts
    known = set(texts["labels"]) | set(texts[state_name]) | {texts["list"], texts["type"]}
    for node in control.nodes():
        role = node.getRoleName()
        node_states = states(node)
        check(role not in ("image", "icon"), f"{state_name}: a decorative image is announced ({role})")
        if "focusable" not in node_states or "showing" not in node_states or role in ("table cell", "list item"):
            continue
        name = spoken_name(node)
        check(name, f"{state_name}: a focusable {role} has no name")
        check(name in known, f"{state_name}: a focusable {role} is named '{name}', not a text of this language")
    for index, label in enumerate(texts["labels"]):
        if index in (4, 5):
            continue  # shown under the country and state pickers
        entry = control.get("text", label)
        expected = texts["required"] if index in REQUIRED else ""
        check(entry.description == expected,
              f"{state_name}: entry '{label}' describes itself as '{entry.description}', not '{expected}'")


def check_list(control):
    texts = control.texts
    table = control.tree.queryTable()
    headers = [table.getColumnHeader(column).name for column in range(table.nColumns)]
    check(headers == texts["headers"], f"list headers are {headers}")
    check(table.nRows > 0, "the list shows no rows")
    # Choosing a row the way assistive technology can: it is then the
    # selected row, and the details show it.
    table.addRowSelection(0)
    wait_for("the selected row", lambda: list(table.getSelectedRows()) == [0])
    cell = table.getAccessibleAt(0, 2)
    check("selected" in states(cell), "the selected row's cells are not marked selected")
    name_entry = control.get("text", texts["labels"][0])
    wait_for("the selected row's details", lambda: name_entry.queryText().getText(0, -1) == cell.name)


def check_browsing(control):
    texts = control.texts
    add, edit, delete = (control.button(name) for name in texts["browsing"])
    check("enabled" in states(add), "Add is not enabled")
    check("enabled" not in states(delete), "Delete is enabled for an address from the host")
    check("enabled" in states(control.tree), "the list is not enabled while browsing")
    check_names_and_descriptions(control, "browsing")
    for label in texts["labels"][4:6]:
        picker = control.find("combo box", label)
        check(picker is None or "showing" not in states(picker), f"the {label} picker shows while browsing")
    check("enabled" in states(edit), "Edit is not enabled with a row selected")


def check_adding(control):
    texts = control.texts
    control.press(texts["browsing"][0])
    save, cancel, delete = (control.button(name) for name in texts["adding"])
    check("enabled" not in states(control.tree), "the list is enabled while adding")
    check("enabled" not in states(delete), "Delete is enabled while adding")
    for label in texts["labels"][4:6]:
        picker = control.get("combo box", label)
        check({"enabled", "showing", "focusable"} <= states(picker), f"the {label} picker cannot be used")
        check(picker.description == texts["required"], f"the {label} picker is not described as required")
    check_names_and_descriptions(control, "adding")
    check_tab_order(control)

    # Saving with nothing filled in: the message box is announced as an
    # alert, titled, with its text.
    control.press(texts["adding"][0])
    alert = wait_for("the message box", lambda: next(
        (n for n in descendants(control.app) if n.getRoleName() == "alert"), None))
    check(alert.name == texts["title"], f"the message box is titled '{alert.name}'")
    said = [n.name for n in descendants(alert) if n.getRoleName() == "label"]
    check(texts["message"] in said, f"the message box says {said}")
    ok = next(n for n in descendants(alert) if n.getRoleName() == "push button")
    ok.queryAction().doAction(0)
    wait_for("the message box to close", lambda: not any(
        n.getRoleName() == "alert" for n in descendants(control.app)))
    control.press(texts["adding"][1])
    control.get("push button", texts["browsing"][0])


def check_tab_order(control):
    """Tab from the name entry visits the entries in the panel's order."""
    texts = control.texts
    names = [texts["labels"][i] if isinstance(i, int) else texts["labels"][4 if i == "country" else 5]
             for i in ADDING_TAB_ORDER]
    first = control.get("text", names[0])
    first.queryComponent().grabFocus()
    visited = []
    for expected in names:
        focused = wait_for(f"focus on '{expected}'", lambda: next(
            (n for n in control.nodes() if "focused" in states(n)), None), timeout=5)
        visited.append(spoken_name(focused))
        if visited[-1] != expected:
            break
        pyatspi.Registry.generateKeyboardEvent(23, None, pyatspi.KEY_PRESSRELEASE)  # Tab
        time.sleep(0.05)
    check(visited == names, f"Tab visits {visited}, not {names}")
    # On through the buttons and round the window: the focus never lands on
    # a box that lies under a picker, where the user would see nothing.
    covered = {texts["type"], texts["labels"][4], texts["labels"][5]}
    for _ in range(12):
        pyatspi.Registry.generateKeyboardEvent(23, None, pyatspi.KEY_PRESSRELEASE)  # Tab
        time.sleep(0.05)
        focused = next((n for n in control.nodes() if "focused" in states(n)), None)
        check(focused is None or focused.getRoleName() != "text" or focused.name not in covered,
              f"Tab put the focus on the covered box '{focused and focused.name}'")


def check_host(control, language):
    """The window around the control: its own widgets speak the language, and
    every entry of the host (the Developer dock's included) has a name of its
    own, so no two are read out alike."""
    inside = {id(n) for n in [control.root] + control.nodes()}
    host_nodes = []

    def walk(node, depth=0):
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is None or child == control.root:
                continue
            host_nodes.append(child)
            if child.getRoleName() not in ("table cell", "list item", "combo box") and depth < 14:
                walk(child, depth + 1)

    wait_for("the host's own widgets", lambda: control.app.childCount > 0)
    walk(control.app)
    for role, names in HOST[language].items():
        found = {spoken_name(n) for n in host_nodes if n.getRoleName() == role}
        for name in names:
            check(name in found, f"the host has no {role} named '{name}' (it has {sorted(found)})")
    # The Developer dock whole, on the screen: no tab or button runs past
    # the window's or the screen's right edge.
    frame = next(n for n in host_nodes if n.getRoleName() == "frame") if any(
        n.getRoleName() == "frame" for n in host_nodes) else None
    right = SCREEN[0]
    if frame is not None:
        fx, _, fw, _ = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        right = min(right, fx + fw)
    for node in host_nodes:
        if node.getRoleName() in ("page tab", "push button") and "showing" in states(node):
            x, _, width, _ = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            check(x >= 0 and x + width <= right,
                  f"the {node.getRoleName()} '{node.name}' runs past the right edge ({x}+{width} > {right})")
    entries = [n for n in host_nodes if n.getRoleName() in ("text", "spin button", "table", "check box")
               and "focusable" in states(n) and id(n) not in inside]
    named = [spoken_name(n) for n in entries]
    check(all(named), f"a host entry has no name: {named}")
    check(len(set(named)) == len(named), f"host entries share a name: {sorted(named)}")


def check_focus_after_add(control):
    """After Add the focus is in the Name entry (checked before any message box, which takes the window's focus)."""
    texts = control.texts
    street = control.get("text", texts["labels"][1])
    street.queryComponent().grabFocus()  # away from the Name entry, where the last check left it
    wait_for("the focus on the street entry", lambda: "focused" in states(street), timeout=5)
    control.press(texts["browsing"][0])
    wait_for("the focus on the Name entry after Add", lambda: next(
        (n for n in control.nodes() if "focused" in states(n) and n.getRoleName() == "text"
         and n.name == texts["labels"][0]), None), timeout=5)
    control.press(texts["adding"][1])
    control.get("push button", texts["browsing"][0])


def run_host(host, language):
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    log = tempfile.TemporaryFile()
    process = subprocess.Popen([host, "--language", language, "--developer"], env=env, start_new_session=True,
                               stdout=subprocess.DEVNULL, stderr=log)
    try:
        app = wait_for("the demo host on the accessibility bus", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "vendorcontact-host"), None),
            timeout=30)
        control = Control(app, LANGUAGES[language])
        check_host(control, language)
        check_list(control)
        check_browsing(control)
        check_focus_after_add(control)
        check_adding(control)
    except Failure as failure:
        if process.poll() is not None:
            log.seek(0)
            errors = log.read().decode(errors="replace").strip()
            fail(f"{failure} (the demo host ended with {process.returncode}: {errors})")
        raise
    finally:
        stop(process)
        log.close()


def run_inside(host):
    if pyatspi is None:
        fail(f"{sys.executable} cannot import pyatspi (package python3-pyatspi); " + INSTALL_HINT)
    for language in LANGUAGES:
        try:
            run_host(host, language)
        except Failure as failure:
            fail(f"[{language}] {failure}")
        print(f"accessibility: {language}: host widgets, names, roles, states, descriptions, list, alert and tab "
              "order as expected")
    return 0


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    host = os.path.abspath(sys.argv[1])
    try:
        return run_inside(host) if os.environ.get("ZVC_A11Y_INSIDE") else run_outside(host)
    except Failure as failure:
        print(f"accessibility check FAILED: {failure}", flush=True)
        return 1


if __name__ == "__main__":
    sys.exit(main())
