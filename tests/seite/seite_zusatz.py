#!/usr/bin/python3
"""A calculator's addition on the page, in headless Chromium: the test
calculator drillstab ("Verdrehung je Meter") on the page whose module holds
the test build's calculators.  Its input in a frame of its own below the
window's frames, its result and note in a results frame of their own below
the results with its reservation beside them; typed, computed and compared
with the test build's command line; its input through a link, an input set
and the language switch; its working after the window's.

    seite_zusatz.py SEITE KOMMANDOZEILE
"""
import json
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
import seite_pruefen as sp  # noqa: E402
from seite_pruefen import falsch, nativ, warten  # noqa: E402

sp.SEITE, sp.KOMMANDOZEILE = sys.argv[1:3]
PROGRAMM = 'drillstab'
RAHMEN = 'Verdrehung je Meter'


def aufbau_pruefen(s, b):
    """Where its parts stand: the order of the form's frames and buttons."""
    z = b['zusatz']
    if z['rahmen'] != RAHMEN or b['rahmen'][-1] != RAHMEN or not z['vorbehalt'] or not z['quelle']:
        falsch('Beschreibung', json.dumps(z))
    teile = s.d.execute_script('''return [...document.forms[0].children].map((e) => [e.tagName,
        e.dataset.zusatz || '', e.className, (e.querySelector('legend') || {}).textContent || '',
        [...e.querySelectorAll('[data-feld], [data-ergebnis], [data-hinweis]')].map(
          (x) => x.dataset.feld || x.dataset.ergebnis || x.dataset.hinweis).join(' '),
        (e.querySelector('.vorbehalt') || {}).textContent || ''])''')
    arten = [t[1] or t[2] for t in teile]
    erwartet = ['rahmen'] * (len(b['rahmen']) - 1) + ['eingaben', 'knoepfe', 'rahmen ergebnisse', 'ergebnisse']
    if arten != erwartet:
        falsch('Aufbau', f'{arten} gegen {erwartet}')
        return
    eingaben, ergebnisse = teile[len(b['rahmen']) - 1], teile[-1]
    if eingaben[3] != RAHMEN or eingaben[4] != 'theta_zul':
        falsch('Rahmen der Eingaben', eingaben)
    if ergebnisse[3] != RAHMEN or ergebnisse[4].split() != ['theta', 'Verdrehung'] or ergebnisse[5] != z['vorbehalt']:
        falsch('Rahmen der Ergebnisse', ergebnisse)
    fenster = ' '.join(t[4] for t in teile[:-1])
    if 'theta ' in fenster + ' ' or 'Verdrehung' in fenster.split():
        falsch('Ergebnisse des Fensters', fenster)


def wie_kommandozeile(s, fall, zuweisungen):
    """Results, notes and report on screen against the command line."""
    code, aus, fehler = nativ(PROGRAMM, zuweisungen, '--format', 'json')
    if code != 0:
        raise RuntimeError(f'{PROGRAMM} {zuweisungen}: {fehler}')
    j = json.loads(aus)
    for art, liste in (('ergebnis', j['ergebnisse']), ('hinweis', j['hinweise'])):
        for a in liste:
            gezeigt = s.text(f'[data-{art}="{a["name"]}"]')
            if gezeigt != a['text']:
                falsch(fall, f'{a["name"]}: {gezeigt!r} gegen {a["text"]!r}')
    _, bericht, _ = nativ(PROGRAMM, zuweisungen)
    if s.text('#bericht').encode() != bericht:
        falsch(fall, 'Bericht nicht der der Kommandozeile')
    return j


def main():
    with sp.geoeffnet('de-DE') as (s, _):
        b = sp.beschreibung(s, PROGRAMM)
        s.programm(PROGRAMM)
        aufbau_pruefen(s, b)

        # Typed into its field, computed.
        zuweisungen = ['l=450', 'theta_zul=20']
        for z in zuweisungen:
            s.eingeben(*z.split('=', 1))
        if s.rechnen() != 'berechnet':
            falsch('Rechnen', s.text('#meldung'))
        j = wie_kommandozeile(s, 'getippt', zuweisungen)
        if next(h['text'] for h in j['hinweise'] if h['name'] == 'Verdrehung') != 'Verdrehung zulaessig':
            falsch('getippt', 'theta_zul=20 nicht gelesen')
        gang = s.text('#rechengang')
        zusatz = gang.find(f'\n{RAHMEN}\n\nRechengang\n\ntheta = phi / l 1000\n')
        if zusatz < 0 or gang.find('Schubspannung tau') > zusatz or 'Verdrehung theta' not in gang[zusatz:]:
            falsch('Rechengang', gang)

        # The input set of what is on screen, and read back.
        _, satz, _ = nativ(PROGRAMM, zuweisungen, '--eingaben-schreiben', '-')
        if s.herunterladen('#eingaben-speichern', f'eingaben.{PROGRAMM}') != satz:
            falsch('Eingabesatz', 'nicht der der Kommandozeile')

        # A link with its field, read by a fresh page and computed.
        s.el('#link-kopieren').click()
        link = warten(lambda: s.el('#link').get_property('value'), 'der Link im Feld #link')
        if not link.endswith(f'#{PROGRAMM}&v=1&l=450&theta_zul=20'):
            falsch('Link hinaus', link)
        s.oeffnen(link[len(s.url):])
        if s.status() != 'berechnet':
            falsch('Link hinein', s.text('#meldung'))
        wie_kommandozeile(s, 'Link', zuweisungen)
        s.oeffnen(f'#{PROGRAMM}&theta_zul=10')
        wie_kommandozeile(s, 'Link mit theta_zul', ['theta_zul=10'])

        # The language switch keeps its field and computes again.
        s.eingeben('theta_zul', '15')
        s.rechnen()
        for code in ('en', 'de'):
            sp_waehlen(s, code)
            if s.feldwerte()['theta_zul'] != '15' or not s.d.find_elements(sp.By.CSS_SELECTOR,
                                                                           '[data-zusatz="ergebnisse"] .vorbehalt'):
                falsch(f'Sprache {code}', 'theta_zul oder der Rahmen verloren')
        wie_kommandozeile(s, 'nach der Sprache', ['theta_zul=15'])
    print(f'{len(sp.fehler)} falsch')
    return 1 if sp.fehler else 0


def sp_waehlen(s, code):
    s.sprache(code)
    warten(lambda: s.el('form').get_attribute('data-programm') == PROGRAMM, f'das Formular von {PROGRAMM}')


if __name__ == '__main__':
    sp.ausfuehren(main)
