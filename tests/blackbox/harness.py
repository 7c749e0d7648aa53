"""Drives the real game from outside, as a player and an assistive tool would.

Each case gets its own X server (a free display from :81 to :99), its own D-Bus session and
accessibility bus, and its own copy of the game's folder, so that two cases can run at once and
none sees another's settings file. Every wait has a deadline, and everything started here is
ended by its process group when the case ends, however it ends.
"""

import configparser
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

APP_NAME = "Velmora Concentration"
DISPLAYS = range(81, 100)
SCREEN_SIZE = (1280, 1024)
SLOT_NAME = re.compile(r"^Card (\d+), (.*)$")
SCORE_NAME = re.compile(r"^(Computer|Player), (\d+) pairs?$")
# A window in weston's scene graph: its owner, title, place and opaque part, corners each.
WESTON_VIEW = re.compile(
    r"role xdg_toplevel, PID (\d+), .*top-level window '(.*)'.*\n"
    r"\s*position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\n"
    r"\s*\[opaque: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\)\]")


class _Roles:
    """AT-SPI's roles (ROLE.PUSH_BUTTON), to compare with getRole(): never by their printed
    names, which differ between releases ("push button", later "button")."""

    def __getattr__(self, name):
        return getattr(Atspi.Role, name)


ROLE = _Roles()


class CaseFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise CaseFailure(message)


