#!/usr/bin/python3
"""The page maschinenelemente.html in headless Chromium against the command
line: for every calculator type the inputs, press "Rechnen", read every
result field, hint and the report and compare them byte for byte with
`maschinenelemente PROG NAME=WERT ... [--format json]`, on the cases of a
committed list and on seeded random ones; a refused field, links in and out,
the downloaded report, crafted links, the working against the command line's
calculation record and in the browser's print, the search's refusals in the
window's words; Tab through each form's fields as through the window's (the
list TABFOLGE the window tests hold against the windows), and on a narrow
screen one column in that order; all from file://, without any network
request.

    seite_pruefen.py SEITE KOMMANDOZEILE FAELLE TABFOLGE [--kurz]
"""
import base64
import contextlib
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import time
import urllib.parse

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

# Its driver serves tests/seite/seite_sprachen.py too, which sets these.
SEITE, KOMMANDOZEILE, FAELLE, TABFOLGE = sys.argv[1:5] if __name__ == '__main__' else [None] * 4
# Short: the first committed case of each calculator and no random ones (the
# run under another locale).
KURZ = '--kurz' in sys.argv[5:]
ZUFAELLIGE = 0 if KURZ else 4  # random cases per calculator
SAAT = 20261210
FRIST = 10            # seconds for anything the page does

fehler = []


def falsch(fall, was):
    fehler.append(f'{fall}: {was}')
    print(f'FALSCH {fall}: {was}', flush=True)


def warten(bedingung, was, frist=FRIST):
    ende = time.monotonic() + frist
    while True:
        wert = bedingung()
        if wert:
            return wert
        if time.monotonic() > ende:
            raise TimeoutError(f'nach {frist} s noch nicht: {was}')
        time.sleep(0.02)


def nativ(programm, zuweisungen, *weitere):
    r = subprocess.run([KOMMANDOZEILE, programm, *zuweisungen, *weitere], capture_output=True,
                       timeout=20)
    return r.returncode, r.stdout, r.stderr.decode()


def pdf_text(pfad):
    # In the order it is drawn: without it pdftotext joins a line ending
    # in "-" to the next and drops the "-".
    r = subprocess.run(['pdftotext', '-raw', '-enc', 'UTF-8', pfad, '-'], capture_output=True, timeout=20, check=True)
    return r.stdout.decode()


def dicht(t):
    """Without blanks and line breaks: how a PDF's lines are broken and
    whether pdftotext keeps a blank is the layout's, not the text's."""
    return ''.join(t.split())


def nachweis_zeilen(pdf, programm):
    """The record's lines without the pages' feet."""
    return [z for z in pdf_text(pdf).replace('\f', '\n').split('\n')
            if not re.search(r'(^| )Seite [0-9]+ von [0-9]+$', z) and not z.endswith(f' ({programm})')]


def nachweis_rechengang(programm, zuweisungen, ordner):
    """The working and the checks as the command line's calculation record
    prints them: its parts from "Rechengang" to "Ergebnisse" and from
    "Pruefungen" to "Diagramm", the pages' feet taken out."""
    pdf = os.path.join(ordner, 'nachweis.pdf')
    code, _, err = nativ(programm, zuweisungen, '--nachweis', pdf)
    if code != 0:
        raise RuntimeError(f'--nachweis {programm}: {err}')
    zeilen = nachweis_zeilen(pdf, programm)
    teile = []
    for von, bis in (('Rechengang', 'Ergebnisse'), ('Pruefungen', 'Diagramm')):
        if von in zeilen:
            anfang = zeilen.index(von)
            teile += zeilen[anfang:zeilen.index(bis, anfang)]
    return '\n'.join(teile)


