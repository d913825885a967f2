// The WebAssembly module against the native command line, case by case:
// status, message, report bytes, result and hint texts equal; JSON equal
// except the "wert" numbers and the checks' "grenze", which may differ in
// their last bits (glibc's pow, exp and log against the WASI C library's),
// each such case listed.
// Also each description against the command line's --namen and
// --ergebnisnamen.
// node wie_kommandozeile.js MODUL.wasm GLUE.js KOMMANDOZEILE FAELLE
'use strict';
const fs = require('node:fs');
const [modulpfad, gluepfad, kommandozeile, faellepfad] = process.argv.slice(2);
const maschinenelemente = require(gluepfad);
const { pruefung, zufall, zufaellige_faelle, vergleichen } = require('./gemeinsam.js');
const { falsch, nativ, stand } = pruefung(kommandozeile);

// Random cases per program, the same every run.
const ZUFAELLIGE = 25;
const SAAT = 20261209;

function fall_pruefen(m, programm, zuweisungen) {
  const fall = [programm, ...zuweisungen].join(' ');
  const w = m.rechnen(programm, zuweisungen.join('\n'));
  const json = nativ([programm, ...zuweisungen, '--format', 'json']);
  const bericht = nativ([programm, ...zuweisungen]);
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
  const namen = zeilen([
    ...b.eingaben.map((f) => [f.name, f.beschriftung, f.einheit, f.vorgabe, f.auswahl.join('|')]),
    ...b.optionen.map((o) => [o.name, o.beschriftung, '', o.vorgabe, o.werte.join('|')]),
  ]);
  if (namen !== nativ([b.programm, '--namen']).stdout) falsch(b.programm, 'Beschreibung gegen --namen');
  const ergebnisse = zeilen(b.ergebnisse.map((a) => [a.name, a.beschriftung, a.einheit]));
  if (ergebnisse !== nativ([b.programm, '--ergebnisnamen']).stdout)
    falsch(b.programm, 'Beschreibung gegen --ergebnisnamen');
  const rahmen = [...new Set([...b.eingaben, ...b.optionen].map((t) => t.rahmen))];
  if (rahmen.join('|') !== b.rahmen.join('|') || rahmen.includes(''))
    falsch(b.programm, `Rahmen ${b.rahmen} gegen ${rahmen}`);
  // Each field in a cell of its own in its frame's table.
  const zellen = b.eingaben.map((f) => [f.rahmen, f.zelle.zeile, f.zelle.spalte].join('|'));
  if (new Set(zellen).size !== zellen.length) falsch(b.programm, `zwei Felder in einer Zelle: ${zellen}`);
}

(async () => {
  const m = await maschinenelemente(fs.readFileSync(modulpfad));
  const beschreibungen = m.beschreibungen();
  if (beschreibungen.map((b) => b.programm).join() !== 'stalor,tarvex,lupran,kopdra,wendis')
    falsch('beschreibungen', beschreibungen.map((b) => b.programm).join());
  beschreibungen.forEach(beschreibung_pruefen);
  let anzahl = 0;
  for (const zeile of fs.readFileSync(faellepfad, 'utf8').split('\n')) {
    if (zeile.trim() === '' || zeile.startsWith('#')) continue;
    const [programm, ...zuweisungen] = zeile.split(' ');
    fall_pruefen(m, programm, zuweisungen);
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
