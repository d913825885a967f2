#!/usr/bin/python3
"""The page under the pseudo-language xx, in headless Chromium: the page
whose module holds the test build's calculators also holds xx, where every
line of every text marked for translation is wrapped in [[...]].  Chosen
with the switch and through a link; for every shipped calculator its form
with all frames and panels open, the report refused before a computation,
a computation (results, hints, report, working, diagram), the search
refused and searching, a catalogue entry taken over and a design, a
refused field, refused input sets; a refused computation, bad links, the
link copied and the browser's print.  Each time every text of the page is
read: every text node (shown or behind a closed panel), the title,
placeholder, aria-label and alt of each element, the document's title, the
diagram's texts.  A word outside the brackets was never marked for
translation and fails, named with where it stands.  No such words are
numbers, lines of formulas ("thr = sqrt(I / A)"), the calculators' symbols
and the units the engine leaves as they are, program names, names of
standards, what the tables say themselves (their entries and values) and
the languages' own names in the switch.

    seite_pseudosprache.py SEITE KOMMANDOZEILE TESTRECHNER
"""
import base64
import json
import os
import re
import sys

sys.dont_write_bytecode = True  # no __pycache__ beside the sources
import seite_pruefen as sp  # noqa: E402
from seite_pruefen import By, Select, falsch, nativ, warten  # noqa: E402

sp.SEITE, sp.KOMMANDOZEILE, TESTRECHNER = sys.argv[1:4]
SPRACHE = 'xx'
# Each language in its own words in the switch, as the page names them: no
# translation, as a program's name.
SPRACHNAMEN = {'Deutsch', 'English'}
# Names of standards keep their letters in every language.
NORMEN = {'DIN', 'EN', 'ISO', 'VDI'}

# Every text of the page as [where, text]: text nodes, the attributes a
# reader meets, the document's title; the diagram's texts from its SVG.
TEXTE_LESEN = r'''
const wo = (e) => {
  if (e.tagName === 'OPTION') return `${wo(e.parentElement)} option ${e.value}`;
  for (let x = e; x; x = x.parentElement) if (x.id) return '#' + x.id;
  return e.tagName.toLowerCase();
};
const texte = [['<title>', document.title]];
const gang = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (let n = gang.nextNode(); n; n = gang.nextNode())
  if (!n.parentElement.closest('script, style') && n.data.trim() !== '') texte.push([wo(n.parentElement), n.data]);
for (const a of ['title', 'placeholder', 'aria-label', 'alt'])
  for (const e of document.body.querySelectorAll(`[${a}]`))
    if (e.getAttribute(a).trim() !== '') texte.push([`${wo(e)} ${a}`, e.getAttribute(a)]);
const bild = document.getElementById('diagramm');
const quelle = bild && bild.getAttribute('src');
if (quelle && quelle.startsWith('data:image/svg+xml')) {
  const svg = new DOMParser().parseFromString(decodeURIComponent(quelle.slice(quelle.indexOf(',') + 1)),
                                              'image/svg+xml');
  // A caption broken into lines is one text again.
  texte.push(['#diagramm svg', [...svg.querySelectorAll('text, title, desc')].map((t) => t.textContent).join('\n')]);
}
return texte;
'''


def ungeklammert(text):
    """The text outside every [[...]], nested ones too."""
    vorher = None
    while vorher != text:
        vorher, text = text, re.sub(r'\[\[[^][]*\]\]', ' ', text)
    return text


# A number as the page writes one, not part of a name such as l1.
ZAHL = re.compile(r'(?<![\w.])[-+]?(\d+(\.\d*)?|\.\d+)([eE][-+]?\d+)?(?![\w.])')
# A line of formulas as the working and the diagram write them, symbols
# named with their values or expressions: "lambda = 183.2, sigma_d = 44.56",
# "thr = sqrt(I / A)", "SigA = uSA(d, Qualitaet, schlussgerollt)",
# "    = 2.49999 mm".
SYMBOL = r'[^\W\d]\w*'
AUSDRUCK = r'[\w.,()+\-*/^ ]+'
FORMELZEILE = re.compile(rf'\s*({SYMBOL}\s*)?=\s*{AUSDRUCK}(,\s*{SYMBOL}\s*=\s*{AUSDRUCK})*')


def woerter(text):
    """The words of a text: its runs of letters, digits and "_" that hold a
    letter, numbers taken out first."""
    return [w for w in re.findall(r'\w+', ZAHL.sub(' ', text)) if re.search(r'[^\W\d_]', w)]


def ohne_formeln(text):
    return '\n'.join(z for z in text.split('\n') if not FORMELZEILE.fullmatch(z))