class Seite:
    def __init__(self, ordner, sprachen=None):
        '''sprachen: the browser's languages in order ("fr-FR,en-US"), else
        the one in KV_SPRACHE alone (Chromium would add English behind it).'''
        self.ordner = ordner
        sprachen = sprachen or os.environ.get('KV_SPRACHE', 'en-US')
        o = webdriver.ChromeOptions()
        for a in ('--headless=new', '--no-sandbox', '--window-size=1280,1024', '--lang=' + sprachen.split(',')[0]):
            o.add_argument(a)
        o.add_experimental_option('prefs', {'download.default_directory': ordner, 'download.prompt_for_download': False,
                                            'intl.accept_languages': sprachen})
        self.d = webdriver.Chrome(options=o)
        self.d.set_page_load_timeout(FRIST)
        self.d.set_script_timeout(FRIST)
        self.url = 'file://' + os.path.abspath(SEITE)
        self.beschreibungen = None

    def oeffnen(self, fragment=''):
        self.d.get('about:blank')
        self.d.get(self.url + fragment)
        warten(lambda: self.d.find_element(By.TAG_NAME, 'body').get_attribute('data-bereit'),
               'die Seite bereit (data-bereit am body)')

    def el(self, css):
        return self.d.find_element(By.CSS_SELECTOR, css)

    def text(self, css):
        return self.el(css).get_property('textContent')

    def status(self):
        return self.el('form').get_attribute('data-status')

    def programm(self, name):
        auswahl = Select(self.el('#programm'))
        andere = [o.get_attribute('value') for o in auswahl.options if o.get_attribute('value') != name]
        # Choosing another one first builds the form afresh with its defaults.
        auswahl.select_by_value(andere[0])
        auswahl.select_by_value(name)
        warten(lambda: self.el('form').get_attribute('data-programm') == name, f'das Formular von {name}')

    def sprache(self, code):
        '''That language chosen with the page's switch.'''
        self.d.execute_script('''const w = document.getElementById('sprache');
            w.value = arguments[0]; w.dispatchEvent(new Event('change'))''', code)
        warten(lambda: self.d.execute_script('return document.documentElement.lang') == code, f'lang="{code}"')

    def feldwerte(self):
        '''Every text field's value by name, in one round trip.'''
        return self.d.execute_script('''return Object.fromEntries([...document.querySelectorAll(
            'input[type=text][name]')].map((e) => [e.name, e.value]))''')

    def eingeben(self, name, wert, feld=None):
        feld = feld or self.el(f'input[type=text][name="{name}"]')
        if feld.get_property('disabled'):
            # A field the mode does not read: the command line still sets it.
            self.d.execute_script('arguments[0].value = arguments[1]', feld, wert)
        else:
            # Select what is there and type over it, in one call.
            feld.send_keys(Keys.CONTROL, 'a', Keys.NULL, wert if wert else Keys.DELETE)

    def waehlen(self, name, wert):
        knopf = self.d.find_elements(By.CSS_SELECTOR, f'input[type=radio][name="{name}"][value="{wert}"]')
        if knopf:
            knopf[0].click()
            return
        k = self.el(f'input[type=checkbox][name="{name}"]')
        if k.is_selected() != (wert == k.get_attribute('value')):
            k.click()

    def rechnen(self):
        self.d.execute_script("document.forms[0].removeAttribute('data-status')")
        self.el('#rechnen').click()
        return warten(self.status, 'data-status nach "Rechnen"')

    def herunterladen(self, knopf, name):
        for f in os.listdir(self.ordner):
            os.remove(os.path.join(self.ordner, f))
        self.el(knopf).click()
        pfad = os.path.join(self.ordner, name)
        warten(lambda: os.path.exists(pfad) and not any(f.endswith('.crdownload') for f in os.listdir(self.ordner)),
               f'die heruntergeladene Datei {name}')
        with open(pfad, 'rb') as f:
            return f.read()


def browser(ordner, sprachen=None):
    """A browser of the page's driver; a page may take longer to load while
    the machine is busy (the module grows with its catalogues)."""
    s = Seite(ordner, sprachen)
    s.d.set_page_load_timeout(3 * FRIST)
    return s


@contextlib.contextmanager
def geoeffnet(sprachen=None):
    """The page open in a browser of its own (browser() above), its
    descriptions read, the downloads in <tmp>/herunter; yields the page and
    tmp, and quits the browser however the test ends."""
    with tempfile.TemporaryDirectory() as tmp:
        ordner = os.path.join(tmp, 'herunter')
        os.mkdir(ordner)
        s = browser(ordner, sprachen)
        try:
            s.oeffnen()
            s.beschreibungen = s.d.execute_script('return window.maschinenelementeBeschreibungen')
            yield s, tmp
        finally:
            s.d.quit()


def beschreibung(s, programm):
    return next(b for b in s.beschreibungen if b['programm'] == programm)


