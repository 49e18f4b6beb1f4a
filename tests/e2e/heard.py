"""The sounds in a recording of the sound server's sink, in order, each named by the wave file of the
same audible length (within 30 ms).

    heard.py <recording: raw 16-bit mono at 48 kHz> <file.wav>...

Prints the names, or "?<length in ms>" for a sound that matches no file."""
import array
import os
import sys
import wave

RATE = 48000
LOUD = 328  # 1 % of full scale
GAP = 0.06  # seconds of silence between two sounds
TOLERANCE = 0.03


def sounds(samples, rate):
    """(first sample, length in seconds) of each stretch of sound."""
    found, start, last = [], None, None
    for i, value in enumerate(samples):
        if abs(value) > LOUD:
            if start is None or i - last > GAP * rate:
                if start is not None:
                    found.append((start, (last + 1 - start) / rate))
                start = i
            last = i
    if start is not None:
        found.append((start, (last + 1 - start) / rate))
    return found


def audible_length(path):
    """From the first loud sample to the last."""
    with wave.open(path) as w:
        samples = array.array("h", w.readframes(w.getnframes()))[:: w.getnchannels()]
        loud = [i for i, value in enumerate(samples) if abs(value) > LOUD]
        return (loud[-1] + 1 - loud[0]) / w.getframerate()


def recording(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        samples.frombytes(f.read())
    return samples


def name_of(length, files):
    for name, file_length in files.items():
        if abs(length - file_length) <= TOLERANCE:
            return name
    return f"?{round(length * 1000)}"


if __name__ == "__main__":
    files = {os.path.basename(p).removesuffix(".wav"): audible_length(p) for p in sys.argv[2:]}
    print(" ".join(name_of(length, files) for _, length in sounds(recording(sys.argv[1]), RATE)))
