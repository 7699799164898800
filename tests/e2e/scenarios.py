"""Whole games played from outside the program, as a player meets it."""
import os
import time

import solver
from screen import (FACE_H, FACE_W, find_client_origin, load_faces, recognise, tile_frame_matches,
                    tile_origin)
from session import WINDOW_POS, Session, prepare_app_dir, read_ini

FIRST_RUN_DONE = "[ShellLink]\nSTARTUP=0\nDESKTOP=0\nSTARTMENU=0\n"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for_board(session, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        shot = session.shot()
        origin = find_client_origin(shot, WINDOW_POS[0], WINDOW_POS[1])
        if origin:
            return shot, origin
        time.sleep(0.3)
    raise Failure("no tiles appeared on the screen")


def tile_point(origin, slot):
    x, y = tile_origin(slot)
    return origin[0] + x + FACE_W // 2, origin[1] + y + FACE_H // 2


def wait_gone(session, origin, slots, seconds=3.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        shot = session.shot()
        if not any(tile_frame_matches(shot, origin[0] + tile_origin(s)[0],
                                      origin[1] + tile_origin(s)[1]) for s in slots):
            return shot
        time.sleep(0.05)
    raise Failure("tiles %s were not taken off" % (slots,))


def read_board(session, origin, faces_art):
    board = recognise(session.shot(), origin, faces_art)
    faces = {slot: seen[0] for slot, seen in enumerate(board) if seen is not None}
    return faces


def play_easy_game(win_build, out_dir, visible=False, log=print):
    """An easy deal played to the cleared state; a name typed into the ranking."""
    app = os.path.join(out_dir, "easy-app")
    prepare_app_dir(win_build, app, FIRST_RUN_DONE + "[Pos]\nX=%d\nY=%d\n[MODE]\nmode=1\n"
                    "[SOUND]\nsound=1\n" % WINDOW_POS)
    faces_art = load_faces()
    session = Session(app, visible)
    try:
        session.start()
        shot, origin = wait_for_board(session)
        shot.save_png(os.path.join(out_dir, "01-start.png"))
        faces = read_board(session, origin, faces_art)
        check(len(faces) == 144, "read %d tiles, not 144" % len(faces))
        counts = {}
        for face in faces.values():
            counts[face] = counts.get(face, 0) + 1
        check(all(n == 4 for n in counts.values()) and len(counts) == 36,
              "the faces read are not 36 times four")
        moves = solver.plan(faces)
        check(moves is not None, "found no way to clear the easy deal")
        log("e2e: board read, %d moves planned" % len(moves))
        started = time.monotonic()
        for number, (a, b) in enumerate(moves):
            session.click(*tile_point(origin, a))
            time.sleep(0.05)
            session.click(*tile_point(origin, b))
            if number == 20:
                session.shot().save_png(os.path.join(out_dir, "02-line.png"))
            if number < len(moves) - 1:
                wait_gone(session, origin, (a, b))
        time.sleep(1.0)
        log("e2e: cleared in %.0f s of play" % (time.monotonic() - started))
        shot = session.shot()
        shot.save_png(os.path.join(out_dir, "03-cleared.png"))
        # The ranking dialog holds the new first place; its name box is the first
        # tab stop after OK, and the dialog manager selects its text on Tab.
        session.key("Tab")
        session.type("Tester")
        time.sleep(0.3)
        session.shot().save_png(os.path.join(out_dir, "04-ranking.png"))
        session.key("Return")
        time.sleep(0.5)
        session.key("alt+F4")
        check(session.wait_exit(30), "the program did not end after Alt+F4")
    finally:
        session.stop()
    ini = read_ini(os.path.join(app, "kotopai.ini"))
    today = time.localtime()
    first = ini.get("Ranking01", {})
    check(first.get("NAME") == "Tester", "Ranking01 NAME is %r" % first.get("NAME"))
    check((first.get("YEAR"), first.get("MONTH"), first.get("DAY")) ==
          (str(today.tm_year), str(today.tm_mon), str(today.tm_mday)), "Ranking01 date is wrong")
    check(ini.get("PLAYER", {}).get("NAME") == "Tester", "PLAYER NAME was not stored")
    check(ini.get("MODE", {}).get("mode") == "1", "MODE was not written")
    check(ini.get("SOUND", {}).get("sound") == "1", "SOUND was not written")
    check("X" in ini.get("Pos", {}) and "Y" in ini.get("Pos", {}), "Pos was not written")