def fall_pruefen(s, programm, zuweisungen, mit_datei=False, tippen=True):
    """One case: its fields typed (or, with tippen False, set in one go, the
    way a pasted set would stand there), "Rechnen", every result, hint and
    the report; with mit_datei also the downloaded report and the working."""
    fall = ' '.join([programm, *zuweisungen])
    b = beschreibung(s, programm)
    s.programm(programm)
    optionen = {o['name'] for o in b['optionen']}
    for z in zuweisungen:
        name, wert = z.split('=', 1)
        if name in optionen:
            s.waehlen(name, wert)
    werte = s.feldwerte()
    anders = {n: w for n, w in (z.split('=', 1) for z in zuweisungen) if n not in optionen and werte[n] != w}
    if tippen:
        for name, wert in anders.items():
            s.eingeben(name, wert)
    else:
        s.d.execute_script('''for (const [n, w] of Object.entries(arguments[0]))
            document.querySelector(`input[type=text][name="${CSS.escape(n)}"]`).value = w''', anders)
    status = s.rechnen()
    code, aus_json, err = nativ(programm, zuweisungen, '--format', 'json')
    code_b, aus_bericht, _ = nativ(programm, zuweisungen)
    meldung = s.text('#meldung')
    if code == 0:
        if status != 'berechnet':
            return falsch(fall, f'data-status {status}, Meldung {meldung!r}')
        j = json.loads(aus_json)
        gezeigt = s.d.execute_script('''const t = (a) => Object.fromEntries([...document.querySelectorAll(`[data-${a}]`)]
            .map(e => [e.getAttribute(`data-${a}`), e.textContent]));
            return [t('ergebnis'), t('hinweis')]''')
        for a in j['ergebnisse']:
            t = gezeigt[0].get(a['name'])
            if t != a['text']:
                falsch(fall, f'Ergebnis {a["name"]}: {t!r} gegen {a["text"]!r}')
        for h in j['hinweise']:
            t = gezeigt[1].get(h['name'])
            if t != h['text']:
                falsch(fall, f'Hinweis {h["name"]}: {t!r} gegen {h["text"]!r}')
        if s.text('#bericht').encode() != aus_bericht:
            falsch(fall, 'der gezeigte Bericht weicht ab')
        if mit_datei and s.herunterladen('#bericht-speichern', programm + '.txt') != aus_bericht:
            falsch(fall, 'der heruntergeladene Bericht weicht ab')
        if mit_datei:
            gezeigt = s.text('#rechengang')
            if not gezeigt.startswith('Rechengang\n'):
                falsch(fall, f'kein Rechengang: {gezeigt[:80]!r}')
            else:
                # The window's working as the record's first part; that of
                # the calculator's addition after its caption, as the
                # record's section of its own has it (its steps, its checks).
                zusatz = (b.get('zusatz') or {}).get('rahmen', '')
                fenster, _, teil = gezeigt.partition(f'\n{zusatz}\n') if zusatz else (gezeigt, '', '')
                ordner = os.path.dirname(s.ordner)
                if dicht(fenster) != dicht(nachweis_rechengang(programm, zuweisungen, ordner)):
                    falsch(fall, f'der Rechengang weicht vom Nachweis ab: {gezeigt[:300]!r}')
                nachweis = dicht('\n'.join(nachweis_zeilen(os.path.join(ordner, 'nachweis.pdf'), programm)))
                for stueck in teil.split('\nPruefungen\n') if teil else []:
                    if dicht(stueck) not in nachweis:
                        falsch(fall, f'der Rechengang des Zusatzes fehlt im Nachweis: {stueck[:300]!r}')
        return
    erwartet_meldung = err.removeprefix('maschinenelemente: ').rstrip('\n')
    if code == 1:
        if status != 'verweigert' or meldung != erwartet_meldung:
            falsch(fall, f'{status} {meldung!r} gegen verweigert {erwartet_meldung!r}')
    else:
        stelle = erwartet_meldung.split(': Stelle ')[1].split(':')[0]
        erwartet = (f'Stelle {stelle}: keine Zahl\nFehler in einem Eingabefeld\n'
                    'Mindestens ein Feld enthaelt keine gueltige Zahl!')
        feld = erwartet_meldung.split(' ')[1]
        if status != 'abgelehnt' or meldung != erwartet:
            falsch(fall, f'{status} {meldung!r} gegen abgelehnt {erwartet!r}')
        if s.el(f'input[name="{feld}"]').get_attribute('aria-invalid') != 'true':
            falsch(fall, f'Feld {feld} nicht als falsch markiert')
    if s.text('#bericht') != '':
        falsch(fall, 'Bericht nach einer Ablehnung')
    if s.text('#rechengang') != '' or s.el('#rechengangteil').is_displayed():
        falsch(fall, 'Rechengang nach einer Ablehnung')


def feldtext(x):
    t = '%.6g' % x
    return t if 'e' not in t else '%.0f' % x


def zufaellige_faelle(b, n, z):
    faelle = []
    for _ in range(n):
        zuweisungen = []
        for f in b['eingaben']:
            if f['auswahl']:
                zuweisungen.append(f'{f["name"]}={z.choice(f["auswahl"])}')
            elif not f['text'] and float(f['vorgabe']) != 0:
                zuweisungen.append(f'{f["name"]}={feldtext(float(f["vorgabe"]) * (0.5 + z.random()))}')
        for o in b['optionen']:
            zuweisungen.append(f'{o["name"]}={z.choice(o["werte"])}')
        faelle.append(zuweisungen)
    return faelle


