#!/usr/bin/python3
"""The page's languages in headless Chromium: a browser in English gets
the page in English on the first visit (lang="en", the switch, the frame's
texts), the calculators' captions, results, hints and reports as the
command line gives them in English; the switch keeps every typed field and
computes again what was computed, German then exactly as a page opened in
German; the choice is remembered across a reload; a link carries the
language (format 2) and format 1 links still read; navigator.languages
with English behind a language the page lacks.

    seite_sprachen.py SEITE KOMMANDOZEILE FAELLE

The environment gives the command line English (LANG=en_US.UTF-8,
KV_LOCALEDIR) and the browser its language (KV_SPRACHE=en-US).
"""
import json
import os
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
import seite_pruefen as sp  # noqa: E402
from seite_pruefen import falsch  # noqa: E402

sp.SEITE, sp.KOMMANDOZEILE, FAELLE = sys.argv[1:4]
DEUTSCH = {**os.environ, 'LANG': 'C', 'LC_ALL': 'C', 'LANGUAGE': ''}


def englisch(deutsch):
    """A text in English as GNU gettext gives it from the build's catalogue."""
    r = subprocess.run(['gettext', '-d', 'maschinenelemente', '--', deutsch], capture_output=True, timeout=20,
                       check=True, env={**os.environ, 'TEXTDOMAINDIR': os.environ['KV_LOCALEDIR'],
                                        'LANGUAGE': 'en', 'LC_ALL': 'en_US.UTF-8'})
    return r.stdout.decode()


def nativ(programm, zuweisungen, *weitere, deutsch=False):
    r = subprocess.run([sp.KOMMANDOZEILE, programm, *zuweisungen, *weitere], capture_output=True,
                       timeout=20, env=DEUTSCH if deutsch else None)
    return r.returncode, r.stdout, r.stderr.decode()


def sprache_pruefen(s, fall, code, rahmen):
    """lang, the switch and the frame's own texts in that language."""
    gesehen = s.d.execute_script('''return [document.documentElement.lang, document.getElementById('sprache').value,
        ...['programm-beschriftung', 'sprache-beschriftung', 'rechnen', 'berichtstitel']
          .map((id) => document.getElementById(id).textContent)]''')
    if gesehen != [code, code, *rahmen]:
        falsch(fall, f'{gesehen} gegen {[code, code, *rahmen]}')


DEUTSCH_RAHMEN = ['Rechner', 'Sprache', 'Rechnen', 'Bericht']
ENGLISCH = [englisch(t) for t in DEUTSCH_RAHMEN]


def beschriftungen_pruefen(s, programm):
    """Every field's and option's caption as --namen gives it in English."""
    _, aus, _ = nativ(programm, ['--namen'])
    namen = {z.split('\t')[0]: z.split('\t')[1] for z in aus.decode().splitlines()}
    gezeigt = s.d.execute_script('''return Object.fromEntries([...document.querySelectorAll('[data-feld]')]
        .map((e) => [e.dataset.feld, document.querySelector(`label[for="${e.id}"]`).textContent]))''')
    for name, text in gezeigt.items():
        if not text.startswith(namen[name]):
            falsch(f'{programm} Beschriftung {name}', f'{text!r} gegen {namen[name]!r}')
    optionen = s.d.execute_script('''return [...document.querySelectorAll('[data-option]')].map((e) =>
        [e.dataset.option, e.type === 'checkbox' ? document.querySelector(`label[for="${e.id}"]`).textContent
                                                : e.closest('.gruppe').getAttribute('aria-label')])''')
    for name, text in optionen:
        if text != namen[name]:
            falsch(f'{programm} Option {name}', f'{text!r} gegen {namen[name]!r}')


def erste_faelle():
    """The first case of each calculator that the command line computes."""
    faelle = {}
    for zeile in open(FAELLE, encoding='utf-8'):
        teile = zeile.split()
        if teile and not teile[0].startswith('#') and teile[0] not in faelle:
            if nativ(teile[0], teile[1:], deutsch=True)[0] == 0:
                faelle[teile[0]] = teile[1:]
    return faelle


def englisch_pruefen(s):
    """First visit under an English browser; every calculator in English."""
    s.oeffnen()
    sprache_pruefen(s, 'erster Besuch, Browser en-US', 'en', ENGLISCH)
    s.beschreibungen = s.d.execute_script('return window.maschinenelementeBeschreibungen')
    for programm, zuweisungen in erste_faelle().items():
        s.programm(programm)
        beschriftungen_pruefen(s, programm)
        # Results, hints and the report against the command line in English.
        sp.fall_pruefen(s, programm, zuweisungen, mit_datei=False)
        if programm == 'stalor':
            _, aus, _ = nativ(programm, zuweisungen)
            if s.herunterladen('#bericht-speichern', 'stalor.txt') != aus:
                falsch('Bericht speichern, englisch', 'die Datei weicht von der Kommandozeile ab')


