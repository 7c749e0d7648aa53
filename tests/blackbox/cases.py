"""The game as a player meets it: the real program on an X server, read over AT-SPI.

Run one case: /usr/bin/python3 cases.py CASE --out DIR (--game EXE | --prefix INSTALL_DIR)
"""

import os
import random
import re
import sys
import time

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import harness  # noqa: E402
from harness import APP_NAME, ROLE, check, extents, find, rank, read_back, wait_for
from screen_reader import ScreenReader

NAVY = (0, 0, 128)
MISSING = "A file is missing or corrupted!"
FACE_DOWN = "face down"
CARD = (r"(?:ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) of "
        r"(?:spades|hearts|diamonds|clubs)")


def shows(name):
    return harness.SLOT_NAME.match(name).group(2)


def painted(session, game, name):
    """A screenshot once the window has drawn its navy ground beside slot 1."""
    x, y, w, h = extents(game.slots()[0])
    def shot():
        taken = session.screenshot(name)
        return taken if taken.pixel(x - 4, y + h // 2) == NAVY else None
    return wait_for(shot, 10, "the navy ground beside slot 1", 0.2)


def face_of(game, index, timeout=5):
    return wait_for(lambda: rank(game.slot_names()[index - 1]), timeout,
                    f"slot {index} to show a face")


def startup(session, folder):
    program, _ = folder()
    game = session.launch(program)
    names = game.slot_names()
    check(names == [f"Card {i}, face down" for i in range(1, 53)], f"slots at start: {names}")
    check(game.scores() == ("0", "0"), f"scores {game.scores()}")
    check(game.label_after("Game Mode") == "Computer", game.labels())
    check(game.label_after("Level of Play") == "Intermediate", game.labels())
    check(game.clock() == "00:00:00", game.labels())
    check(game.status() == "", f"status {game.status()!r}")
    deal = game.button("Deal")
    check(deal.getState().contains(harness.pyatspi.STATE_ENABLED), "Deal is disabled")
    shot = painted(session, game, "startup")
    x, y, w, h = extents(game.slots()[0])
    check(shot.pixel(x + w // 2, y + h // 2) != NAVY, "slot 1 shows no card back")
    dx, dy, dw, dh = extents(deal)
    check(shot.pixel(dx + 2, dy + dh // 2) != NAVY, "no Deal button drawn")


def missing_settings(session, folder):
    program, _ = folder(settings=None)
    game = session.launch(program)
    alert = wait_for(lambda: next((w for w in game.windows()
                                   if find(w, ROLE.LABEL, MISSING)), None), 20,
                     "the message about the settings file")
    check(alert.name == "Error - 15", f"the message is titled {alert.name!r}")
    check(not game.has_window(APP_NAME),
          f"a main window came with the message: {[w.name for w in game.windows()]}")
    session.screenshot("missing-settings")
    game.focus("Error - 15")
    session.keys("Return")
    code = game.wait_exit(5, "Enter")
    check(code == 1, f"exit code {code}")


def miss_then_computer(session, folder):
    program, _ = folder()
    game = session.launch(program)
    # Turn two cards; should they pair, they are taken and the turn stays ours: try the next two.
    for first in range(1, 52, 2):
        game.press_slot(first)
        first_rank = face_of(game, first)
        game.press_slot(first + 1)
        second_rank = face_of(game, first + 1)
        if first_rank != second_rank:
            break
        wait_for(lambda: shows(game.slot_names()[first]) == "empty", 5, "the pair taken")
    check(first_rank != second_rank, "every pair tried was a pair")
    wait_for(lambda: game.status() == "Computer's Turn!", 5, "the computer's turn")
    names = game.slot_names()
    check(shows(names[first - 1]) == FACE_DOWN and shows(names[first]) == FACE_DOWN,
          f"the missed cards were not turned back: {names[first - 1]}, {names[first]}")
    # Watch the computer turn cards until it hands the turn back.
    turned = set()
    def players_turn_again():
        status, names = game.status(), game.slot_names()
        if status == "Computer's Turn!":
            turned.update(i for i, n in enumerate(names, 1) if rank(n))
        return status == "Your Turn!"
    wait_for(players_turn_again, 60, "the player's turn again", 0.02)
    check(len(turned) >= 2, f"the computer turned {sorted(turned)}")
    names = game.slot_names()
    check(not any(rank(n) for n in names), f"cards left face up: {names}")
    taken = sum(shows(n) == "empty" for n in names)
    computer, player = (int(s) for s in game.scores())
    check(taken == 2 * (computer + player),
          f"{taken} cards taken, scores {computer} and {player}")


def deal_notice(session, folder):
    program, _ = folder()
    game = session.launch(program)
    game.press_slot(7)
    face_of(game, 7)
    session.click(game.button("Deal"))
    shown = wait_for(lambda: game.has_window("Shuffling") and time.monotonic(), 5,
                     "the Shuffling notice")
    session.screenshot("shuffling")
    gone = wait_for(lambda: not game.has_window("Shuffling") and time.monotonic(), 6,
                    "the notice to close")
    check(2.8 <= gone - shown <= 4.0, f"the notice stood {gone - shown:.2f} s")
    names = game.slot_names()
    check(names == [f"Card {i}, face down" for i in range(1, 53)], f"board after Deal: {names}")
    check(game.scores() == ("0", "0") and game.status() == "",
          f"scores {game.scores()}, status {game.status()!r}")


def chosen_back(session, folder, saved=None):
    program, ini = folder()
    check(read_back(ini) == "1", f"the copied settings hold back {read_back(ini)!r}")
    game = session.launch(program)
    watched = extents(game.slots()[11])
    before = painted(session, game, "back-1").region(watched)
    game.press(game.menu_item("Change Deck ..."))
    chooser = game.window("Select Card Back")
    fifth = "Card back 5, dark green tartan"
    session.click(wait_for(lambda: find(chooser, ROLE.RADIO_BUTTON, fifth), 5, "picture 5"))
    session.screenshot("chooser-5")
    session.click(find(chooser, ROLE.PUSH_BUTTON, "OK"))
    wait_for(lambda: not game.has_window("Select Card Back"), 5, "the chooser to close")
    wait_for(lambda: read_back(saved or ini) == "5", 5, "back 5 in the settings file")
    after = wait_for(lambda: (r := session.screenshot("back-5").region(watched)) != before and r,
                     5, "slot 12 redrawn")
    check(all(shows(n) == FACE_DOWN for n in game.slot_names()), game.slot_names())
    game.press(game.menu_item("Exit"))
    check(game.wait_exit(5, "File > Exit") == 0, "Exit did not end the game with code 0")

    again = session.launch(program)
    check(extents(again.slots()[11]) == watched, "the window moved between starts")
    restarted = painted(session, again, "back-5-restarted").region(watched)
    check(restarted == after, "after a restart slot 12 does not show back 5")


def player_back(session, folder):
    """The installed game, for a player who is not root and may not write the game's folder."""
    check(os.geteuid() != 0, "this case runs as a player who is not root")
    program, ini = folder()
    original = ini.read_bytes()
    own = session.scratch / "config" / "velmora" / "velmora.ini"
    session.env.update(HOME=str(session.scratch), XDG_CONFIG_HOME=str(own.parents[1]))
    os.chmod(ini.parent, 0o555)
    try:
        chosen_back(session, lambda: (program, ini), own)
    finally:
        os.chmod(ini.parent, 0o755)  # so that the scratch folder can go
    check(ini.read_bytes() == original, "the file beside the game changed")
    check("Back= 5" in own.read_text().splitlines(), f"{own} holds {own.read_text()!r}")


player_back.as_player = True  # run as root, the case becomes nobody


def practice_clock(session, folder):
    program, _ = folder()
    game = session.launch(program)
    game.press(game.menu_item("Practice"))
    wait_for(lambda: game.label_after("Game Mode") == "Practice", 5, "practice mode")
    check(game.clock() == "00:00:00", f"clock before the first card: {game.clock()}")
    game.press_slot(1)
    # The game starts the clock as it takes the first card, before it shows the card's face;
    # a clock that showed its first second only at its first tick would still read 00:00:00.
    face_of(game, 1)
    first = game.clock()
    check(first == "00:00:01", f"the clock read {first} as the first card showed")
    ticks = [(time.monotonic(), first)]
    def tick():
        now = game.clock()
        if now != ticks[-1][1]:
            ticks.append((time.monotonic(), now))
        return len(ticks) == 5
    wait_for(tick, 6, "four ticks of the clock", 0.02)
    check([t for _, t in ticks] == [f"00:00:0{i}" for i in range(1, 6)],
          f"the clock read {[t for _, t in ticks]}")
    # Timed from the first tick seen, over three seconds: a busy machine that sees one tick late
    # moves the mean by a third as much.
    seen = [t for t, _ in ticks[1:]]
    gaps = [b - a for a, b in zip(seen, seen[1:])]
    check(abs(sum(gaps) / 3 - 1) <= 0.1 and all(0.5 <= g <= 1.5 for g in gaps),
          f"seconds between ticks: {gaps}")


def exit_in_pause(session, folder):
    program, _ = folder()
    # From the keyboard, while the first card's pause runs.
    game = session.launch(program)
    game.window(APP_NAME, ROLE.FRAME)
    game.focus(APP_NAME)
    game.press_slot(3)
    face_of(game, 3)
    shown = time.monotonic()
    session.keys("alt+f", "x")
    asked = time.monotonic()
    check(asked - shown < 0.75, f"the keys came {asked - shown:.2f} s after the card, "
          "past its pause")
    code = game.wait_exit(1, "File > Exit")
    check(code == 0, f"File > Exit ended the game with code {code}")


def close_box_in_pause(session, folder):
    program, _ = folder()
    game = session.launch(program)
    game.press_slot(3)
    face_of(game, 3)
    game.close_box(APP_NAME)
    code = game.wait_exit(1, "the close box")
    check(code == 0, f"the close box ended the game with code {code}")


def careless_play(session, folder):
    """Fast careless play: clicks on any slot, F2, Ctrl+H, Alt+D, Tab, arrows and Space at
    random moments, also inside the turns' pauses, each burst followed by a wait until the
    computer and the notice are done. It ends on a Deal, whose notice, closing, once left the keys deaf; then F2,
    Ctrl+H and Alt+F, X must reach the game with no new focus given. VELMORA_CARELESS_SECONDS
    (60) sets its length, VELMORA_CARELESS_SEED its choices."""
    seconds = float(os.environ.get("VELMORA_CARELESS_SECONDS", "60"))
    seed = int(os.environ.get("VELMORA_CARELESS_SEED", random.randrange(1 << 32)))
    print(f"VELMORA_CARELESS_SEED={seed}")
    chance = random.Random(seed)
    program, _ = folder()
    game = session.launch(program)
    game.window(APP_NAME, ROLE.FRAME)
    game.focus(APP_NAME)  # as a player's first click would; never again
    centres = [(x + w // 2, y + h // 2) for x, y, w, h in map(extents, game.slots())]

    def quiet():
        if game.has_window("Mindflip"):  # a game played out: the next click asks for a deal
            session.keys("Return")
            return False
        return not game.has_window("Shuffling") and game.status() != "Computer's Turn!"

    end = time.monotonic() + seconds
    while time.monotonic() < end:
        for _ in range(chance.randint(1, 6)):
            action = chance.choice(["click", "F2", "ctrl+h", "alt+d", "Tab", "Right", "Down",
                                    "End", "space"])
            if action == "click":
                session.xdotool("mousemove", *chance.choice(centres), "click", "1")
            else:
                session.xdotool("key", action)
            time.sleep(chance.uniform(0, 0.4))
        time.sleep(0.5)  # time for the game to take the last key, which may open the notice
        wait_for(quiet, 40, "the computer's turn and the notice to end", 0.2)
    session.keys("alt+d")
    wait_for(lambda: game.has_window("Shuffling"), 5, "Alt+D to show the notice")
    wait_for(lambda: not game.has_window("Shuffling"), 6, "the last notice to close")
    # Cards turned over AT-SPI, which leaves the keyboard focus where it is.
    game.press_slot(1)
    face_of(game, 1)
    session.keys("F2")
    wait_for(lambda: all(shows(n) == FACE_DOWN for n in game.slot_names()), 3, "F2's new game")
    game.press_slot(1)
    first = face_of(game, 1)
    session.keys("ctrl+h")
    wait_for(lambda: any(rank(n) == first for n in game.slot_names()[1:]), 2,
             "Ctrl+H to show a partner of slot 1", 0.02)
    session.keys("alt+f", "x")
    check(game.wait_exit(5, "Alt+F, X") == 0, "Alt+F, X did not end the game with code 0")


def whole_game(session, folder):
    program, _ = folder()
    game = session.launch(program)
    game.press(game.menu_item("Practice"))
    wait_for(lambda: game.label_after("Game Mode") == "Practice", 5, "practice mode")
    known = {}  # slot -> rank, for every face seen and not yet taken
    started = time.monotonic()

    def turn(index):
        game.press_slot(index)
        known[index] = face_of(game, index)
        return known[index]

    def partner(index):
        return next((s for s, r in known.items() if r == known[index] and s != index), None)

    taken = 0
    while taken < 52:
        names = game.slot_names()
        unseen = [i for i, n in enumerate(names, 1) if shows(n) == FACE_DOWN and i not in known]
        pair = next(((s, partner(s)) for s in known if partner(s)), None)
        first = pair[0] if pair else unseen[0]
        turn(first)
        second = partner(first) or next(i for i in unseen if i != first)
        turn(second)
        # The next card may come in the short pause that follows the look: wait for the look
        # to end (the cards leave or turn back), not for the pause.
        if known[first] == known[second]:
            wait_for(lambda: all(shows(game.slot_names()[i - 1]) == "empty"
                                 for i in (first, second)), 5, "the pair taken")
            del known[first], known[second]
            taken += 2
        else:
            wait_for(lambda: all(shows(game.slot_names()[i - 1]) == FACE_DOWN
                                 for i in (first, second)), 5, "the cards turned back")
        check(time.monotonic() - started < 150, f"{taken} cards taken after 150 s")
    wait_for(lambda: game.status() == "Great Job!", 5, "the result")
    names = game.slot_names()
    check(all(shows(n) == "empty" for n in names), f"slots after the game: {names}")
    session.screenshot("whole-game")
    print(f"the whole game took {time.monotonic() - started:.1f} s")


def open_menu(session, reader, keys, first_item):
    """Opens a menu by its access key, as a listener does: until its first item is heard. With
    Orca running, a menu now and then closes as it opens (the main window is activated again
    under it, in no code of the game's); the player then presses the keys again."""
    for _ in range(3):
        session.keys(keys)
        try:
            return reader.wait_for(rf"^{first_item}", 3)
        except harness.CaseFailure:
            session.keys("Escape")
    raise harness.CaseFailure(f"{keys} did not open its menu three times running")


def by_ear(session, folder):
    """With Orca, openbox and keys alone, each move heard in its own words: the player turns the
    twin of a card heard, or a card not heard yet, until it has missed and a pair was taken. The
    status bar, read on request, gives the scores heard. Then a back is chosen in Change Deck."""
    reader = ScreenReader(session)
    program, ini = folder()
    game = session.launch(program)
    reader.wait_for(r"^Deal (push )?button", 30)
    session.keys("Tab")
    reader.wait_for(r"^Card 1, face down (push )?button", 10)
    at, missed, taken = 1, False, False
    same = lambda a, b: rank(f"Card 0, {heard[a]}") == rank(f"Card 0, {heard[b]}")  # noqa: E731
    for _ in range(30):
        if missed and taken:
            break
        left = [s for s, name in enumerate(game.slot_names(), 1) if not name.endswith("empty")]
        heard = {int(s): c for s, c in re.findall(rf"turns? card (\d+), ({CARD})\.",
                                                  " ".join(reader.said())) if int(s) in left}
        turned = []
        for _ in range(2):  # the first card's twin if heard, else the first card not heard yet
            slot = ([s for s in heard if turned and s != turned[0] and same(s, turned[0])] or
                    [s for s in left if s not in heard])[0]
            if slot != at:
                session.keys(*["Right" if slot > at else "Left"] * abs(slot - at))
                reader.wait_for(rf"^Card {slot}, face down (push )?button")
            at = slot
            session.keys("space")
            heard[slot] = reader.wait_for(
                rf"^(?:notification )?You turn card {slot}, ({CARD})\.").group(1)
            wait_for(lambda: game.slot_names()[slot - 1] == f"Card {slot}, {heard[slot]}", 1.5,
                     f"slot {slot} to show the {heard[slot]} it was heard as")
            turned.append(slot)
        if same(*turned):
            taken = reader.wait_for(rf"You take the pair, cards {turned[0]} and {turned[1]}\.")
            continue
        missed = reader.wait_for(rf"Cards {turned[0]} and {turned[1]} turn face down\. "
                                 r"Computer's Turn!$", 10)
        first = reader.wait_for(rf"Computer turns card (\d+), {CARD}\.", 15).group(1)
        second = reader.wait_for(rf"Computer turns card (?!{first},)(\d+), {CARD}\.").group(1)
        said = reader.wait_for(rf"[Cc]ards {first} and {second}\b").string  # down, or taken
        taken = taken or "take" in said
        if not said.endswith("Your Turn!"):
            reader.wait_for(r"Your Turn!$", 90)
    check(missed and taken, f"no miss or no pair taken in 30 turns: {reader.said()[-20:]}")
    scores = re.findall(r"Computer, \d+ pairs?\. Player, \d+ pairs?\.", " ".join(reader.said()))
    session.keys("Insert+KP_Enter", "Insert+KP_Enter")  # Orca reads the status bar
    reader.wait_for(r"^status ?bar")  # then its lines, in one utterance or in several
    wait_for(lambda: f"{scores[-1]} Your Turn!" in " ".join(reader.said()[reader.read - 1:]), 5,
             f"the status bar read as {scores[-1]}, not {reader.said()[reader.read - 1:]}")
    session.screenshot("by-ear")
    open_menu(session, reader, "alt+o", "Select Game")
    session.keys("c")
    reader.wait_for(r"^OK (push )?button")
    session.keys("Tab", "Tab")
    reader.wait_for(r"^Card back 1, \w")
    session.keys("Right", "Right")
    reader.wait_for(r"^Card back 3, \w.*")
    session.keys("space")
    reader.wait_for(r"^selected")
    for _ in range(13):  # back the way it came, to OK
        session.keys("shift+Tab")
        if reader.wait_for(r"^(OK|Cancel|Card back \d+,)").group(1) == "OK":
            break
    session.keys("space")
    wait_for(lambda: read_back(ini) == "3", 5, "back 3 in the settings file")
    reader.wait_for(rf"^Card {at}, \w[\w ]+ (push )?button")  # the board has the keyboard again
    open_menu(session, reader, "alt+f", "New Game")
    session.keys("x")
    check(game.wait_exit(5, "Alt+F, X") == 0, "Alt+F, X did not end the game with code 0")


# The windows on each desktop, the main window first: a row is the menu command that opens a
# window, its title, its client width in pixels at 100 %, and the button that closes it. About
# is named to a screen reader with the game's name, which its title leaves out. Practice, after
# a card, ends the deal: the next card's click is refused with the message box.
WINDOWS = [(None, APP_NAME, 722, None), ("How To Play", "How to Play", 545, "OK"),
           ("About Velmora Concentration ...", "About", 493, "OK"),
           ("Change Deck ...", "Select Card Back", 515, "Cancel"),
           ("Practice", "Mindflip", None, "OK")]
SPOKEN_NAME = {"About": "About Velmora Concentration"}


def drawn(session, name, client, below=0):
    """Waits for the screen to show a window's client area where weston says it is, by its
    first row of navy ground, the whole width, `below` pixels under the client area's top."""
    x, y, w, _ = client
    wait_for(lambda: session.screenshot(name).region((x, y + below, w, 1)) == bytes(NAVY) * w,
             10, f"{name!r} drawn at {x}, {y}")


def under_menu(game):
    """How far under the main window's top the board begins, as the game tells."""
    return extents(game.board())[1] - extents(game.window(APP_NAME, ROLE.FRAME))[1]


def title_button(frame, client, from_right):
    """The middle of a button in Qt's title bar, that many pixels left of the frame's right."""
    return frame[0] + frame[2] - from_right, (frame[1] + client[1]) // 2


def windows(session, folder, desktop):
    """On weston, How to Play and About are maximised from Qt's title bar, and the board is
    clicked under the chooser: each comes back whole, in place. Under openbox each frame is
    centred within 2 pixels; at 200 %, About's icon box is 128 pixels square."""
    session.start_weston() if desktop == "weston" else session.start_openbox()
    session.env["QT_SCALE_FACTOR"] = "2" if desktop == "openbox_200" else "1"
    session.xdotool("mousemove", 0, 1000)  # the pointer out of the screenshots
    game = session.launch(folder()[0])
    for item, title, width, closer in WINDOWS:
        if item == "Practice":
            game.press_slot(3)
            face_of(game, 3)
            game.press(game.menu_item(item))
            game.press_slot(5)
        elif item:
            game.press(game.menu_item(item))
        game.window(SPOKEN_NAME.get(title, title))
        if desktop == "openbox":
            size = harness.SCREEN_SIZE
            off = lambda: max(abs(a + b / 2 - c / 2) for a, b, c in zip(  # noqa: E731
                game.frame(title)[:2], game.frame(title)[2:], size))
            wait_for(lambda: off() <= 2, 5, f"{title!r} centred, not {off()} px off")
        elif title == "About" and desktop == "openbox_200":
            x, y, _, _ = game.frame(title)
            shot = session.screenshot("about")
            grey = [(i, j) for i in range(x, x + 300) for j in range(y, y + 300)
                    if shot.pixel(i, j) == (192, 192, 192)]
            box = tuple(max(g[k] for g in grey) - min(g[k] for g in grey) + 1 for k in (0, 1))
            check(box == (128, 128), f"About's icon box is {box} pixels at 200 %")
        elif desktop == "weston" and width:
            frame, client = placed = game.placed(title)
            check(client[2] == width, f"{title!r} is {client[2]} pixels wide, not {width}")
            drawn(session, title, client, 0 if item else under_menu(game))
            if not item:
                board = client
                game.press_slot(3)
                face_of(game, 3)
                continue
            spot = title_button(frame, client, 40)  # maximise
            if closer == "Cancel":  # on the board, beside the chooser
                x, y, w, h = frame
                spot = next((board[0] + dx, board[1] + dy) for dx, dy in ((10, 10), (700, 400))
                            if not (x <= board[0] + dx < x + w and y <= board[1] + dy < y + h))
            session.weston_point(*spot, game.process.pid)
            session.xdotool("click", "1", "mousemove", 0, 1000)
            time.sleep(1.5)  # the compositor's answer, and the game's
            check(game.process.poll() is None, f"a click on {spot} ended the game")
            check(game.placed(title) == placed, f"{title!r} not whole and in place: "
                  f"{game.placed(title)}, not {placed}")
            drawn(session, title + " after", client)
        if closer:
            game.press(game.button(closer))
            wait_for(lambda: not game.has_window(SPOKEN_NAME.get(title, title)), 10,
                     f"{title!r} to close")
    game.press(game.menu_item("New Game"))
    game.press_slot(5)
    face_of(game, 5)
    game.press(game.menu_item("Exit"))
    check(game.wait_exit(5, "File > Exit") == 0, "File > Exit ended the game with an error")


def wayland_exits(session, folder):
    """File > Exit and the close box, 50 times in a row each, with the pointer moving over the
    closing window: the game ends with 0 every time and none is left behind."""
    session.start_weston()
    for way in ("File > Exit", "the close box"):
        for turn in range(int(os.environ.get("VELMORA_EXIT_ROUNDS", "50"))):
            session.xdotool("mousemove", 0, 1000)  # the pointer off the first row
            game = session.launch(folder()[0])
            frame, client = game.placed(APP_NAME)
            drawn(session, "exit", client, under_menu(game))
            x, y = client[:2]
            if way == "the close box":  # Qt's
                session.weston_point(*title_button(frame, client, 17), game.process.pid)
                session.xdotool("mousedown", 1, "sleep", 0.1, "mouseup", 1)
            else:
                game.press(game.menu_item("Exit"))
            mover = session.spawn(["sh", "-c", "while :; do xdotool mousemove %d %d sleep 0.02 "
                                   "mousemove %d %d sleep 0.02; done" % (x, y, x + 600, y + 300)])
            code = game.wait_exit(10, f"{way}, time {turn + 1}")
            harness.stop(mover)
            check(code == 0, f"{way} ended the game with code {code}, time {turn + 1}")


CASES = {f.__name__: f for f in (startup, missing_settings, miss_then_computer, deal_notice,
                                 chosen_back, player_back, practice_clock, exit_in_pause,
                                 close_box_in_pause, careless_play, whole_game, by_ear,
                                 wayland_exits)}

for desktop in ("weston", "openbox", "openbox_200"):
    CASES["windows_on_" + desktop] = lambda session, folder, d=desktop: windows(session, folder, d)

if __name__ == "__main__":
    harness.main(CASES)