def wait_for(predicate, timeout, what, interval=0.05):
    """Polls until predicate() is truthy and returns its value; fails once the time is up."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise CaseFailure(f"gave up after {timeout} s waiting for {what}")
        time.sleep(interval)


def rank(slot_name):
    """'Card 7, queen of hearts' -> 'queen'; None for a face-down or empty slot."""
    shows = SLOT_NAME.match(slot_name).group(2)
    return None if shows in ("face down", "empty") else shows.split(" of ")[0]


class Shot:
    """A screenshot of the whole screen, as RGB bytes."""

    def __init__(self, path, data, width):
        self.path, self.data, self.width = path, data, width

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def region(self, extents):
        x, y, w, h = extents
        return b"".join(self.data[((y + row) * self.width + x) * 3:
                                  ((y + row) * self.width + x + w) * 3] for row in range(h))


class Session:
    """An X server, a D-Bus session with the accessibility bus, and the games started in them."""

    def __init__(self, out_dir):
        self.out_dir = Path(out_dir)
        shutil.rmtree(self.out_dir, ignore_errors=True)  # no screenshot of an earlier run
        self.out_dir.mkdir(parents=True, exist_ok=True)
        self.scratch = Path(tempfile.mkdtemp(prefix="velmora-bb-"))
        self.env = dict(os.environ)
        self.processes = []
        self.display = None
        self._a11y = None

    # -- the desktop --

    def __enter__(self):
        try:
            self._start_x()
            self._start_buses()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()

    def spawn(self, args, **kwargs):
        # Own process group: the bus launcher's daemons and the registry go with it.
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def close(self):
        for process in reversed(self.processes):
            stop(process)
        self.processes.clear()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def _start_x(self):
        for number in DISPLAYS:
            if display_taken(number):
                continue
            ready_read, ready_write = os.pipe()
            # -displayfd: the server writes its number there once it accepts clients.
            # -noreset: the bus launcher leaving must not reset the server under the game.
            server = self.spawn(["Xvfb", f":{number}", "-screen", "0", "%dx%dx24" % SCREEN_SIZE,
                                 "-nolisten", "tcp", "-noreset", "-displayfd", str(ready_write)],
                                pass_fds=(ready_write,), stdout=subprocess.DEVNULL,
                                stderr=(self.out_dir / "xvfb.log").open("ab"))
            os.close(ready_write)
            with os.fdopen(ready_read) as ready:
                answered = read_line(ready, 20)  # empty when the server gave up
            if answered == str(number):
                self.display = f":{number}"
                self.env["DISPLAY"] = self.display
                return
            stop(server)  # another case took this display first
        raise CaseFailure("no free display from :81 to :99")

    def _start_buses(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        address = read_line(bus.stdout, 20)
        check(address, "the D-Bus session did not start")
        self.env.update(DBUS_SESSION_BUS_ADDRESS=address, QT_ACCESSIBILITY="1",
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", NO_AT_BRIDGE="0")
        # The developer's own runtime folder is not this session's to use.
        self.env.pop("XDG_RUNTIME_DIR", None)
        self.spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # pyatspi finds the buses through the environment when it is first used.
        os.environ.update(self.env)
        os.environ.pop("XDG_RUNTIME_DIR", None)
        global pyatspi, Atspi, Gio, GLib
        import pyatspi  # noqa: E402  Debian's /usr/bin/python3 has it
        from gi.repository import Atspi, Gio, GLib
        # A busy shared machine must not turn a slow answer into a failure; waits are bounded
        # by the cases' own deadlines.
        Atspi.set_timeout(10000, 15000)

    def start_weston(self):
        """Weston inside the X server, filling the screen, with the game as its Wayland client:
        X input reaches the game through weston, and X screenshots show weston's output."""
        runtime = self.scratch / "runtime"
        runtime.mkdir(mode=0o700)
        # Qt's own title bar, whose buttons lie where the cases click them.
        self.env.update(XDG_RUNTIME_DIR=str(runtime), QT_QPA_PLATFORM="wayland",
                        QT_WAYLAND_DECORATION="bradient")
        # No panel, whose launcher would open a terminal on a stray click, and a plain ground.
        # No animations: a closing window that fades would still be on the next screenshot.
        config = self.scratch / "weston.ini"
        config.write_text("[shell]\npanel-position=none\nbackground-color=0xff303030\n" +
                          "".join(f"{k}animation=none\n"
                                  for k in ("", "close-", "startup-", "focus-")))
        # --debug: weston tells where it put each window (weston-debug's scene graph).
        self.spawn(["weston", "--debug", "--backend=x11-backend.so", "--socket=wayland-velmora",
                    f"--config={config}", "--width=%d" % SCREEN_SIZE[0],
                    "--height=%d" % SCREEN_SIZE[1], "--idle-time=0"], stdout=subprocess.DEVNULL,
                   stderr=(self.out_dir / "weston.log").open("ab"))
        wait_for(lambda: (runtime / "wayland-velmora").exists(), 20, "weston's socket")
        self.env["WAYLAND_DISPLAY"] = "wayland-velmora"

    def weston_windows(self):
        """Weston's top-level windows as it shows them: (pid, title, frame, client), where the
        frame is the window's whole surface, Qt's title bar and borders included, and the client
        area the part the game marked opaque; each x, y, w, h on the screen."""
        dump = subprocess.run(["weston-debug", "scene-graph"], env=self.env, check=True,
                              timeout=10, stdout=subprocess.PIPE, text=True).stdout
        found = []
        for m in WESTON_VIEW.finditer(dump):
            x, y, right, bottom, cx, cy, cright, cbottom = map(int, m.groups()[2:])
            found.append((int(m[1]), m[2], (x, y, right - x, bottom - y),
                          (cx, cy, cright - cx, cbottom - cy)))
        return found

    def weston_point(self, x, y, owner):
        """Puts the pointer at x, y over a window of the process `owner` on weston, and waits
        until weston says it is there: until it shows that client's cursor.

        Weston follows the X pointer by its moves, not its place, and its pointer can drift from
        the X pointer (seen: 64 pixels after a few windows came and went under a moving pointer),
        so that a click lands elsewhere; at each edge of the screen weston stops its pointer
        where the X pointer stops, so a move to two opposite corners brings them together."""
        width, height = SCREEN_SIZE
        self.xdotool("mousemove", 0, 0, "mousemove", width - 1, height - 1, "mousemove", x, y)
        wait_for(lambda: f"role wl_pointer-cursor, PID {owner}," in subprocess.run(
            ["weston-debug", "scene-graph"], env=self.env, check=True, timeout=10,
            stdout=subprocess.PIPE, text=True).stdout, 5, f"weston's pointer at {x}, {y}")

    def start_openbox(self):
        self.spawn(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
        # Ready once it names itself on the root window: a window mapped sooner may stay unseen.
        from Xlib import display
        x = display.Display(self.display)
        wait_for(lambda: x.screen().root.get_full_property(
            x.intern_atom("_NET_SUPPORTING_WM_CHECK"), 0), 10, "openbox")
        x.close()

    # -- X input and screenshots --

    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True, timeout=10)

    def click(self, accessible):
        x, y, w, h = extents(accessible)
        # No --sync: it waits for a motion that never comes when the pointer is already there.
        self.xdotool("mousemove", x + w // 2, y + h // 2, "click", "1")

    def keys(self, *keys):
        self.xdotool("key", "--delay", "60", *keys)

    def screenshot(self, name):
        path = self.out_dir / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       timeout=20)
        data = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], check=True,
                              timeout=20, stdout=subprocess.PIPE).stdout
        check(len(data) == SCREEN_SIZE[0] * SCREEN_SIZE[1] * 3, f"odd screenshot {path}")
        return Shot(path, data, SCREEN_SIZE[0])

    # -- the game --

    def game_folder(self, game=None, prefix=None, settings="default"):
        """A scratch copy of the game's folder, and the program to start in it.

        `game`: a built executable; its folder's velmora.ini comes along. `prefix`: an installed
        tree; its bin/ link and lib/velmora/ folder are copied, so the link resolves into the
        copy. `settings`: "default" keeps the copied file, None removes it, text replaces it.
        """
        root = Path(tempfile.mkdtemp(dir=self.scratch))
        if prefix is not None:
            shutil.copytree(Path(prefix) / "bin", root / "bin", symlinks=True)
            shutil.copytree(Path(prefix) / "lib" / "velmora", root / "lib" / "velmora")
            program, folder = root / "bin" / "velmora", root / "lib" / "velmora"
            check(program.resolve() == (folder / "velmora").resolve(),
                  "the installed bin/velmora does not lead to lib/velmora/velmora")
        else:
            game = Path(game)
            folder = root
            shutil.copy2(game, folder / game.name)
            if (game.parent / "velmora.ini").exists():
                shutil.copy2(game.parent / "velmora.ini", folder / "velmora.ini")
            program = folder / game.name
        ini = folder / "velmora.ini"
        if settings is None:
            ini.unlink(missing_ok=True)
        elif settings != "default":
            ini.write_text(settings)
        check(settings is None or ini.exists(), f"{ini} is missing from the game's folder")
        return program, ini

    def launch(self, program):
        return Game(self, self.spawn([str(program)], stdout=subprocess.DEVNULL,
                                     stderr=(self.out_dir / "game.log").open("ab")))

    def a11y_bus(self):
        """A connection of our own to the accessibility bus, for presses that do not wait."""
        if self._a11y is None:
            session = Gio.DBusConnection.new_for_address_sync(
                self.env["DBUS_SESSION_BUS_ADDRESS"],
                Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
            address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                        "GetAddress", None, GLib.VariantType("(s)"),
                                        Gio.DBusCallFlags.NONE, 10000, None).unpack()[0]
            self._a11y = Gio.DBusConnection.new_for_address_sync(
                address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        return self._a11y


def display_taken(number):
    """True while a live server holds the display; a lock left by a killed one does not count."""
    try:
        pid = int(Path(f"/tmp/.X{number}-lock").read_text().strip())
        os.kill(pid, 0)
    except (FileNotFoundError, ValueError, ProcessLookupError):
        return False
    except PermissionError:
        pass  # alive, another user's
    return True


def read_line(stream, timeout):
    """One line from a child's pipe, or '' if none comes in time."""
    ready, _, _ = select.select([stream], [], [], timeout)
    if not ready:
        return ""
    line = stream.readline()
    return (line.decode() if isinstance(line, bytes) else line).strip()


def stop(process):
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait(timeout=3)
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait(timeout=3)
        except ProcessLookupError:
            pass
    # The group's other members (a bus launcher's daemon, the registry) may outlive the leader.
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    if process.stdout is not None:
        process.stdout.close()


def find_x_window(window, title, pid, pid_atom):
    # By owner too: a game that has just ended may leave its window to the server a moment longer.
    if window.get_wm_name() == title and window.get_attributes().map_state != 0:
        owner = window.get_full_property(pid_atom, 0)
        if owner is not None and owner.value[0] == pid:
            return window
    for child in window.query_tree().children:
        found = find_x_window(child, title, pid, pid_atom)
        if found is not None:
            return found
    return None


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


def find(accessible, role, name, depth=6):
    """The first descendant with this role and accessible name, or None."""
    for child in children(accessible):
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        if depth > 1:
            found = find(child, role, name, depth - 1)
            if found is not None:
                return found
    return None


class Game:
    """One running game, seen through its accessible tree."""

    def __init__(self, session, process):
        self.session = session
        self.process = process
        self._app = None
        self._board = None

    def app(self, timeout=20):
        def look():
            for app in children(pyatspi.Registry.getDesktop(0)):
                if app is not None and app.name == APP_NAME and app.get_process_id() == \
                        self.process.pid:
                    return app
            check(self.process.poll() is None,
                  f"the game ended early with code {self.process.returncode}")
            return None
        if self._app is None:
            self._app = wait_for(look, timeout, "the game on the accessibility bus", 0.1)
        return self._app

    def windows(self):
        return [w for w in children(self.app()) if w is not None]

    def window(self, name, role=None, timeout=10):
        return wait_for(lambda: next((w for w in self.windows() if w.name == name and
                                      (role is None or w.getRole() == role)), None),
                        timeout, f"the window {name!r}")

    def has_window(self, name):
        return any(w.name == name for w in self.windows())

    def board(self):
        """The main window's client area: the 52 slots, then the panel's labels and Deal."""
        if self._board is None:
            main = self.window(APP_NAME, ROLE.FRAME)
            self._board = wait_for(lambda: next((c for c in children(main)
                                                 if c.getRole() == ROLE.FILLER), None),
                                   10, "the board")
        return self._board

    def slots(self):
        slots = [c for c in children(self.board()) if c.getRole() == ROLE.PUSH_BUTTON
                 and SLOT_NAME.match(c.name)]
        check(len(slots) == 52, f"the board has {len(slots)} slots")
        return slots

    def slot_names(self):
        return [s.name for s in self.slots()]

    def labels(self):
        return [c.name for c in children(self.board()) if c.getRole() == ROLE.LABEL]

    def label_after(self, caption):
        """The label that follows a caption ('Player' -> the player's score)."""
        labels = self.labels()
        check(caption in labels, f"no label {caption!r} in {labels}")
        return labels[labels.index(caption) + 1]

    @staticmethod
    def _clock_at(labels):
        return next(i for i, t in enumerate(labels) if re.fullmatch(r"\d\d:\d\d:\d\d", t))

    def clock(self):
        labels = self.labels()
        return labels[self._clock_at(labels)]

    def status_bar(self):
        """The panel a screen reader reads as the status bar: the status line and the scores."""
        return wait_for(lambda: next((c for c in children(self.board())
                                      if c.getRole() == ROLE.STATUS_BAR), None), 10,
                        "the status bar")

    def status(self):
        return next(c.name for c in children(self.status_bar()) if not SCORE_NAME.match(c.name))

    def scores(self):
        """('computer', 'player'): the pairs each holds, as the scores are read out."""
        held = dict(SCORE_NAME.match(c.name).groups() for c in children(self.status_bar())
                    if SCORE_NAME.match(c.name))
        return held["Computer"], held["Player"]

    def button(self, name):
        return wait_for(lambda: find(self.app(), ROLE.PUSH_BUTTON, name), 10,
                        f"the button {name!r}")

    def menu_item(self, name):
        return wait_for(lambda: find(self.window(APP_NAME, ROLE.FRAME), ROLE.MENU_ITEM, name),
                        10, f"the menu item {name!r}")

    def press(self, accessible, action="Press"):
        """Runs an accessible action without waiting for it: the game answers only once the
        handler returns, and handlers wait in pauses."""
        acts = accessible.queryAction()
        names = [acts.getName(i) for i in range(acts.nActions)]
        check(action in names, f"{accessible.name!r} has no {action} action: {names}")
        message = Gio.DBusMessage.new_method_call(
            accessible.app.bus_name, accessible.path,
            "org.a11y.atspi.Action", "DoAction")
        message.set_body(GLib.Variant("(i)", (names.index(action),)))
        message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
        self.session.a11y_bus().send_message(message, Gio.DBusSendMessageFlags.NONE)

    def press_slot(self, index):
        self.press(self.slots()[index - 1])

    def visible_x_windows(self, title=None):
        """The game's mapped X windows, those with this title if one is given."""
        # --all: every condition must hold; xdotool's default is any one of them.
        named = ["--name", f"^{title}$"] if title is not None else []
        found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                str(self.process.pid), *named],
                               env=self.session.env, timeout=10, stdout=subprocess.PIPE, text=True)
        return found.stdout.split()

    def focus(self, title):
        """Gives a window the keyboard focus, as a window manager would on a click: without
        one, the window never becomes active and its menu bar takes no Alt keys.

        Only while it is the game's one window: given from outside to a window under a modal
        one, the focus is never handed on to the modal window (the game's request carries an
        older time than this change, and the server refuses it), and the game stays without
        an active window, deaf to access keys and shortcuts, once the modal window closes."""
        windows = wait_for(lambda: (w := self.visible_x_windows()) and len(w) == 1 and w, 10,
                           f"{title!r} to be the game's only window")
        check(windows == self.visible_x_windows(title), f"the game shows no {title!r}")
        self.session.xdotool("windowfocus", "--sync", windows[0])

    def close_box(self, title):
        """Presses a window's close box as a window manager would: WM_DELETE_WINDOW."""
        from Xlib import X, display, protocol
        xdisplay = display.Display(self.session.display)
        try:
            protocols = xdisplay.intern_atom("WM_PROTOCOLS")
            delete = xdisplay.intern_atom("WM_DELETE_WINDOW")
            window = find_x_window(xdisplay.screen().root, title, self.process.pid,
                                   xdisplay.intern_atom("_NET_WM_PID"))
            check(window is not None, f"no X window titled {title!r}")
            event = protocol.event.ClientMessage(window=window, client_type=protocols,
                                                 data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            window.send_event(event, event_mask=X.NoEventMask)
            # A round trip, not a flush: closing the connection straight after writing lets a
            # busy server drop the unread request (seen: the message lost in 17 runs of 24).
            xdisplay.sync()
        finally:
            xdisplay.close()

    def frame(self, title):
        """The window manager's frame around the game's X window of that title: x, y, w, h."""
        from Xlib import display
        xdisplay = display.Display(self.session.display)
        root = xdisplay.screen().root
        pid_atom = xdisplay.intern_atom("_NET_WM_PID")
        # A screen reader may see a window before the window manager has mapped it in its frame.
        window = wait_for(lambda: find_x_window(root, title, self.process.pid, pid_atom), 5,
                          f"an X window titled {title!r}, mapped")
        while window.query_tree().parent != root:
            window = window.query_tree().parent
        g = window.get_geometry()
        xdisplay.close()
        return g.x, g.y, g.width, g.height

    def placed(self, title):
        """Where weston shows the game's window of that title: (frame, client), as
        Session.weston_windows gives them."""
        def look():
            return next(((frame, client) for pid, name, frame, client
                         in self.session.weston_windows()
                         if pid == self.process.pid and name == title), None)
        return wait_for(look, 10, f"weston to show {title!r}", 0.1)

    def wait_exit(self, timeout, after):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise CaseFailure(f"the game still runs {timeout} s after {after}") from None


def read_back(ini):
    parser = configparser.ConfigParser()
    parser.read(ini)
    return parser.get("Deck", "Back", fallback=None)


def become_player(args):
    """Runs this case again as nobody, on the installed game, and exits with its code.

    The user nobody may be unable to read anything of the clone (under /root, mode 0700), whose
    permissions stay as they are: the scripts and the game are copied to a scratch folder that
    the user nobody can read, and the screenshots are copied back to --out from there.
    """
    import pwd
    player = pwd.getpwnam("nobody")
    here = Path(__file__).resolve().parent
    scratch = Path(tempfile.mkdtemp(prefix="velmora-player-"))
    try:
        for script in here.glob("*.py"):
            shutil.copy2(script, scratch / script.name)
        shutil.copytree(args.prefix, scratch / "game", symlinks=True)
        out = scratch / "out"
        out.mkdir()
        os.chown(out, player.pw_uid, player.pw_gid)
        # Whatever the umask made of the copies, the player reads them all and writes none.
        subprocess.run(["chmod", "-R", "a+rX", str(scratch)], check=True)
        code = subprocess.call(
            ["setpriv", f"--reuid={player.pw_uid}", f"--regid={player.pw_gid}", "--clear-groups",
             sys.executable, str(scratch / Path(sys.argv[0]).name), args.case, "--out", str(out),
             "--prefix", str(scratch / "game")], cwd=scratch)
        shutil.rmtree(args.out, ignore_errors=True)
        shutil.copytree(out, args.out)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    sys.exit(code)


def main(cases):
    """Runs one case: CASE --out DIR (--game EXE | --prefix DIR)."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("case", choices=sorted(cases))
    parser.add_argument("--out", required=True)
    where = parser.add_mutually_exclusive_group(required=True)
    where.add_argument("--game")
    where.add_argument("--prefix")
    args = parser.parse_args()
    if getattr(cases[args.case], "as_player", False) and os.geteuid() == 0:
        if args.prefix is None:
            parser.error(f"{args.case} plays an installed game: give --prefix")
        become_player(args)
    started = time.monotonic()
    with Session(args.out) as session:
        def folder(settings="default"):
            return session.game_folder(args.game, args.prefix, settings)
        try:
            cases[args.case](session, folder)
        except Exception as failure:
            try:
                session.screenshot("failure")
                print(f"screenshot: {session.out_dir / 'failure.png'}", file=sys.stderr)
            except Exception:  # the failure itself is what matters
                pass
            if not isinstance(failure, CaseFailure):
                raise
            print(f"FAILED {args.case}: {failure}", file=sys.stderr)
            sys.exit(1)
    print(f"passed {args.case} in {time.monotonic() - started:.1f} s")