class Pruefung:
    def __init__(self, s, programme):
        self.s = s
        self.gelesen = 0
        self.gemeldet = set()
        self.sprachen = s.d.execute_script("return [...document.getElementById('sprache').options].map((o) => o.value)")
        # The test build's own calculators: no catalogue holds their texts,
        # the switch of programs names them as they are.
        with open(TESTRECHNER, encoding='utf-8') as f:
            self.testrechner = set(f.read().split())
        # What the calculators' tables say themselves, as the command line
        # lists them: the tables' names, their entries and the values these
        # set.
        self.tabellen = set()
        for programm in programme:
            code, aus, fehler = nativ(programm, [], '--kataloge', '--format', 'json')
            if code != 0:
                raise RuntimeError(f'{programm} --kataloge: {fehler}')
            for t in json.loads(aus)['tabellen']:
                self.tabellen.update(woerter(t['name']))
                for e in t['eintraege']:
                    self.tabellen.update(woerter(e['bezeichnung']))
                    for w in e['felder'].values():
                        self.tabellen.update(woerter(w))

    def beschreibungen_lesen(self):
        """The descriptions in the language on screen; every calculator's
        symbols, its name and the units the engine does not translate."""
        self.s.beschreibungen = self.s.d.execute_script('return window.maschinenelementeBeschreibungen')
        self.namen = set(NORMEN)
        for b in self.s.beschreibungen:
            self.namen.add(b['programm'])
            for teil in ('eingaben', 'ergebnisse', 'optionen', 'hinweise'):
                for e in b.get(teil) or []:
                    self.namen.add(e['name'])
                    self.namen.update(woerter(ungeklammert(e.get('einheit') or '')))

    def fremd(self, zeile, wo):
        """The words of a line that are no symbol: a calculator's name,
        symbol or unit, a symbol's stem (li of li1) or its subscript
        written apart (h0 lim for h0lim), what a table says, an option of
        the command line (--katalog), a language's own name in the switch."""
        w = woerter(zeile)
        return [x for i, x in enumerate(w)
                if not (x in self.namen or x + '1' in self.namen or (i > 0 and w[i - 1] + x in self.namen)
                        or x in self.tabellen or f'--{x}' in zeile
                        or (wo.startswith('#sprache') and (x in SPRACHNAMEN or x in self.sprachen)))]

    def lesen(self, zustand):
        """Every text of the page now: a word outside [[...]] is a fault,
        each text named once."""
        self.pruefen(zustand, self.s.d.execute_script(TEXTE_LESEN))

    def pruefen(self, zustand, texte):
        self.gelesen += len(texte)
        if not any('[[' in t for _, t in texte):
            falsch(zustand, 'kein Text der Pseudosprache auf der Seite')
        for wo, text in texte:
            if wo.removeprefix('#programm option ') in self.testrechner or (wo, text) in self.gemeldet:
                continue
            zeilen = [z for z in ohne_formeln(ungeklammert(text)).split('\n') if self.fremd(z, wo)]
            if zeilen:
                self.gemeldet.add((wo, text))
                fremd = ' '.join(dict.fromkeys(x for z in zeilen for x in self.fremd(z, wo)))
                falsch(zustand, f'{wo}: {fremd} ausserhalb von [[...]] in {text[:200]!r}, '
                       f'Zeilen ohne [[...]]: {zeilen}')


def warten_auf_meldung(s, was):
    return warten(lambda: s.text('#meldung'), f'die Meldung {was}')


def meldung_leeren(s):
    s.d.execute_script("document.getElementById('meldung').textContent = ''")


