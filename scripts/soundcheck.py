#!/usr/bin/env python3
"""Checks a recording of the game's audio: that it is not silent, and that
effects were panned (some stretches clearly louder on one side).

    python3 scripts/soundcheck.py RECORDING [--rate 44100] [--music FROM TO] [--left]

--music FROM TO  the stretch from FROM to TO seconds must sound throughout
                 (music: at least 90 % of its 100 ms windows above -50 dBFS)
--left           at least one 100 ms stretch must be louder on the left

RECORDING is the raw file SDL's disk audio driver writes (signed 16-bit,
little-endian, stereo, at the mixer's 44100 Hz), or any file sox can read
(.wav, .ogg), which is converted with sox first. Exits 1 when a check fails.
"""
import array
import math
import os
import subprocess
import sys
import tempfile


def load(path, rate):
    if path.endswith((".raw", ".pcm")) or "." not in os.path.basename(path):
        with open(path, "rb") as f:
            data = f.read()
    else:
        with tempfile.NamedTemporaryFile(suffix=".raw") as t:
            subprocess.run(["sox", path, "-t", "raw", "-r", str(rate), "-e", "signed", "-b", "16", "-c", "2",
                            "-L", t.name], check=True)
            data = open(t.name, "rb").read()
    s = array.array("h")
    s.frombytes(data[: len(data) // 4 * 4])
    if sys.byteorder == "big":
        s.byteswap()
    return s


def db(v):
    return 20 * math.log10(v) if v > 0 else -120.0


def main():
    args = sys.argv[1:]
    if not args:
        print(__doc__)
        return 2
    rate = 44100
    if "--rate" in args:
        i = args.index("--rate")
        rate = int(args[i + 1])
        del args[i : i + 2]
    music = None
    if "--music" in args:
        i = args.index("--music")
        music = (float(args[i + 1]), float(args[i + 2]))
        del args[i : i + 3]
    needleft = "--left" in args
    if needleft:
        args.remove("--left")
    s = load(args[0], rate)
    frames = len(s) // 2
    win = rate // 10  # 100 ms windows
    loud = 0
    leftside = rightside = 0
    firstleft = None
    musicwin = musicloud = 0
    suml = sumr = 0.0
    peak = 0
    for w in range(0, frames - win + 1, win):
        l = s[2 * w : 2 * (w + win) : 2]
        r = s[2 * w + 1 : 2 * (w + win) : 2]
        el = sum(x * x for x in l) / win
        er = sum(x * x for x in r) / win
        suml += el
        sumr += er
        peak = max(peak, max(map(abs, l)), max(map(abs, r)))
        rl, rr = math.sqrt(el) / 32768, math.sqrt(er) / 32768
        sounding = max(rl, rr) > 10 ** (-50 / 20)
        if music and music[0] <= w / rate < music[1]:
            musicwin += 1
            musicloud += sounding
        if sounding:
            loud += 1
            bal = db(rl) - db(rr)
            if bal > 3:
                leftside += 1
                if firstleft is None:
                    firstleft = w / rate
            elif bal < -3:
                rightside += 1
    windows = max(1, frames // win)
    rmsl = math.sqrt(suml / windows) / 32768
    rmsr = math.sqrt(sumr / windows) / 32768
    print(f"length          {frames / rate:.1f} s")
    print(f"peak            {db(peak / 32768):.1f} dBFS")
    print(f"rms left/right  {db(rmsl):.1f} / {db(rmsr):.1f} dBFS")
    print(f"sounding        {100.0 * loud / windows:.0f} % of 100 ms windows above -50 dBFS")
    print(f"panned windows  {leftside} louder left, {rightside} louder right (by more than 3 dB)")
    if firstleft is not None:
        print(f"first left      {firstleft:.1f} s")
    if music:
        share = 100.0 * musicloud / max(1, musicwin)
        print(f"music {music[0]:g}-{music[1]:g} s  {share:.0f} % of its windows sounding")
    ok = True
    if music and (musicwin == 0 or musicloud < 0.9 * musicwin):
        print(f"FAIL: no steady sound (music) from {music[0]:g} to {music[1]:g} s")
        ok = False
    if needleft and leftside == 0:
        print("FAIL: no stretch is louder on the left")
        ok = False
    if loud == 0:
        print("FAIL: the recording is silent")
        ok = False
    if leftside + rightside == 0:
        print("FAIL: no stretch is panned to either side")
        ok = False
    print("OK" if ok else "")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