def link_kopiert(s, programm, optionen, felder):
    """What "Link kopieren" gives for these options chosen and fields typed."""
    s.programm(programm)
    for name, wert in optionen:
        s.waehlen(name, wert)
    for name, wert in felder:
        s.eingeben(name, wert)
    s.el('#link-kopieren').click()
    return warten(lambda: s.el('#link').get_property('value'), 'der Link im Feld #link')


def links_pruefen(s):
    # In: the link's calculator with its inputs, computed.
    s.oeffnen('#stalor&v=1&F=5000&Knickfall=2')
    _, aus, _ = nativ('stalor', ['F=5000', 'Knickfall=2'])
    if s.status() != 'berechnet' or s.text('#bericht').encode() != aus:
        falsch('Link hinein', f'{s.status()} {s.text("#meldung")!r}')
    # Out: what is on screen, read back by a fresh page.
    link = link_kopiert(s, 'kopdra', [('Modus', 'gesucht')], [('tB', '0.5'), ('JL', '90')])
    if not link.endswith('#kopdra&v=1&JL=90&tB=0.5&Modus=gesucht'):
        falsch('Link hinaus', link)
    s.oeffnen(link[len(s.url):])
    _, aus, _ = nativ('kopdra', ['JL=90', 'tB=0.5', 'Modus=gesucht'])
    if s.status() != 'berechnet' or s.text('#bericht').encode() != aus:
        falsch('Link hinaus und wieder hinein', s.status())
    if s.el('input[name="TK"]').is_enabled() or not s.el('input[name="tB"]').is_enabled():
        falsch('Link kopdra gesucht', 'TK nicht grau oder tB grau')
    if s.text('[data-ergebnis="tb"]') != '--':
        falsch('Link kopdra gesucht', 'Ergebnis tb nicht "--"')
    # Bad links: one message and the defaults, never a computation.
    schlecht = {
        '#nix&F=1': 'Link nicht gelesen: unbekanntes Programm "nix"',
        '#stalor&F=1x': 'Link nicht gelesen: Feld F (Kraft F / N): Stelle 2: keine Zahl',
        '#stalor&v=9&F=1': 'Link nicht gelesen: Linkformat "9" unbekannt',
        '#stalor&Knickfall=7': 'Link nicht gelesen: Knickfall=7: erlaubt sind 1, 2, 3, 4',
        '#stalor&F=1%0AE=5': 'Link nicht gelesen: Zeilenwechsel in einem Wert',
        '#stalor&%3Cscript%3Ealert(1)%3C%2Fscript%3E=%22%27%3E%3Cimg%20src%3Dx%3E':
            'Link nicht gelesen: unbekannter Name "<script>alert(1)</script>" fuer stalor (--namen zeigt die Namen)',
        '#stalor&F=%22%3E%3Cscript%3Ealert(1)%3C%2Fscript%3E':
            'Link nicht gelesen: Feld F (Kraft F / N): Stelle 1: keine Zahl',
    }
    for fragment, erwartet in schlecht.items():
        s.oeffnen(fragment)
        if s.text('#meldung') != erwartet:
            falsch(f'Link {fragment}', f'Meldung {s.text("#meldung")!r}')
        if s.status() is not None:
            falsch(f'Link {fragment}', f'gerechnet: {s.status()}')
        if s.el('input[name="F"]').get_property('value') != '3500':
            falsch(f'Link {fragment}', 'F nicht bei der Vorgabe')
        if len(s.d.find_elements(By.TAG_NAME, 'script')) != 3 or s.d.find_elements(By.CSS_SELECTOR, 'img:not(#diagramm)'):
            falsch(f'Link {fragment}', 'ein Element dazugekommen')
    # A crafted text in the strength class: only the field holds it.
    boese = '"><script>alert(1)</script>'
    s.oeffnen('#tarvex&Qualitaet=' + urllib.parse.quote(boese))
    if (s.status() != 'verweigert' or s.el('input[name="Qualitaet"]').get_property('value') != boese
            or len(s.d.find_elements(By.TAG_NAME, 'script')) != 3):
        falsch('Link tarvex Qualitaet', f'{s.status()} {s.text("#meldung")!r}')


