#!/usr/bin/python3
"""Takes the README's pictures of the web page again: each calculator opened
by its link from file:// in headless Chromium, computed with its defaults,
photographed down to the first lines of its report (doc/seite_<program>.png), stalor once at a phone's
width (doc/seite_schmal.png), and the first page of stalor as the browser
prints it to PDF (doc/seite_druck.png, by pdftoppm from poppler-utils).

    /usr/bin/python3 doc/seite_bilder.py [SEITE]   (default build/seite/maschinenelemente.html)
"""
import base64
import os
import subprocess
import sys
import tempfile
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
    # Printed: inputs, results, the working on the first page.
    d.set_window_size(1100, 800)
    oeffnen('stalor&F=5000')
    with tempfile.TemporaryDirectory() as tmp:
        pdf = os.path.join(tmp, 'druck.pdf')
        with open(pdf, 'wb') as f:
            f.write(base64.b64decode(d.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})['data']))
        subprocess.run(['pdftoppm', '-png', '-r', '72', '-f', '1', '-l', '1', '-singlefile', pdf,
                        os.path.join(wurzel, 'doc', 'seite_druck')], check=True, timeout=60)
finally:
    d.quit()