def rechner_pruefen(p, b, ordner):
    s = p.s
    programm = b['programm']
    s.programm(programm)
    # The form as built, with every panel open (its own handler of the
    # opening run before this one); "Bericht speichern" before any
    # computation.
    for d in s.d.find_elements(By.CSS_SELECTOR, 'details'):
        s.d.execute_script('''const d = arguments[0];
            d.addEventListener('toggle', () => { d.dataset.offen = 'ja'; }, { once: true });
            d.open = true;''', d)
        warten(lambda: d.get_attribute('data-offen'), f'das Feld {d.get_attribute("id")} offen ({programm})')
    s.el('#bericht-speichern').click()
    warten_auf_meldung(s, f'zum Bericht vor dem Rechnen ({programm})')
    p.lesen(f'{programm}: Formular, Bericht vor dem Rechnen')

    # Computed: results, hints, report, the working unfolded, the diagram.
    if s.rechnen() != 'berechnet':
        falsch(programm, f'Vorgaben nicht berechnet: {s.text("#meldung")!r}')
    s.el('#rechengang-zeigen').click()
    if s.d.find_elements(By.ID, 'diagramm'):
        warten(lambda: s.d.execute_script("const b = document.getElementById('diagramm');"
                                          " return b.complete && b.naturalWidth > 0"), f'das Diagramm von {programm}')
    p.lesen(f'{programm}: berechnet')

    # The search: refused, then the solutions for the result proposed.
    if s.d.find_elements(By.ID, 'zielwert'):
        ziel = s.el('#suche-ziel')
        s.eingeben(None, 'zwei', ziel)
        s.el('#suchen').click()
        warten_auf_meldung(s, f'zum Zielwert "zwei" ({programm})')
        p.lesen(f'{programm}: Zielwert abgelehnt')
        meldung_leeren(s)
        s.eingeben(None, '', ziel)
        s.d.execute_script("arguments[0].dispatchEvent(new Event('change'))", s.el('#suche-ergebnis'))
        vorschlag = warten(lambda: ziel.get_property('value'), f'der vorgeschlagene Zielwert ({programm})')
        s.el('#suchen').click()
        warten(lambda: s.text('#suche-loesungen') or s.text('#meldung'),
               f'die Loesungen der Suche nach {vorschlag} ({programm})')
        p.lesen(f'{programm}: Zielwert {vorschlag} gesucht')

    # The catalogue: the last table's first entry taken over, a design
    # without conditions.
    if s.d.find_elements(By.ID, 'katalog'):
        tabelle = Select(s.el('#katalog-tabelle'))
        tabelle.select_by_index(len(tabelle.options) - 1)
        warten(lambda: s.text('#katalog-setzt'), f'"Setzt" des ersten Eintrags ({programm})')
        s.el('#katalog-uebernehmen').click()
        p.lesen(f'{programm}: Katalogeintrag uebernommen')
        if s.el('#katalog-auslegen').is_displayed():
            s.el('#katalog-auslegen').click()
            warten(lambda: s.text('#katalog-auslegung'), f'die Liste der Auslegung ({programm})')
            p.lesen(f'{programm}: ausgelegt')

    # A refused field: its message, the field marked.
    feld = next(f['name'] for f in b['eingaben'] if not f['text'] and f['beim_rechnen'] and not f['nur_bei'])
    s.eingeben(feld, '1x')
    if s.rechnen() != 'abgelehnt':
        falsch(programm, f'{feld}=1x nicht abgelehnt: {s.text("#meldung")!r}')
    p.lesen(f'{programm}: Feld {feld} abgelehnt')

    # Input sets refused: a name the calculator lacks, a file not in UTF-8.
    for name, inhalt in (('unbekannt', f'[{programm}]\nkeinName=1\n'.encode()), ('latin1', b'[x]\n\xe4=1\n')):
        datei = os.path.join(ordner, f'{name}.{programm}')
        with open(datei, 'wb') as f:
            f.write(inhalt)
        meldung_leeren(s)
        s.el('#satzdatei').send_keys(datei)
        warten_auf_meldung(s, f'zum Eingabesatz {name} ({programm})')
        p.lesen(f'{programm}: Eingabesatz {name} abgelehnt')


def main():
    with sp.geoeffnet('de-DE') as (s, tmp):
        # With the switch: the header, the switch, the first form.
        ordner = s.ordner
        p = Pruefung(s, [b['programm'] for b in s.beschreibungen])
        if SPRACHE not in p.sprachen:
            raise RuntimeError(f'die Seite bietet {SPRACHE} nicht an: {p.sprachen}')
        s.sprache(SPRACHE)
        p.beschreibungen_lesen()
        p.lesen('Sprachwahl')

        # Through a link, then every calculator.
        s.oeffnen(f'#{s.beschreibungen[0]["programm"]}&v=2&sprache={SPRACHE}')
        p.lesen('Link mit der Sprache')
        for b in s.beschreibungen:
            if b['programm'] not in p.testrechner:
                rechner_pruefen(p, b, ordner)

        # A computation the calculator refuses (tarvex's strength class),
        # and wendis's plot range refused.
        for fragment, was in (('tarvex&Qualitaet=x', 'verweigert'), ('wendis&s1=2', 'berechnet')):
            s.oeffnen(f'#{fragment}&v=2&sprache={SPRACHE}')
            warten(lambda: s.status() == was, f'data-status {was} nach #{fragment}')
            warten_auf_meldung(s, f'nach #{fragment}')
            p.lesen(f'#{fragment}')

        # Bad links: each its message.
        for fragment in ('nix&v=2', 'stalor&v=9', 'stalor&v=2&F=1%0AE=5', 'stalor&v=2&F=1x',
                         'stalor&v=2&Knickfall=7'):
            s.oeffnen(f'#{fragment}&sprache={SPRACHE}')
            warten_auf_meldung(s, f'zum Link #{fragment}')
            p.lesen(f'Link #{fragment}')

        # The link copied, and the page as the browser prints it.
        s.oeffnen(f'#stalor&v=2&sprache={SPRACHE}')
        s.el('#link-kopieren').click()
        warten(lambda: s.el('#link').is_displayed(), 'das Feld #link')
        p.lesen('Link kopiert')
        pdf = os.path.join(tmp, 'druck.pdf')
        with open(pdf, 'wb') as f:
            f.write(base64.b64decode(s.d.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})['data']))
        p.pruefen('Druck', [['PDF', sp.pdf_text(pdf)]])
    print(f'{p.gelesen} Texte gelesen, {len(sp.fehler)} falsch')
    return 1 if sp.fehler else 0


if __name__ == '__main__':
    sp.ausfuehren(main)