def saetze_pruefen(s, ordner):
    """Input sets: the download against --eingaben-schreiben, a set of the
    command line read in and computed, crafted sets."""
    s.oeffnen('#stalor')
    s.eingeben('F', '4200')
    s.waehlen('Knickfall', '3')
    datei = os.path.join(ordner, '..', 'satz.stalor')
    nativ('stalor', ['F=4200', 'Knickfall=3'], '--eingaben-schreiben', datei)
    with open(datei, 'rb') as f:
        erwartet = f.read()
    if s.herunterladen('#eingaben-speichern', 'eingaben.stalor') != erwartet:
        falsch('Eingaben speichern', 'der Satz weicht von --eingaben-schreiben ab')
    zuweisungen = ['d=16', 'Qualitaet=8.8', 'Dehnschraube=ja', 'FAo=30000']
    datei = os.path.join(ordner, '..', 'satz.tarvex')
    nativ('tarvex', zuweisungen, '--eingaben-schreiben', datei)
    s.programm('tarvex')
    s.el('#satzdatei').send_keys(os.path.abspath(datei))
    warten(lambda: s.el('input[name="d"]').get_property('value') == '16', 'd=16 aus dem Satz im Feld')
    if not s.el('input[name="Dehnschraube"]').is_selected():
        falsch('Eingaben oeffnen', 'Dehnschraube nicht gesetzt')
    s.rechnen()
    _, aus, _ = nativ('tarvex', zuweisungen)
    if s.text('#bericht').encode() != aus:
        falsch('Eingaben oeffnen', 'Bericht nach dem Satz weicht ab')
    # A refused set changes nothing and says why.
    s.programm('stalor')
    s.eingeben('F', '4321')
    boese = os.path.join(ordner, '..', 'boese.stalor')
    with open(boese, 'w') as f:
        f.write('[stalor]\n<script>alert(1)</script>"\'=1\n')
    s.el('#satzdatei').send_keys(os.path.abspath(boese))
    erwartet = 'Fehler beim Oeffnen!\nunbekannter Name "<script>alert(1)</script>"\'"'
    warten(lambda: s.text('#meldung') != '', 'die Meldung zum abgelehnten Satz')
    if s.text('#meldung') != erwartet or s.el('input[name="F"]').get_property('value') != '4321':
        falsch('Satz mit <script> im Namen', repr(s.text('#meldung')))
    # A set whose value is markup: only the field holds it, "Rechnen" refuses.
    with open(boese, 'w') as f:
        f.write('[stalor]\nF=<img src=x onerror=alert(1)>"\n')
    s.el('#satzdatei').send_keys(os.path.abspath(boese))
    warten(lambda: s.el('input[name="F"]').get_property('value').startswith('<img'), 'der Wert aus dem Satz im Feld F')
    if s.rechnen() != 'abgelehnt' or s.d.find_elements(By.CSS_SELECTOR, 'img:not(#diagramm)') \
            or len(s.d.find_elements(By.TAG_NAME, 'script')) != 3:
        falsch('Satz mit Markup im Wert', s.status())


