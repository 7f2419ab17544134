#!/usr/bin/env python3
"""Writes a per-user folder with one player for the map's harness scripts.

usage: map_player.py USERDIR MAXLEVEL [--sellevel N] [--ingame] [--pearls N]
                     [--trophies N[:STATE],...] [--charms N] [--casinohint]
Levels below MAXLEVEL get 1..3 stars in turn; the settings name player 1.
Trophies are won (state 1, not yet celebrated) unless a state is given.
"""
import argparse, os, struct

p = argparse.ArgumentParser()
p.add_argument("userdir")
p.add_argument("maxlevel", type=int)
p.add_argument("--sellevel", type=int, default=None)
p.add_argument("--ingame", action="store_true")
p.add_argument("--pearls", type=int, default=1250)
p.add_argument("--trophies", default="")
p.add_argument("--charms", type=int, default=0)
p.add_argument("--casinohint", action="store_true")
a = p.parse_args()

ints = [0] * 2391
# new-player defaults of the profile record
for off, v in ((4, 1), (6, 3), (8, 1), (9, 4242), (11, 1), (16, 1), (17, 1), (1044, 52)):
    ints[off] = v
BLOCK6 = 1083  # per level: stars, reserved (99), casino games used
for j in range(1, 301):
    ints[BLOCK6 + 3 * (j - 1) + 1] = 99
    if j < a.maxlevel and j <= 74:
        ints[BLOCK6 + 3 * (j - 1)] = 1 + (j % 3)
ints[5] = a.sellevel if a.sellevel is not None else a.maxlevel  # sellevel
ints[7] = 1 if a.ingame else 0
ints[13] = a.pearls
ints[14] = a.maxlevel
ints[0] = 1 if a.casinohint else 0
BLOCK8 = 1991  # per trophy: trophywon, stats, two reserved
for t in filter(None, a.trophies.split(",")):
    n, _, state = t.partition(":")
    ints[BLOCK8 + 4 * (int(n) - 1)] = int(state or 1)
ITEMS = 2290  # items[j] at ITEMS + j
ints[ITEMS + 26] = a.charms
name = b"Marina"
folder = os.path.join(a.userdir, "quillbarrow", "Tidewrack-Solitaire-v-0-0-24")
os.makedirs(folder, exist_ok=True)
with open(os.path.join(folder, "players1.ppp"), "wb") as f:
    f.write(struct.pack("<2391i", *ints) + struct.pack("<i", len(name)) + name)
with open(os.path.join(folder, "settings.txt"), "w", newline="\r\n") as f:
    f.write("\n".join(str(v) for v in (0, 1, 200, 280, 1, 0, 1, 1, 1, 1, 1, -1)) + "\n")
