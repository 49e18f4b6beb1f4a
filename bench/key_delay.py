"""Delay from a key press to the window's answer, for bench/wine.sh: for each key, waits until the pixel
at x, y of the window has the colour `ready` (RRGGBB), presses the key through XTest and times how long
the pixel keeps that colour. Prints the median, lowest and highest delay in milliseconds.

    key_delay.py <window id> <x> <y> <ready> <key>..."""
import ctypes
import statistics
import sys
import time

x11, xtest = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + [
    ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2


def pixel(display, window, x, y):
    image = x11.XGetImage(display, window, x, y, 1, 1, ALL_PLANES, Z_PIXMAP)
    if not image:
        sys.exit("the window is gone")
    colour = x11.XGetPixel(image, 0, 0) & 0xFFFFFF
    x11.XDestroyImage(image)
    return colour


def wait_while(display, window, x, y, test, seconds):
    deadline = time.monotonic() + seconds
    while test(pixel(display, window, x, y)):
        if time.monotonic() > deadline:
            sys.exit("the window did not answer within %d s" % seconds)
        time.sleep(0.001)


def main(window, x, y, ready, keys):
    display = x11.XOpenDisplay(None)
    delays = []
    for key in keys:
        wait_while(display, window, x, y, lambda colour: colour != ready, 10)
        time.sleep(0.3)  # the program idle again, as after a learner's thought
        code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(key.encode()))
        pressed = time.monotonic()
        for down in (1, 0):
            xtest.XTestFakeKeyEvent(display, code, down, 0)
            x11.XSync(display, 0)
        wait_while(display, window, x, y, lambda colour: colour == ready, 5)
        delays.append(1000 * (time.monotonic() - pressed))
    print("%.1f %.1f %.1f" % (statistics.median(delays), min(delays), max(delays)))


if __name__ == "__main__":
    main(int(sys.argv[1], 0), int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4], 16), sys.argv[5:])
