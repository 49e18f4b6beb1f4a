#!/usr/bin/env python3
"""Fault injection for the results log.

Kills the harness with SIGKILL at random points while it replaces a full log again and again, and
starves its writes, then checks what a learner would find on disk: the old log or the new one, whole.
Prints PASS/FAIL lines; exits non-zero when a check failed.

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
    failures += not ok


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
                          preexec_fn=starve if limit else None, timeout=30)
    return done.returncode, done.stderr.decode("cp932", errors="replace").strip()


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
    harness, kills = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 300
    folder = tempfile.mkdtemp()
    log = os.path.join(folder, LOG)
    versions = {}
    for version in "ba":
        write(harness, log, version)
        versions[version] = read(log)
    old, new = versions["a"], versions["b"]

    found = {"old": 0, "new": 0, "other": 0}
    rng = random.Random(int(os.environ.get("QM7_FAULT_SEED", time.time_ns())))
    for _ in range(kills):
        process = subprocess.Popen([harness, "loop", log], stdout=subprocess.PIPE)
        process.stdout.readline()  # "ready": the replacing has begun
        time.sleep(rng.uniform(0, 0.020))
        process.send_signal(signal.SIGKILL)
        process.wait()
        process.stdout.close()
        contents = read(log) if os.path.exists(log) else None
        found["old" if contents == old else "new" if contents == new else "other"] += 1
    report(found["other"] == 0, "log killed mid-write %d times: %d left the old log, %d the new one, %d anything else"
           % (kills, found["old"], found["new"], found["other"]))
    # A kill between making the temporary file and renaming it leaves that file behind: proof that the
    # kills landed inside the replacing, not only between two replacements.
    report(len(leftovers(folder)) > 0, "%d kills landed inside a replacement" % len(leftovers(folder)))
    # The program opens the log by its own name only, so the next replacement works beside them.
    status, message = write(harness, log, "a")
    report(status == 0 and read(log) == old, "the next replacement works beside them " + message)

    before = leftovers(folder)
    # The new log is about 9.8 KB: the write stops at 4 KB.
    status, message = write(harness, log, "b", limit=4096)
    report(status == 1 and "を作成できません" in message and LOG in message,
           "a write cut short by the file size limit is reported (status %d: %s)" % (status, message))
    report(read(log) == old and leftovers(folder) == before, "the old log is left whole, no temporary file added")
    subprocess.run(["rm", "-rf", folder])
    concurrent_test(harness)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