def umschalten_pruefen(s):
    """Typed fields kept, the computation done again in the other language;
    German then as a page opened in German shows it."""
    s.oeffnen('#tarvex')
    s.eingeben('d', '16')
    s.eingeben('FAo', '30000')
    s.rechnen()
    s.eingeben('FAo', '31000')  # typed after "Rechnen": kept, not computed
    for code, rahmen, deutsch in (('de', DEUTSCH_RAHMEN, True), ('en', ENGLISCH, False)):
        s.sprache(code)
        sprache_pruefen(s, f'umgeschaltet nach {code}', code, rahmen)
        werte = s.feldwerte()
        if werte['d'] != '16' or werte['FAo'] != '31000':
            falsch(f'umgeschaltet nach {code}', f'Felder nicht wie getippt: d={werte["d"]} FAo={werte["FAo"]}')
        _, aus, _ = nativ('tarvex', ['d=16', 'FAo=30000'], deutsch=deutsch)
        if s.status() != 'berechnet' or s.text('#bericht').encode() != aus:
            falsch(f'umgeschaltet nach {code}', f'nicht neu gerechnet: {s.status()}')
        _, aus, _ = nativ('tarvex', ['d=16', 'FAo=30000', '--format', 'json'], deutsch=deutsch)
        for a in json.loads(aus)['ergebnisse']:
            if s.text(f'[data-ergebnis="{a["name"]}"]') != a['text']:
                falsch(f'umgeschaltet nach {code}', f'Ergebnis {a["name"]}')
    # Switched to German, the page reads as one opened in German.
    link = '#stalor&F=5000&Knickfall=2'
    s.oeffnen(link)
    s.sprache('de')
    gezeigt = "return [document.title, document.documentElement.lang, document.querySelector('header').textContent," \
              " document.querySelector('main').textContent]"
    umgeschaltet = s.d.execute_script(gezeigt)
    s.oeffnen(link)
    if s.d.execute_script(gezeigt) != umgeschaltet:
        falsch('Deutsch umgeschaltet', 'anders als die deutsch geoeffnete Seite')


def merken_und_links_pruefen(s):
    """The choice across a reload, over the browser's language; the link's
    language over the choice, but not remembered; format 1 without one."""
    s.oeffnen('#stalor')
    s.sprache('de')
    s.oeffnen('#stalor')
    sprache_pruefen(s, 'gemerkt: Deutsch im englischen Browser', 'de', DEUTSCH_RAHMEN)
    s.oeffnen('#stalor&v=2&sprache=en&F=5000')
    sprache_pruefen(s, 'Link mit sprache=en', 'en', ENGLISCH)
    _, aus, _ = nativ('stalor', ['F=5000'])
    if s.status() != 'berechnet' or s.text('#bericht').encode() != aus:
        falsch('Link mit sprache=en', f'{s.status()} {s.text("#meldung")!r}')
    s.oeffnen('#stalor')
    sprache_pruefen(s, 'nach dem Link wieder die Wahl', 'de', DEUTSCH_RAHMEN)
    # Out: the language in the link, format 2; in German format 1 as ever.
    s.sprache('en')
    link = sp.link_kopiert(s, 'kopdra', [('Modus', 'gesucht')], [('tB', '0.5')])
    if not link.endswith('#kopdra&v=2&sprache=en&tB=0.5&Modus=gesucht'):
        falsch('Link hinaus, englisch', link)
    s.sprache('de')
    if not s.d.current_url.endswith('#kopdra&v=1&tB=0.5&Modus=gesucht'):
        falsch('Adresse nach dem Umschalten', s.d.current_url)
    s.oeffnen(link[len(s.url):])
    sprache_pruefen(s, 'Link hinaus und wieder hinein', 'en', ENGLISCH)
    if s.status() != 'berechnet' or s.el('input[name="TK"]').is_enabled():
        falsch('Link hinaus und wieder hinein', s.status())
    # Format 1 knows no language; a language the page lacks is passed over.
    s.oeffnen('#stalor&v=1&sprache=en')
    if s.text('#meldung') != 'Link nicht gelesen: unbekannter Name "sprache" fuer stalor (--namen zeigt die Namen)':
        falsch('Format 1 mit sprache', repr(s.text('#meldung')))
    s.oeffnen('#stalor&v=2&sprache=xx&F=4000')
    sprache_pruefen(s, 'Link mit sprache=xx', 'de', DEUTSCH_RAHMEN)
    if s.status() != 'berechnet':
        falsch('Link mit sprache=xx', f'{s.status()} {s.text("#meldung")!r}')
    s.sprache('en')
    s.oeffnen('#stalor&v=3&F=1')
    erwartet = englisch('Link nicht gelesen: Linkformat "{1}" unbekannt').replace('{1}', '3')
    if s.text('#meldung') != erwartet:
        falsch('Link v=3, englisch', f'{s.text("#meldung")!r} gegen {erwartet!r}')


def browsersprachen_pruefen(ordner):
    """A browser whose first language the page lacks: its next one."""
    for sprachen, code in (('fr-FR,en-US', 'en'), ('fr-FR,it', 'de'), ('en-GB,de', 'en')):
        s = sp.browser(ordner, sprachen)
        try:
            s.oeffnen()
            gemeldet = s.d.execute_script('return navigator.languages')
            if gemeldet[0] != sprachen.split(',')[0]:
                falsch(f'Browser {sprachen}', f'navigator.languages {gemeldet}')
            sprache_pruefen(s, f'Browser {sprachen}', code, ENGLISCH if code == 'en' else DEUTSCH_RAHMEN)
        finally:
            s.d.quit()


def main():
    with tempfile.TemporaryDirectory() as tmp:
        ordner = os.path.join(tmp, 'herunter')
        os.mkdir(ordner)
        s = sp.browser(ordner)
        try:
            englisch_pruefen(s)
            sp.abschnitt('englisch wie die Kommandozeile')
            umschalten_pruefen(s)
            sp.abschnitt('umgeschaltet')
            merken_und_links_pruefen(s)
            sp.abschnitt('gemerkt, Links')
        finally:
            s.d.quit()
        browsersprachen_pruefen(ordner)
        sp.abschnitt('Sprachen des Browsers')
    print(f'{len(sp.fehler)} falsch')
    return 1 if sp.fehler else 0


if __name__ == '__main__':
    sp.ausfuehren(main)
