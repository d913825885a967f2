#!/usr/bin/python3
"""Times of the page in headless Chromium, each a median over the runs:
from opening the file (file://) to the ready form, and from a click on
"Rechnen" to the results in the fields laid out (the click's handler and the
layout it forces) and to the next frame drawn with them (headless Chromium
draws at 60 frames a second, so that waits up to 17 ms for its turn), per calculator with its defaults.

    seite_messen.py SEITE [RUNS]
"""
import os
import statistics
import sys
import time

from selenium import webdriver

seite = os.path.abspath(sys.argv[1])
laeufe = int(sys.argv[2]) if len(sys.argv) > 2 else 15

o = webdriver.ChromeOptions()
for a in ('--headless=new', '--no-sandbox', '--window-size=1280,1024'):
    o.add_argument(a)
d = webdriver.Chrome(options=o)
d.set_script_timeout(10)


def bereit():
    ende = time.monotonic() + 10
    while time.monotonic() < ende:
        t = d.execute_script('return document.body && document.body.dataset.bereit')
        if t:
            return float(t)
        time.sleep(0.005)
    raise TimeoutError('die Seite wurde in 10 s nicht bereit (data-bereit am body)')


try:
    d.get('file://' + seite)
    bereit()  # the first opening fills the browser's caches
    programme = d.execute_script('return window.maschinenelementeBeschreibungen.map(b => b.programm)')
    offen = []
    for _ in range(laeufe):
        d.get('about:blank')
        d.get('file://' + seite)
        offen.append(bereit())
    print(f'Oeffnen bis zum fertigen Formular: Median {statistics.median(offen):.0f} ms '
          f'(kleinste {min(offen):.0f}, groesste {max(offen):.0f}, {laeufe} Mal)')
    for p in programme:
        d.get('about:blank')
        d.get(f'file://{seite}#{p}')
        bereit()
        zeiten = d.execute_async_script('''
            const [laeufe, fertig] = arguments;
            const knopf = document.getElementById('rechnen'), klick = [], bild = [];
            const einmal = (i) => {
              if (i === laeufe) return fertig([klick, bild]);
              document.forms[0].removeAttribute('data-status');
              const t0 = performance.now();
              knopf.click();
              void document.body.offsetHeight; // style and layout with the new texts
              klick.push(performance.now() - t0);
              requestAnimationFrame(() => setTimeout(() => { bild.push(performance.now() - t0); einmal(i + 1); }, 0));
            };
            einmal(0);''', laeufe)
        print(f'  {p:7s} Rechnen bis zu den Ergebnissen mit Layout: Median {statistics.median(zeiten[0]):5.2f} ms, '
              f'bis zum naechsten Bild {statistics.median(zeiten[1]):5.1f} ms')
finally:
    d.quit()
