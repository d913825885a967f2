// The WebAssembly module against the native command line, case by case:
// status, message, report bytes, result and hint texts equal; JSON equal
// except the "wert" numbers and the checks' "grenze", which may differ in
// their last bits (glibc's pow, exp and log against the WASI C library's),
// each such case listed.
// Also each description against the command line's --namen and
// --ergebnisnamen.
// With --sprache=CODE the module speaks that language, the command line the
// one its environment gives (the test sets the same), and the first case
// of each calculator is computed once more after German and back, against
// the command line in German.
// node wie_kommandozeile.js MODUL.wasm GLUE.js KOMMANDOZEILE FAELLE [--sprache=CODE]
'use strict';
const fs = require('node:fs');
const [modulpfad, gluepfad, kommandozeile, faellepfad, sprachwahl] = process.argv.slice(2);
const sprache = sprachwahl ? sprachwahl.replace(/^--sprache=/, '') : null;
const maschinenelemente = require(gluepfad);
const { pruefung, zufall, zufaellige_faelle, vergleichen } = require('./gemeinsam.js');
const { falsch, nativ, stand } = pruefung(kommandozeile);

// Random cases per program, the same every run.
const ZUFAELLIGE = 25;
const SAAT = 20261209;

function fall_pruefen(m, programm, zuweisungen, umgebung = process.env) {
  const fall = [programm, ...zuweisungen].join(' ');
  const w = m.rechnen(programm, zuweisungen.join('\n'));
  const json = nativ([programm, ...zuweisungen, '--format', 'json'], { env: umgebung });
  const bericht = nativ([programm, ...zuweisungen], { env: umgebung });
  if (w.status !== json.status) return falsch(fall, `Status ${w.status} gegen ${json.status}`);
  if (w.status !== 0) {
    const erwartet = `maschinenelemente: ${w.meldung}\n`;
    if (json.stderr !== erwartet) falsch(fall, `Meldung "${w.meldung}" gegen "${json.stderr}"`);
    if (w.json !== '' || w.bericht !== '') falsch(fall, 'Ausgabe trotz Abbruch');
    return;
  }
  if (w.bericht !== bericht.stdout) falsch(fall, 'Bericht weicht ab');
  const abweichungen = [];
  const f = vergleichen(JSON.parse(w.json), JSON.parse(json.stdout), '', abweichungen);
  if (f) return falsch(fall, f);
  if (abweichungen.length) console.log(`letzte Stellen ${fall}: ${abweichungen.join(', ')}`);
}

function beschreibung_pruefen(b) {
  const zeilen = (werte) => werte.map((w) => w.join('\t') + '\n').join('');
  // The window's fields and options, then those of the calculator's
  // addition, as --namen lists them.
  const zusatz = (t) => Boolean(b.zusatz && b.zusatz.rahmen) && t.rahmen === b.zusatz.rahmen;
  const feld = (f) => [f.name, f.beschriftung, f.einheit, f.vorgabe, f.auswahl.join('|')];
  const option = (o) => [o.name, o.beschriftung, '', o.vorgabe, o.werte.join('|')];
  const namen = zeilen([
    ...b.eingaben.filter((t) => !zusatz(t)).map(feld), ...b.optionen.filter((t) => !zusatz(t)).map(option),
    ...b.eingaben.filter(zusatz).map(feld), ...b.optionen.filter(zusatz).map(option),
  ]);
  if (namen !== nativ([b.programm, '--namen']).stdout) falsch(b.programm, 'Beschreibung gegen --namen');
  const ergebnisse = zeilen(b.ergebnisse.map((a) => [a.name, a.beschriftung, a.einheit]));
  if (ergebnisse !== nativ([b.programm, '--ergebnisnamen']).stdout)
    falsch(b.programm, 'Beschreibung gegen --ergebnisnamen');
  const teile = [...b.eingaben, ...b.optionen];
  const rahmen = [...new Set([...teile.filter((t) => !zusatz(t)), ...teile.filter(zusatz)].map((t) => t.rahmen))];
  if (rahmen.join('|') !== b.rahmen.join('|') || rahmen.includes(''))
    falsch(b.programm, `Rahmen ${b.rahmen} gegen ${rahmen}`);
  // Each field in a cell of its own in its frame's table.
  const zellen = b.eingaben.map((f) => [f.rahmen, f.zelle.zeile, f.zelle.spalte].join('|'));
  if (new Set(zellen).size !== zellen.length) falsch(b.programm, `zwei Felder in einer Zelle: ${zellen}`);
}

// German and back: every text of a computation as before, none left over
// from the other language.
function hin_und_zurueck(m, programm, zuweisungen) {
  const fall = [programm, ...zuweisungen].join(' ');
  const vorher = m.rechnen(programm, zuweisungen.join('\n'));
  if (!m.spracheSetzen('de')) falsch(fall, 'Deutsch nicht gesetzt');
  const deutsch = { ...process.env, LANG: 'C', LC_ALL: 'C', LANGUAGE: '' };
  fall_pruefen(m, programm, zuweisungen, deutsch);
  if (!m.spracheSetzen(sprache)) falsch(fall, `${sprache} nicht wieder gesetzt`);
  const nachher = m.rechnen(programm, zuweisungen.join('\n'));
  if (JSON.stringify(nachher) !== JSON.stringify(vorher)) falsch(fall, `nach Deutsch nicht mehr wie vorher in ${sprache}`);
}

(async () => {
  const m = await maschinenelemente(fs.readFileSync(modulpfad));
  if (sprache && !m.spracheSetzen(sprache)) falsch('sprache', `${sprache} nicht im Modul (${m.sprachen()})`);
  const beschreibungen = m.beschreibungen();
  if (beschreibungen.map((b) => b.programm).join() !== 'stalor,tarvex,lupran,kopdra,wendis')
    falsch('beschreibungen', beschreibungen.map((b) => b.programm).join());
  beschreibungen.forEach(beschreibung_pruefen);
  let anzahl = 0;
  const gewechselt = new Set();
  for (const zeile of fs.readFileSync(faellepfad, 'utf8').split('\n')) {
    if (zeile.trim() === '' || zeile.startsWith('#')) continue;
    const [programm, ...zuweisungen] = zeile.split(' ');
    fall_pruefen(m, programm, zuweisungen);
    if (sprache && !gewechselt.has(programm)) {
      gewechselt.add(programm);
      hin_und_zurueck(m, programm, zuweisungen);
    }
    ++anzahl;
  }
  beschreibungen.forEach((b, i) => {
    for (const zuweisungen of zufaellige_faelle(b, ZUFAELLIGE, zufall(SAAT + i))) {
      fall_pruefen(m, b.programm, zuweisungen);
      ++anzahl;
    }
  });
  console.log(`${anzahl} Faelle, ${stand()} falsch`);
  process.exit(stand() ? 1 : 0);
})().catch((x) => { console.log(x.stack); process.exit(1); });
