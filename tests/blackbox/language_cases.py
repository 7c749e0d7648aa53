"""The game in the desktop's language, read over AT-SPI: German, and a language it does not speak.

Run one case: /usr/bin/python3 language_cases.py CASE --out DIR (--game EXE | --prefix DIR)
"""

import re
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
import harness  # noqa: E402
from harness import APP_NAME, ROLE, check, children, wait_for

# What each language shows: the menu bar, each menu's commands, the panel, a slot face down,
# and a card's name, as the translations and the English texts give them.
SHOWN = {
    "de": {
        "menus": ["Datei", "Optionen", "Hilfe"],
        "commands": ["Neues Spiel", "Tipp", "Beenden", "Spielart", "Gegen den Computer", "Übung",
                     "Spielstärke", "Anfänger", "Geübt", "Profi", "Kartenrücken ändern ...",
                     "Spielregeln", "Über Velmora Concentration ..."],
        "panel": ["Computer", "Spieler", "Spielart", "Computer", "Spielstärke", "Geübt"],
        "slot": r"Karte (\d+), (.*)",
        "down": "verdeckt",
        "card": r"(?:Pik|Karo|Kreuz|Herz)-(?:Ass|Zwei|Drei|Vier|Fünf|Sechs|Sieben|Acht|Neun|Zehn|"
                r"Bube|Dame|König)",
        "deal": "Geben",
    },
    "en": {
        "menus": ["File", "Options", "Help"],
        "commands": ["New Game", "Hint", "Exit", "Select Game", "Computer", "Practice", "Levels",
                     "Beginner", "Intermediate", "Advanced", "Change Deck ...", "How To Play",
                     "About Velmora Concentration ..."],
        "panel": ["Computer", "Player", "Game Mode", "Computer", "Level of Play", "Intermediate"],
        "slot": r"Card (\d+), (.*)",
        "down": "face down",
        "card": r"(?:ace|two|three|four|five|six|seven|eight|nine|ten|jack|queen|king) of "
                r"(?:spades|hearts|diamonds|clubs)",
        "deal": "Deal",
    },
}


def in_language(session, folder, environment, language, shot):
    """Starts the game with only `environment` naming the desktop's language, reads its menus
    and panel, and turns card 1, which must be named in `language`."""
    for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"):
        session.env.pop(name, None)
    session.env.update(environment)
    shown = SHOWN[language]
    game = session.launch(folder()[0])
    main = game.window(APP_NAME, ROLE.FRAME)
    bar = wait_for(lambda: next((c for c in children(main) if c.getRole() == ROLE.MENU_BAR),
                                None), 10, "the menu bar")
    menus = [m.name for m in children(bar)]
    check(menus == shown["menus"], f"menu bar {menus}")
    def commands_in(accessible):  # depth first: a command, then its submenu's commands
        found = []
        for child in children(accessible):
            if child.getRole() in (ROLE.MENU_ITEM, ROLE.CHECK_MENU_ITEM, ROLE.RADIO_MENU_ITEM):
                found.append(child.name)
            found += commands_in(child)
        return found
    commands = [name for menu in children(bar) for name in commands_in(menu)]
    check(commands == shown["commands"], f"commands {commands}")
    labels = [name for name in game.labels() if not re.fullmatch(r"[\d: ]*", name)]
    check(labels == shown["panel"], f"panel {labels}")
    check(game.button(shown["deal"]) is not None, "no Deal button")

    def slots():
        board = [c.name for c in children(game.board()) if c.getRole() == ROLE.PUSH_BUTTON]
        return [re.fullmatch(shown["slot"], n) for n in board if re.fullmatch(shown["slot"], n)]
    check([(s.group(1), s.group(2)) for s in slots()] ==
          [(str(i), shown["down"]) for i in range(1, 53)], f"slots {[s.string for s in slots()]}")
    game.press(next(c for c in children(game.board()) if c.name == slots()[0].string))
    turned = wait_for(lambda: next((s.group(2) for s in slots()[:1]
                                    if s.group(2) != shown["down"]), None), 5, "card 1 to turn")
    check(re.fullmatch(shown["card"], turned), f"card 1 is called {turned!r}")
    session.screenshot(shot)


def german(session, folder):
    in_language(session, folder, {"LANGUAGE": "de"}, "de", "german")


def unsupported_language(session, folder):
    in_language(session, folder, {"LANG": "ja_JP.UTF-8", "LANGUAGE": "ja"}, "en", "japanese")


CASES = {f.__name__: f for f in (german, unsupported_language)}

if __name__ == "__main__":
    harness.main(CASES)
