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
const { spawnSync } = require('node:child_process');
const [modulpfad, gluepfad, kommandozeile, faellepfad] = process.argv.slice(2);
const maschinenelemente = require(gluepfad);

// Random cases per program, the same every run.
const ZUFAELLIGE = 25;
const SAAT = 20261209;

let fehler = 0;
const falsch = (fall, was) => { ++fehler; console.log(`FALSCH ${fall}: ${was}`); };

function nativ(args) {
  const r = spawnSync(kommandozeile, args, { encoding: 'utf8', timeout: 20000 });
  if (r.error) throw new Error(`${kommandozeile} ${args.join(' ')}: ${r.error.message}`);
  return r;
}

// Every "wert" or "grenze" number that differs, as a path; anything else that differs
// ends the comparison with a message.
function vergleichen(a, b, pfad, abweichungen) {
  if (typeof a === 'number' && typeof b === 'number' && (pfad.endsWith('.wert') || pfad.endsWith('.grenze'))) {
    if (a !== b) {
      if (Math.abs(a - b) > 1e-9 * Math.max(Math.abs(a), Math.abs(b)))
        return `${pfad}: ${a} gegen ${b}`;
      abweichungen.push(`${pfad} ${a} / ${b}`);
    }
    return null;
  }
  if (typeof a !== typeof b || Array.isArray(a) !== Array.isArray(b) || (a === null) !== (b === null))
    return `${pfad}: ${JSON.stringify(a)} gegen ${JSON.stringify(b)}`;
  if (typeof a !== 'object' || a === null)
    return a === b ? null : `${pfad}: ${JSON.stringify(a)} gegen ${JSON.stringify(b)}`;
  const schluessel = Object.keys(a);
  if (schluessel.join() !== Object.keys(b).join()) return `${pfad}: Schluessel ${schluessel} gegen ${Object.keys(b)}`;
  for (const k of schluessel) {
    const f = vergleichen(a[k], b[k], `${pfad}.${a[k] && a[k].name && Array.isArray(a) ? a[k].name : k}`, abweichungen);
    if (f) return f;
  }
  return null;
}

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

// mulberry32: small, and the same in every JavaScript engine.
function zufall(saat) {
  return () => {
    saat = (saat + 0x6d2b79f5) | 0;
    let t = Math.imul(saat ^ (saat >>> 15), 1 | saat);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Six digits and a point, no exponent.
function feldtext(x) {
  const t = x.toPrecision(6);
  return t.includes('e') ? x.toFixed(0) : t;
}

// Fields between half and one and a half times their default, written as a
// field takes them; options and lists at any of their values.
function zufaellige_faelle(b, n, z) {
  const faelle = [];
  for (let k = 0; k < n; ++k) {
    const zuweisungen = [];
    for (const f of b.eingaben) {
      if (f.auswahl.length) zuweisungen.push(`${f.name}=${f.auswahl[Math.floor(z() * f.auswahl.length)]}`);
      else if (!f.text && Number(f.vorgabe) !== 0)
        zuweisungen.push(`${f.name}=${feldtext(Number(f.vorgabe) * (0.5 + z()))}`);
    }
    for (const o of b.optionen) zuweisungen.push(`${o.name}=${o.werte[Math.floor(z() * o.werte.length)]}`);
    faelle.push(zuweisungen);
  }
  return faelle;
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
  console.log(`${anzahl} Faelle, ${fehler} falsch`);
  process.exit(fehler ? 1 : 0);
})().catch((x) => { console.log(x.stack); process.exit(1); });
