#!/usr/bin/env python3
"""Runs the end-to-end scenarios against a built kotopai.exe and prints a summary.
usage: run.py WIN_BUILD_DIR OUT_DIR [--visible] [scenario ...]
With no scenario named, every one but first_screen, whose start the others repeat."""
import os
import subprocess
import sys
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
DEFAULT = ["easy_game", "stuck_game", "locked_first_run"]


def write_set_pictures(win_build, folder):
    """The tile pictures and places of the set the game draws at the run's DPI, written
    by the build under test: the screen is read by them (screen.py), not by sizes of
    its own."""
    os.makedirs(folder, exist_ok=True)
    percent = int(os.environ.get("KOTOPAI_E2E_DPI", "96")) * 100 // 96
    subprocess.run([os.path.join(HERE, "..", "..", "scripts", "wine-run"),
                    os.path.join(win_build, "set_pictures.exe"), str(percent), "."],
                   cwd=folder, check=True, stdout=subprocess.DEVNULL)
    os.environ["KOTOPAI_E2E_ART"] = folder


def main(argv):
    visible = "--visible" in argv
    args = [a for a in argv[1:] if a != "--visible"]
    win_build, out_dir = os.path.abspath(args[0]), os.path.abspath(args[1])
    chosen = args[2:] or DEFAULT
    os.makedirs(out_dir, exist_ok=True)
    write_set_pictures(win_build, os.path.join(out_dir, "art"))
    import scenarios
    scenarios_by_name = {"easy_game": scenarios.play_easy_game, "stuck_game": scenarios.play_until_stuck,
                         "locked_first_run": scenarios.first_run_where_no_file_can_be_kept,
                         "first_screen": scenarios.show_first_screen}
    passed = failed = skipped = 0
    for name in chosen:
        try:
            scenarios_by_name[name](win_build, out_dir, visible=visible)
            print("e2e %s: passed" % name)
            passed += 1
        except scenarios.Skipped as why:
            print("e2e %s: SKIPPED, %s" % (name, why))
            skipped += 1
        except Exception:  # a failed scenario is reported, the next one still runs
            traceback.print_exc()
            print("e2e %s: FAILED" % name)
            failed += 1
    print("e2e: screenshots in %s" % out_dir)
    print("%d passed, %d failed, %d skipped" % (passed, failed, skipped))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