def zusatz_pruefen(s):
    """The diagram after each computation, the search, a catalogue entry."""
    for programm in ('stalor', 'tarvex', 'lupran', 'kopdra', 'wendis'):
        s.oeffnen('#' + programm)
        ok = warten(lambda: s.d.execute_script(
            "const b = document.getElementById('diagramm'); return b && b.complete && b.naturalWidth > 0"
            " && b.src.startsWith('data:image/svg+xml')"), f'das Diagramm von {programm}')
        if not ok:
            falsch(programm, 'kein Diagramm')
    # wendis's range refused: the window's message, no diagram.
    s.eingeben('s1', '2')
    s.rechnen()
    if s.text('#meldung') != 'Fehler in einem Eingabefeld\nStartwert muss kleiner als Endwert sein!' \
            or s.el('#diagrammteil').is_displayed():
        falsch('wendis s1 > s2', repr(s.text('#meldung')))
    if s.d.find_elements(By.ID, 'zielwert'):
        s.oeffnen('#stalor')
        s.el('#zielwert summary').click()
        Select(s.el('#suche-ergebnis')).select_by_value('F_max_zul')
        Select(s.el('#suche-feld')).select_by_value('l1')
        ziel = s.el('#suche-ziel')
        if ziel.get_property('value') != '679.67995':
            falsch('Zielwert suchen', f'Zielwert vorgeschlagen: {ziel.get_property("value")!r}')
        ziel.send_keys(Keys.CONTROL, 'a', Keys.NULL, '1000')
        s.el('#suchen').click()
        warten(lambda: s.text('#suche-loesungen'), 'die Loesungen der Suche')
        _, aus, _ = nativ('stalor', ['--suche', 'l1', 'F_max_zul=1000'], '--format', 'json')
        l1 = json.loads(aus)['suche']['loesungen'][0]['text']
        if s.el('input[name="l1"]').get_property('value') != l1 or s.status() != 'berechnet':
            falsch('Zielwert suchen', f'l1 {s.el("input[name=l1]").get_property("value")} gegen {l1}')
        _, aus, _ = nativ('stalor', [f'l1={l1}'])
        if s.text('#bericht').encode() != aus:
            falsch('Zielwert suchen', 'Bericht weicht ab')
        suche_abgelehnt_pruefen(s, l1)
    if s.d.find_elements(By.ID, 'katalog'):
        s.oeffnen('#stalor')
        s.el('#katalog summary').click()
        Select(s.el('#katalog-tabelle')).select_by_value('ipe')
        Select(s.el('#katalog-eintrag')).select_by_value('IPE 100')
        s.el('#katalog-uebernehmen').click()
        _, aus, _ = nativ('stalor', ['--katalog', 'ipe:IPE 100'], '--format', 'json')
        texte = {e['name']: e['text'] for e in json.loads(aus)['eingaben']}
        for name in ('A', 'I'):
            if s.el(f'input[name="{name}"]').get_property('value') != texte[name]:
                falsch('Katalog ipe:IPE 100', f'{name} nicht {texte[name]}')
        # Design: the entry the command line chooses, put in.
        if s.el('#katalog-auslegen').is_displayed():
            s.eingeben('l1', '3000')
            s.el('#katalog-bedingungen').send_keys('F_max_zul>=20000')
            s.el('#katalog-auslegen').click()
            _, aus, _ = nativ('stalor', ['l1=3000', '--auslegung', 'ipe', 'F_max_zul>=20000'], '--format', 'json')
            gewaehlt = json.loads(aus)['gewaehlt']
            _, aus, _ = nativ('stalor', ['l1=3000', '--katalog', f'ipe:{gewaehlt}'], '--format', 'json')
            texte = {e['name']: e['text'] for e in json.loads(aus)['eingaben']}
            warten(lambda: s.el('input[name="A"]').get_property('value') == texte['A'],
                   f'A von {gewaehlt} nach "Auslegen"')


def suche_abgelehnt_pruefen(s, l1):
    """Where the window's "Zielwert suchen..." does not search or finds
    nothing, its dialog's text, and the form stays as it was."""
    _, _, err = nativ('stalor', [f'l1={l1}', '--suche', 'l1', 'F_max_zul=1000', '--bereich', '100:100'])
    bereich = err.removeprefix('maschinenelemente: --suche: ').rstrip('\n')
    _, _, err = nativ('stalor', [f'l1={l1}', '--suche', 'l1', 'F_max_zul=1e30'])
    keine = err.removeprefix('maschinenelemente: ').rstrip('\n')
    bericht = s.text('#bericht')
    for ziel, von, bis, erwartet in (
            ('zwei', '', '', 'Fehler im Zielwert!\n"zwei" ist keine Zahl.'),
            ('', '100', '200', 'Fehler im Zielwert!\n"" ist keine Zahl.'),
            ('1,5', '', '', 'Fehler im Zielwert!\n"1,5" ist keine Zahl.'),
            ('-inf', '', '', 'Suche nicht moeglich!\nder Zielwert ist keine endliche Zahl'),
            ('1000', '100', '100', 'Suche nicht moeglich!\n' + bereich),
            ('1000', '1a', '200', 'Fehler im Suchbereich!\nvon: Stelle 2: keine Zahl'),
            ('1000', '100', '', 'Fehler im Suchbereich!\nbis: kein Wert'),
            ('1e30', '', '', 'Zielwert nicht erreicht!\n' + keine)):
        for feld, wert in (('#suche-ziel', ziel), ('#suche-von', von), ('#suche-bis', bis)):
            s.eingeben(None, wert, s.el(feld))
        s.el('#suchen').click()
        fall = f'Zielwert suchen {ziel!r} {von!r}:{bis!r}'
        if s.text('#meldung') != erwartet:
            falsch(fall, f'Meldung {s.text("#meldung")!r} gegen {erwartet!r}')
        if (s.el('input[name="l1"]').get_property('value') != l1 or s.text('#bericht') != bericht
                or s.text('#suche-loesungen') != ''):
            falsch(fall, 'das Formular hat sich geaendert')


