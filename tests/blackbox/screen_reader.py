"""A real screen reader in a case's session: openbox, speech-dispatcher and Orca.

Speech goes to libao's null driver: without a sound server the default output would hang.
What Orca said is read back from its debug log, as a player would have heard it. The log
goes to a terminal, which Python writes line by line; to a file it would come in late blocks.
"""

import os
import pty
import re
import threading
import tty

from harness import check, wait_for

SAID = re.compile(r"SPEECH OUTPUT: '(.*?)' ?\{")


class ScreenReader:
    def __init__(self, session):
        home = session.scratch / "reader-home"
        config = home / ".config" / "speech-dispatcher"
        config.mkdir(parents=True)
        runtime = session.scratch / "reader-run"
        runtime.mkdir(mode=0o700)
        config.joinpath("speechd.conf").write_text(
            'AudioOutputMethod "libao"\n'
            'AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"\n'
            'DefaultModule espeak-ng\n')
        home.joinpath(".libao").write_text("default_driver=null\n")
        session.env.update(HOME=str(home), XDG_RUNTIME_DIR=str(runtime),
                           XDG_CONFIG_HOME=str(home / ".config"))
        log_dir = session.out_dir
        session.start_openbox()
        self.log = log_dir / "orca.log"
        terminal, orca_side = pty.openpty()
        tty.setraw(orca_side)
        # No --replace: a screen reader the user already runs is theirs, not the case's to end.
        self.process = session.spawn(["orca", "--debug-file", "/dev/stdout"], stdout=orca_side,
                                     stderr=(log_dir / "orca.err").open("ab"))
        os.close(orca_side)
        threading.Thread(target=self._keep_log, args=(terminal,), daemon=True).start()
        self.read = 0
        # Orca 48 speaks before it listens to programs: a game started in between may never learn
        # that anyone listens, and its events go unheard. Orca listens once its default script is
        # active.
        wait_for(lambda: self.process.poll() is not None or ("Screen reader on." in self.said() and
                 "Script for None activated" in self.log.read_text(errors="replace")),
                 30, "Orca to start and listen")
        check(self.process.poll() is None,
              f"Orca would not start: {self.log.read_text(errors='replace')[-300:]!r}")

    def _keep_log(self, terminal):
        with self.log.open("ab") as log:
            while True:
                try:
                    data = os.read(terminal, 1 << 16)
                except OSError:  # Orca has gone
                    return
                if not data:
                    return
                log.write(data)
                log.flush()

    def said(self):
        """Everything Orca has said so far, one utterance each."""
        if not self.log.exists():
            return []
        return SAID.findall(self.log.read_text(errors="replace"))

    def wait_for(self, pattern, timeout=10):
        """The first utterance after the last one waited for that matches `pattern` (a regular
        expression searched in it); returns its match."""
        expression = re.compile(pattern)

        def heard():
            said = self.said()
            for index in range(self.read, len(said)):
                match = expression.search(said[index])
                if match:
                    self.read = index + 1
                    return match
            return None
        return wait_for(heard, timeout, f"Orca to say {pattern!r}, after {self.said()[self.read:]}",
                        0.05)
