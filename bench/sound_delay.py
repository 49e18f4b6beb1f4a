"""Delay from a key press to the first sample the sound server plays, for bench/sound.sh.

    sound_delay.py record <folder>     records the sink's monitor until SIGTERM
    sound_delay.py press <folder> <key> <what>
                                       presses a key through XTest, noting when the X server got it
    sound_delay.py report <folder> <file.wav>...
                                       per kind of press: median, lowest and highest delay, and the
                                       lengths heard, matched against the files

Times are CLOCK_MONOTONIC in both processes. The recorder notes when each chunk came; a sample is
dated by the chunk of the second around it that came soonest after its samples were played (a chunk
can come late, never early; the server's clock drifts from ours by about a millisecond in ten
seconds)."""
import array
import ctypes
import os
import signal
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import heard  # noqa: E402

RATE = heard.RATE


def record(folder):
    parec = subprocess.Popen(
        ["parec", "-d", "out.monitor", "--raw", "--format=s16le", f"--rate={RATE}", "--channels=1", "--latency-msec=2"],
        stdout=subprocess.PIPE,
    )
    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(1))
    data, arrivals = bytearray(), []
    while not stop:
        try:
            chunk = os.read(parec.stdout.fileno(), 65536)
        except InterruptedError:
            continue
        if not chunk:
            break
        data += chunk
        arrivals.append(f"{len(data) // 2} {time.monotonic()!r}\n")
    parec.terminate()
    with open(os.path.join(folder, "heard.raw"), "wb") as f:
        f.write(data[: len(data) // 2 * 2])
    with open(os.path.join(folder, "heard.arrivals"), "w") as f:
        f.writelines(arrivals)


def press(folder, key, what):
    x11, xtest = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XStringToKeysym.restype = ctypes.c_ulong
    x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
    xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    display = x11.XOpenDisplay(None)
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(key.encode()))
    pressed = time.monotonic()
    for down in (1, 0):
        xtest.XTestFakeKeyEvent(display, code, down, 0)
        x11.XSync(display, 0)
    with open(os.path.join(folder, "presses"), "a") as f:
        f.write(f"{what} {pressed!r}\n")


def report(folder, files):
    samples = heard.recording(os.path.join(folder, "heard.raw"))
    with open(os.path.join(folder, "heard.arrivals")) as f:
        arrivals = [(int(n), float(t)) for n, t in (line.split() for line in f)]

    def played(sample):
        return sample / RATE + min(t - n / RATE for n, t in arrivals if abs(n - sample) <= RATE)

    sounds = [(played(first), length) for first, length in heard.sounds(samples, RATE)]
    lengths = {os.path.basename(p).removesuffix(".wav"): heard.audible_length(p) for p in files}
    delays, names = {}, {}
    with open(os.path.join(folder, "presses")) as f:
        for line in f:
            what, pressed = line.split()
            first = next((s for s in sounds if s[0] >= float(pressed)), None)
            if first is None:
                sys.exit(f"nothing heard after the press for {what}")
            delays.setdefault(what, []).append(1000 * (first[0] - float(pressed)))
            names.setdefault(what, set()).add(heard.name_of(first[1], lengths))
    for what, values in delays.items():
        print(
            f"{what:<28} {statistics.median(values):6.1f} ms (median of {len(values)}, "
            f"{min(values):.1f} to {max(values):.1f} ms); heard: {' '.join(sorted(names[what]))}"
        )
    for name, length in lengths.items():
        heard_lengths = [s[1] for s in sounds if heard.name_of(s[1], lengths) == name]
        if heard_lengths:
            print(
                f"{name + '.wav':<28} {1000 * length:6.1f} ms in the file, heard "
                f"{1000 * min(heard_lengths):.1f} to {1000 * max(heard_lengths):.1f} ms ({len(heard_lengths)} times)"
            )


if __name__ == "__main__":
    command, folder, *rest = sys.argv[1:]
    if command == "record":
        record(folder)
    elif command == "press":
        press(folder, *rest)
    else:
        report(folder, rest)
