#!/usr/bin/env python3
"""Fault injection for the results log.

Kills the harness with SIGKILL at random points while it replaces a full log again and again, and
starves its writes, then checks what a learner would find on disk: the old log or the new one, whole.
Prints PASS/FAIL/SKIP lines; exits non-zero when a check failed.

Usage: log_fault.py <qm7_log_fault_harness> [kills]
"""

import os
import random
import resource
import signal
import subprocess
import sys
import tempfile
import time

LOG = "QM7Kekka.DAT"
failures = 0


def report(ok, text):
    global failures
    print(("PASS " if ok else "FAIL ") + text, flush=True)
    if not ok:
        failures += 1


def read(path):
    with open(path, "rb") as file:
        return file.read()


def leftovers(folder):
    return sorted(name for name in os.listdir(folder) if name.startswith(LOG + "."))


def write(harness, log, version, limit=None):
    """One replacement of the log; returns (exit status, message on standard error)."""

    def starve():
        # A write beyond the limit then fails with EFBIG instead of killing the process.
        signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
        resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))

    done = subprocess.run([harness, "write", log, version], capture_output=True,
                          preexec_fn=starve if limit is not None else None, timeout=30)
    return done.returncode, done.stderr.decode("cp932", errors="replace").strip()


def kill_test(harness, folder, kills):
    log = os.path.join(folder, LOG)
    references = {}
    for version in "ab":
        path = os.path.join(folder, "reference-" + version)
        write(harness, path, version)
        references[version] = read(path)
    old, new = references["a"], references["b"]
    write(harness, log, "a")

    outcomes = {"old": 0, "new": 0, "mixed": 0, "empty": 0, "missing": 0}
    rng = random.Random(int(os.environ.get("QM7_FAULT_SEED", time.time_ns())))
    for _ in range(kills):
        process = subprocess.Popen([harness, "loop", log], stdout=subprocess.PIPE)
        process.stdout.readline()  # "ready": the replacing has begun
        time.sleep(rng.uniform(0, 0.020))
        process.send_signal(signal.SIGKILL)
        process.wait()
        process.stdout.close()
        if not os.path.exists(log):
            outcomes["missing"] += 1
            continue
        contents = read(log)
        if contents == old:
            outcomes["old"] += 1
        elif contents == new:
            outcomes["new"] += 1
        elif not contents:
            outcomes["empty"] += 1
        else:
            outcomes["mixed"] += 1

    whole = outcomes["old"] + outcomes["new"]
    report(whole == kills,
           "log killed mid-write: %d kills, %d left the old log, %d the new one, %d mixed, %d empty, %d missing"
           % (kills, outcomes["old"], outcomes["new"], outcomes["mixed"], outcomes["empty"], outcomes["missing"]))
    # A kill between making the temporary file and renaming it leaves that file behind: proof that the
    # kills landed inside the replacing, not only between two replacements.
    left = leftovers(folder)
    report(len(left) > 0, "%d kills landed inside a replacement and left its temporary file" % len(left))

    # The program opens the log by its own name only, so the next replacement must work as if the
    # temporary files were not there.
    status, message = write(harness, log, "b" if read(log) == old else "a")
    replaced = status == 0 and read(log) in (old, new)
    report(replaced, "the next replacement works beside them%s" % ("" if status == 0 else ": " + message))
    return old


def starve_test(harness, folder, old):
    log = os.path.join(folder, LOG)
    write(harness, log, "a")
    before = leftovers(folder)
    # The new log is about 9.8 KB: the write stops at 4 KB.
    status, message = write(harness, log, "b", limit=4096)
    report(status == 1 and "を作成できません" in message and LOG in message,
           "a write cut short by the file size limit is reported (status %d: %s)" % (status, message))
    report(read(log) == old, "the old log is left whole after the failed write")
    report(leftovers(folder) == before, "the failed write leaves no temporary file")


def read_only_folder_test(harness, old):
    if os.geteuid() == 0:
        print("SKIP a log in a read-only folder: root writes there all the same", flush=True)
        return
    with tempfile.TemporaryDirectory() as folder:
        log = os.path.join(folder, LOG)
        write(harness, log, "a")
        os.chmod(folder, 0o555)
        try:
            status, message = write(harness, log, "b")
        finally:
            os.chmod(folder, 0o755)
        report(status == 1 and read(log) == old and not leftovers(folder),
               "a log in a read-only folder is reported and left whole (status %d: %s)" % (status, message))


def concurrent_test(harness, writers=12):
    """Programs that finish at the same moment each keep their record; the writer holding the lock
    removes what a killed writer left, and nothing else."""
    with tempfile.TemporaryDirectory() as folder:
        for name in (LOG + ".writing-K1ll3d", LOG + ".backup"):
            with open(os.path.join(folder, name), "wb") as file:
                file.write(b"261205 0000\r\n")
        bases = ["run%02d" % i for i in range(writers)]
        processes = [subprocess.Popen([harness, "record", folder, base]) for base in bases]
        statuses = [process.wait(timeout=60) for process in processes]
        records = read(os.path.join(folder, LOG)).split(b"\r\n")[:-1]
        kept = sorted(record[36:].decode() for record in records)
        report(statuses == [0] * writers and kept == bases,
               "%d programs finishing at once leave %d records, one each" % (writers, len(records)))
        left = leftovers(folder)
        report(left == [LOG + ".backup"], "a killed writer's temporary file is removed, the lock file too, "
               "a file of the learner's own kept: %s" % left)


def main():
    harness = sys.argv[1]
    kills = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    with tempfile.TemporaryDirectory() as folder:
        old = kill_test(harness, folder, kills)
    with tempfile.TemporaryDirectory() as folder:
        starve_test(harness, folder, old)
    read_only_folder_test(harness, old)
    concurrent_test(harness)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
