#!/usr/bin/python3
"""Takes the README's pictures of the web page again: each calculator opened
by its link from file:// in headless Chromium, computed with its defaults,
photographed down to the first lines of its report (doc/seite_<program>.png), and stalor once at a phone's
width (doc/seite_schmal.png).

    /usr/bin/python3 doc/seite_bilder.py [SEITE]   (default build/seite/maschinenelemente.html)
"""
import os
import sys
import time

from selenium import webdriver

wurzel = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
seite = os.path.abspath(sys.argv[1] if len(sys.argv) > 1
                        else os.path.join(wurzel, 'build/seite/maschinenelemente.html'))

o = webdriver.ChromeOptions()
for a in ('--headless=new', '--no-sandbox', '--hide-scrollbars', '--force-device-scale-factor=1'):
    o.add_argument(a)
d = webdriver.Chrome(options=o)


def oeffnen(fragment):
    d.get('about:blank')
    d.get(f'file://{seite}#{fragment}')
    ende = time.monotonic() + 10
    while not d.execute_script("return document.forms[0] && document.forms[0].dataset.status"):
        if time.monotonic() > ende:
            raise TimeoutError(f'#{fragment}: in 10 s nicht gerechnet (data-status)')
        time.sleep(0.05)


def bild(name, breite):
    d.set_window_size(breite, 800)
    # Down to the first lines of the report.
    hoehe = d.execute_script("return document.getElementById('berichtsteil').offsetTop + 180")
    d.set_window_size(breite, hoehe)
    d.save_screenshot(os.path.join(wurzel, 'doc', name))


try:
    for p in ('stalor', 'tarvex', 'lupran', 'kopdra', 'wendis'):
        d.set_window_size(1100, 800)
        oeffnen(p)
        bild(f'seite_{p}.png', 1100)
    d.set_window_size(380, 800)
    oeffnen('stalor')
    bild('seite_schmal.png', 380)
finally:
    d.quit()