def druck_pruefen(s, ordner):
    """The working on screen behind its button, on paper always: under
    print media and in the browser's own PDF."""
    s.oeffnen('#stalor&F=5000')
    text = s.text('#rechengang')
    if not text.startswith('Rechengang\n') or s.el('#rechengang').is_displayed():
        falsch('Rechengang am Schirm', f'nicht zugeklappt oder leer: {text[:80]!r}')
    s.el('#rechengang-zeigen').click()
    if not s.el('#rechengang').is_displayed() or s.el('#rechengang-zeigen').get_attribute('aria-expanded') != 'true':
        falsch('Rechengang am Schirm', 'der Knopf klappt ihn nicht auf')
    s.el('#rechengang-zeigen').click()
    s.d.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
    try:
        gedruckt = s.d.execute_script("const e = document.getElementById('rechengang');"
                                      " return getComputedStyle(e).display !== 'none' && e.getClientRects().length > 0")
    finally:
        s.d.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': ''})
    if not gedruckt:
        falsch('Rechengang im Druck', 'nicht sichtbar unter dem Druckstil')
    pdf = os.path.join(ordner, 'druck.pdf')
    with open(pdf, 'wb') as f:
        f.write(base64.b64decode(s.d.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})['data']))
    if dicht(text) not in dicht(pdf_text(pdf)):
        falsch('Rechengang im Druck', 'nicht im PDF des Browsers')


def eigenschaften_pruefen(s):
    s.oeffnen()
    # Before a computation the report is refused with the window's text.
    s.el('#bericht-speichern').click()
    if s.text('#meldung') != 'Berechnung noch nicht durchgefuert!':
        falsch('Bericht vor Rechnen', s.text('#meldung'))
    for b in s.beschreibungen:
        s.programm(b['programm'])
        # Each field with its value, its caption and its font size, in one call.
        felder = s.d.execute_script('''return [...document.querySelectorAll('input[type=text][name]')].map(e => [
            e.name, e.value, (document.querySelector(`label[for="${e.id}"]`) || {}).textContent || '',
            parseFloat(getComputedStyle(e).fontSize)])''')
        # In the window's order, which tab_pruefen holds against the window's list.
        if sorted(f[0] for f in felder) != sorted(f['name'] for f in b['eingaben']):
            falsch(b['programm'], f'Felder {[f[0] for f in felder]} nicht die der Beschreibung')
        beschrieben = {f['name']: f for f in b['eingaben']}
        for name, wert, beschriftung, groesse in felder:
            f = beschrieben.get(name)
            if not f:
                continue
            if wert != f['vorgabe']:
                falsch(b['programm'], f'Vorgabe von {name}: {wert!r}')
            if not beschriftung.startswith(f['beschriftung']):
                falsch(b['programm'], f'keine Beschriftung an {name}')
            if groesse < 16:
                falsch(b['programm'], f'Schrift in {name} unter 16 px')
        vorher = b.get('ergebnisse_vorher', '')
        texte = s.d.execute_script('''return Object.fromEntries([...document.querySelectorAll('[data-ergebnis]')]
            .map(e => [e.dataset.ergebnis, e.textContent]))''')
        for a in b['ergebnisse']:
            if a['nur_bei'] is None and texte[a['name']] != vorher:
                falsch(b['programm'], f'Ergebnis {a["name"]} vor dem Rechnen')
    # Nothing fetched: the module and everything else are in the file.
    geladen = s.d.execute_script("return performance.getEntriesByType('resource').map(e => e.name)")
    if geladen:
        falsch('Netz', f'geladen: {geladen}')


def tab_pruefen(s):
    """From each form's first field Tab meets the fields as in the window;
    below 600 px they stand in one column in that order."""
    folge = {}
    for zeile in open(TABFOLGE, encoding='utf-8'):
        if zeile.strip() and not zeile.startswith('#'):
            programm, *namen = zeile.split()
            folge[programm] = namen
    for b in s.beschreibungen:
        programm = b['programm']
        erwartet = folge.get(programm)
        if not erwartet:
            falsch(programm, f'keine Zeile in {TABFOLGE}')
            continue
        s.programm(programm)
        # A mode greys some fields and Tab passes them; enabled, every field
        # comes in its place.
        s.d.execute_script("for (const f of document.querySelectorAll('[data-feld]')) f.disabled = false")
        s.d.execute_script('arguments[0].focus()', s.el(f'[data-feld="{erwartet[0]}"]'))
        gesehen = [erwartet[0]]
        # Fields, options and the buttons after them: fewer than 100 stops.
        for _ in range(100):
            ActionChains(s.d).send_keys(Keys.TAB).perform()
            aktiv = s.d.execute_script('const a = document.activeElement; return [a.id, a.dataset.feld || ""]')
            if aktiv[0] == 'rechnen':
                break
            if aktiv[1]:
                gesehen.append(aktiv[1])
        else:
            falsch(programm, f'nach 100 Tab nicht bei "Rechnen", gesehen {gesehen}')
        # The window's fields in its order, then the addition's.
        zusatz = (b.get('zusatz') or {}).get('rahmen', '')
        dahinter = [f['name'] for f in b['eingaben'] if zusatz and f['rahmen'] == zusatz]
        if gesehen != erwartet + dahinter:
            falsch(programm, f'Tab durch {gesehen}, im Fenster {erwartet}, dahinter {dahinter}')
        s.d.set_window_size(500, 1024)
        try:
            lage = warten(lambda: s.d.execute_script("""
                if (window.innerWidth > 600) return null;
                return [...document.querySelectorAll('[data-feld]')].map((e) => {
                  const r = e.getBoundingClientRect();
                  return [e.dataset.feld, Math.round(r.left), r.top];
                });"""), 'die Seite unter 600 px breit')
        finally:
            s.d.set_window_size(1280, 1024)
        # The window's fields in its order, the addition's below them.
        if ([x[0] for x in lage][:len(erwartet)] != erwartet or len({x[1] for x in lage}) != 1
                or any(a[2] >= z[2] for a, z in zip(lage, lage[1:]))):
            falsch(programm, f'schmal nicht eine Spalte in der Tab-Folge: {lage}')
        s.programm(programm)


