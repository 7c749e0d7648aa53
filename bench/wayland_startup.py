"""Start-up on Wayland: the game and the floor, alternating, each a native client of one
headless weston. A run ends at the first frame the program hands the compositor: its first
buffer attached and committed, read from Wayland's own protocol log, which both programs write
alike. Prints "key value" lines for bench/table.sh.

Usage: wayland_startup.py RUNS GAME FLOOR
"""

import os
import re
import statistics
import subprocess
import sys
import tempfile
import threading
import time

# libwayland 1.21 logs an object as wl_surface@13, 1.23 as wl_surface#13.
FIRST_FRAME = re.compile(r"-> wl_surface[@#](\d+)\.attach\(wl_buffer[@#]")
COMMIT = re.compile(r"-> wl_surface[@#](\d+)\.commit\(\)")
# Each wait's limit, in seconds: a start-up takes a fraction of a second.
FRAME_LIMIT = 30
SOCKET_LIMIT = 10


def first_frame_ms(program, env):
    started = time.monotonic()
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    # Ending the program ends its log, and so the loop below.
    timer = threading.Timer(FRAME_LIMIT, process.kill)
    timer.start()
    surface = None
    try:
        for line in process.stderr:
            if surface is None:
                match = FIRST_FRAME.search(line)
                surface = match and match.group(1)
            elif (match := COMMIT.search(line)) and match.group(1) == surface:
                return (time.monotonic() - started) * 1000
        if not timer.is_alive():
            sys.exit(f"wayland_startup: {program} drew no frame within {FRAME_LIMIT} s: waited "
                     "for a wl_surface attach and commit in its WAYLAND_DEBUG log")
        sys.exit(f"wayland_startup: {program} ended (code {process.wait()}) before its first "
                 "frame: no wl_surface attach and commit in its WAYLAND_DEBUG log")
    finally:
        timer.cancel()
        process.kill()
        process.wait()


def main():
    runs, game, floor = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    runtime = tempfile.mkdtemp()
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-bench",
               WAYLAND_DEBUG="client")
    env.pop("DISPLAY", None)  # the game must choose Wayland itself
    env.pop("QT_QPA_PLATFORM", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=wayland-bench",
                               "--width=1280", "--height=1024", "--idle-time=0"],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + SOCKET_LIMIT
        while not os.path.exists(os.path.join(runtime, "wayland-bench")):
            if weston.poll() is not None or time.monotonic() > deadline:
                sys.exit(f"wayland_startup: weston opened no socket wayland-bench within "
                         f"{SOCKET_LIMIT} s (code {weston.poll()})")
            time.sleep(0.1)
        times = {"game": [], "floor": []}
        for _ in range(runs):
            times["game"].append(first_frame_ms(game, env))
            times["floor"].append(first_frame_ms(floor, dict(env, QT_QPA_PLATFORM="wayland")))
    finally:
        weston.terminate()
        try:
            weston.wait(SOCKET_LIMIT)
        except subprocess.TimeoutExpired:
            weston.kill()
            weston.wait()
    game_ms, floor_ms = statistics.median(times["game"]), statistics.median(times["floor"])
    print("wayland_runs", runs)
    print("wayland_game_ms", f"{game_ms:.1f}")
    print("wayland_floor_ms", f"{floor_ms:.1f}")
    print("wayland_ratio", f"{game_ms / floor_ms:.3f}")


if __name__ == "__main__":
    main()
