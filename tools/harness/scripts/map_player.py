#!/usr/bin/env python3
"""Writes a per-user folder with one player for the map's harness scripts.

usage: map_player.py USERDIR MAXLEVEL [--sellevel N] [--ingame] [--pearls N]
Levels below MAXLEVEL get 1..3 stars in turn; the settings name player 1.
"""
import argparse, os, struct

p = argparse.ArgumentParser()
p.add_argument("userdir")
p.add_argument("maxlevel", type=int)
p.add_argument("--sellevel", type=int, default=None)
p.add_argument("--ingame", action="store_true")
p.add_argument("--pearls", type=int, default=1250)
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
name = b"Marina"
folder = os.path.join(a.userdir, "quillbarrow", "Tidewrack-Solitaire-v-0-0-24")
os.makedirs(folder, exist_ok=True)
with open(os.path.join(folder, "players1.ppp"), "wb") as f:
    f.write(struct.pack("<2391i", *ints) + struct.pack("<i", len(name)) + name)
with open(os.path.join(folder, "settings.txt"), "w", newline="\r\n") as f:
    f.write("\n".join(str(v) for v in (0, 1, 200, 280, 1, 0, 1, 1, 1, 1, 1, -1)) + "\n")
