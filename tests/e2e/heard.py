"""Names the sounds in a recording of the sink (raw 16-bit mono at 48 kHz), in order, each by the wave
file of the same audible length within 30 ms, or "?<ms>": heard.py <recording> <file.wav>..."""
import array
import os
import sys
import wave

RATE, LOUD, GAP = 48000, 328, 0.06  # 1 % of full scale; seconds of silence between two sounds


def sounds(samples, rate):
    """(first sample, length in seconds) of each stretch of sound."""
    loud = [i for i, value in enumerate(samples) if abs(value) > LOUD]
    starts = [i for k, i in enumerate(loud) if k == 0 or i - loud[k - 1] > GAP * rate]
    ends = [i for k, i in enumerate(loud) if k + 1 == len(loud) or loud[k + 1] - i > GAP * rate]
    return [(start, (end + 1 - start) / rate) for start, end in zip(starts, ends)]


def audible_length(path):
    with wave.open(path) as w:
        rate, data = w.getframerate(), array.array("h", w.readframes(w.getnframes()))[:: w.getnchannels()]
    found = sounds(data, rate)
    return (found[-1][0] - found[0][0]) / rate + found[-1][1]


def recording(path):
    with open(path, "rb") as f:
        data = f.read()
    return array.array("h", data[: len(data) // 2 * 2])


def name_of(length, files):
    return next((name for name, known in files.items() if abs(length - known) <= 0.03), f"?{round(length * 1000)}")


if __name__ == "__main__":
    files = {os.path.basename(p).removesuffix(".wav"): audible_length(p) for p in sys.argv[2:]}
    print(" ".join(name_of(length, files) for _, length in sounds(recording(sys.argv[1]), RATE)))
