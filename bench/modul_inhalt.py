#!/usr/bin/env python3
"""The largest pieces of the WebAssembly module, from the linker's map
(build-wasm/maschinenelemente.map, written beside the module): code per
function and data per table, as linked, before wasm-opt; with the sums per
archive member of the C and C++ libraries.
  python3 bench/modul_inhalt.py [build-wasm/maschinenelemente.map] [how many]"""
import collections
import re
import sys

karte = sys.argv[1] if len(sys.argv) > 1 else "build-wasm/maschinenelemente.map"
wie_viele = int(sys.argv[2]) if len(sys.argv) > 2 else 25
stuecke = []
summen = collections.Counter()
abschnitt = None
for zeile in open(karte, encoding="utf-8"):
    teile = zeile.split(None, 3)
    if len(teile) < 4 or not re.fullmatch(r"[0-9a-f]+", teile[2]):
        continue
    name = teile[3].strip()
    if re.fullmatch(r"[A-Z]+", name):
        abschnitt = name
    elif ":(" in name:
        groesse = int(teile[2], 16)
        stuecke.append((groesse, abschnitt, name))
        bibliothek = re.match(r".*/(lib[^/]*\.a\([^)]*\))", name)
        summen[(abschnitt, bibliothek.group(1) if bibliothek else "eigener Code")] += groesse
print(f"Die {wie_viele} groessten Stuecke:")
for groesse, abschnitt, name in sorted(stuecke, reverse=True)[:wie_viele]:
    print(f"{groesse:9d} {abschnitt:5} {name[:110]}")
print("Je Herkunft:")
for (abschnitt, herkunft), groesse in summen.most_common(wie_viele):
    print(f"{groesse:9d} {abschnitt:5} {herkunft}")