def abschnitt(was, t0=[time.monotonic()]):
    print(f'{time.monotonic() - t0[0]:6.1f} s  {was}', flush=True)


def main():
    with tempfile.TemporaryDirectory() as tmp:
        ordner = os.path.join(tmp, 'herunter')
        os.mkdir(ordner)
        s = Seite(ordner)
        try:
            s.oeffnen()
            s.beschreibungen = s.d.execute_script('return window.maschinenelementeBeschreibungen')
            if not s.beschreibungen:
                raise RuntimeError('die Seite gibt ihre Beschreibungen nicht heraus')
            abschnitt('bereit')
            eigenschaften_pruefen(s)
            abschnitt('Vorgaben, Beschriftungen, Schriftgroessen')
            tab_pruefen(s)
            abschnitt('Tab wie im Fenster, schmal eine Spalte')
            anzahl = 0
            programme = [b['programm'] for b in s.beschreibungen]
            for zeile in open(FAELLE, encoding='utf-8'):
                teile = zeile.split()
                if not teile or teile[0].startswith('#'):
                    continue
                programm, zuweisungen = teile[0], teile[1:]
                b = beschreibung(s, programm)
                namen = {x['name'] for x in b['eingaben'] + b['optionen']}
                werte = {o['name']: o['werte'] for o in b['optionen']}
                # What a form cannot take (unknown names, twice, an option's
                # unknown value) is the command line's own.
                gesehen = [z.split('=', 1)[0] for z in zuweisungen]
                if (any('=' not in z or z.split('=', 1)[0] not in namen for z in zuweisungen)
                        or len(set(gesehen)) != len(gesehen)
                        or any(z.split('=', 1)[0] in werte and z.split('=', 1)[1] not in werte[z.split('=', 1)[0]]
                               for z in zuweisungen)):
                    continue
                if KURZ and anzahl >= len(programme):
                    break
                fall_pruefen(s, programm, zuweisungen, mit_datei=anzahl < len(programme))
                anzahl += 1
            abschnitt(f'{anzahl} Faelle der Liste')
            z = random.Random(SAAT)
            # Typed, with the download and the working, the first of each
            # calculator's; the others' digits alone.
            for b in s.beschreibungen:
                for k, zuweisungen in enumerate(zufaellige_faelle(b, ZUFAELLIGE, z)):
                    fall_pruefen(s, b['programm'], zuweisungen, mit_datei=k == 0, tippen=k == 0)
                    anzahl += 1
            abschnitt('zufaellige Faelle')
            links_pruefen(s)
            abschnitt('Links')
            if s.d.find_elements(By.ID, 'eingaben-oeffnen'):
                saetze_pruefen(s, ordner)
                abschnitt('Eingabesaetze')
            if s.d.find_elements(By.ID, 'diagramm'):
                zusatz_pruefen(s)
                abschnitt('Diagramm, Suche, Katalog')
            if s.d.find_elements(By.ID, 'rechengang'):
                druck_pruefen(s, tmp)
                abschnitt('Druck')
            print(f'{anzahl} Faelle, {len(fehler)} falsch')
        finally:
            s.d.quit()
    return 1 if fehler else 0


def ausfuehren(hauptteil):
    """Its status as the exit status; a test that cannot go on says why."""
    try:
        sys.exit(hauptteil())
    except (TimeoutError, WebDriverException, RuntimeError) as x:
        print(f'FEHLER: {x}')
        sys.exit(1)


if __name__ == '__main__':
    ausfuehren(main)
