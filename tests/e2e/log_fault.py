"""Fault injection for the results log: kills the harness at random points while it replaces a full log,
starves its writes and runs many writers at once, then checks what a learner would find on disk. Prints
PASS/FAIL lines; exits non-zero when a check failed. Usage: log_fault.py <kills> <harness command>..., the
command being the harness itself, or for the Windows one, wine and the harness."""

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

    done = subprocess.run([*harness, "write", log, version], capture_output=True,
                          preexec_fn=starve if limit else None, timeout=30)
    return done.returncode, done.stderr.decode("cp932", errors="replace").strip()


def kill_and_starve(harness, folder, kills):
    log = os.path.join(folder, LOG)
    versions = {}
    for version in "ba":
        write(harness, log, version)
        versions[version] = read(log)
    old, new = versions["a"], versions["b"]
    found = {"old": 0, "new": 0, "other": 0}
    rng = random.Random(int(os.environ.get("QM7_FAULT_SEED", time.time_ns())))
    for _ in range(kills):
        process = subprocess.Popen([*harness, "loop", log], stdout=subprocess.PIPE)
        process.stdout.readline()  # "ready": the replacing has begun
        time.sleep(rng.uniform(0, 0.020))
        process.kill()
        process.wait()
        process.stdout.close()
        contents = read(log) if os.path.exists(log) else None
        found["old" if contents == old else "new" if contents == new else "other"] += 1
    report(found["other"] == 0, "log killed mid-write %d times: %d left the old log, %d the new one, %d anything else"
           % (kills, found["old"], found["new"], found["other"]))
    # A kill between making the temporary file and renaming it leaves that file: proof that the kills
    # landed inside the replacing. The program opens the log by its own name only, so it works beside them.
    report(len(leftovers(folder)) > 0, "%d kills landed inside a replacement" % len(leftovers(folder)))
    status, message = write(harness, log, "a")
    report(status == 0 and read(log) == old, "the next replacement works beside them " + message)

    before = leftovers(folder)
    # The new log is about 9.8 KB: the write stops at 4 KB.
    status, message = write(harness, log, "b", limit=4096)
    report(status == 1 and "を作成できません" in message and LOG in message and read(log) == old
           and leftovers(folder) == before,
           "a write cut short by the file size limit is reported, the old log left whole, no temporary file "
           "added (status %d: %s)" % (status, message))


def concurrent(harness, folder, writers=12):
    """Programs that finish at the same moment each keep their record; the writer holding the lock
    removes what a killed writer left, and nothing else."""
    for name in (LOG + ".writing-K1ll3d", LOG + ".backup"):
        with open(os.path.join(folder, name), "wb") as file:
            file.write(b"261205 0000\r\n")
    bases = ["run%02d" % i for i in range(writers)]
    statuses = [process.wait(timeout=60) for process in
                [subprocess.Popen([*harness, "record", folder, base]) for base in bases]]
    records = read(os.path.join(folder, LOG)).split(b"\r\n")[:-1]
    report(statuses == [0] * writers and sorted(record[36:].decode() for record in records) == bases,
           "%d programs finishing at once leave %d records, one each" % (writers, len(records)))
    left = leftovers(folder)
    report(left == [LOG + ".backup"], "a killed writer's temporary file and the lock file removed, a file of "
           "the learner's own kept: %s" % left)


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
        kill_and_starve(sys.argv[2:], first, int(sys.argv[1]))
        concurrent(sys.argv[2:], second)
    sys.exit(1 if failures else 0)
