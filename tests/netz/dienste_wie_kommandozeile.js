// The WebAssembly module's input sets, diagrams, searches and catalogues
// against the native programs: eingabenSchreiben against
// --eingaben-schreiben -, eingabenLesen through --eingaben, suchen against
// --suche ... --format json, kataloge, katalog and auslegung against
// --kataloge, --katalog and --auslegung (status, message and bytes equal;
// JSON "wert" numbers to their last bits), the SVG diagram against the
// same writer compiled natively (bytes equal), the working against the
// same code compiled natively (text equal).
// With --kurz (the run under another locale) only the committed cases and
// searches, and of every table its list, its first entry and its design
// without conditions.
// node dienste_wie_kommandozeile.js MODUL.wasm GLUE.js KOMMANDOZEILE NETZ_NATIV FAELLE SUCHFAELLE [--kurz]
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const [modulpfad, gluepfad, kommandozeile, netz_nativ, faellepfad, suchpfad, ...weitere] = process.argv.slice(2);
const KURZ = weitere.includes('--kurz');
const maschinenelemente = require(gluepfad);
const { pruefung, vergleichen, zufall, zufaellige_faelle } = require('./gemeinsam.js');

// No user tables: an empty home of its own.
const heim = fs.mkdtempSync(path.join(os.tmpdir(), 'netz-'));
process.on('exit', () => fs.rmSync(heim, { recursive: true, force: true }));
const umgebung = { ...process.env, HOME: heim, XDG_DATA_HOME: path.join(heim, 'daten') };
const { falsch, nativ: nativ_roh, stand } = pruefung(kommandozeile);
const nativ = (args) => nativ_roh(args, { env: umgebung });
const schnittstelle_nativ = pruefung(netz_nativ).nativ;

const SAAT = 20261210;
const ZUFAELLIGE = KURZ ? 0 : 8;
const PREFIX = 'maschinenelemente: ';

// Status and message of a call against the native one's.
function abbruch_gleich(fall, w, n, meldung_vorne = '') {
  if (w.status !== n.status) { falsch(fall, `Status ${w.status} gegen ${n.status}: ${w.meldung} / ${n.stderr}`); return false; }
  if (w.status !== 0 && `${PREFIX}${meldung_vorne}${w.meldung}\n` !== n.stderr) {
    falsch(fall, `Meldung "${w.meldung}" gegen "${n.stderr}"`);
    return false;
  }
  return true;
}

function json_gleich(fall, a, b) {
  const abweichungen = [];
  const f = vergleichen(JSON.parse(a), JSON.parse(b), '', abweichungen);
  if (f) falsch(fall, f);
  else if (abweichungen.length) console.log(`letzte Stellen ${fall}: ${abweichungen.join(', ')}`);
}

function eingabesatz_pruefen(m, programm, zuweisungen) {
  const fall = `eingaben ${programm} ${zuweisungen.join(' ')}`;
  const w = m.eingabenSchreiben(programm, zuweisungen.join('\n'));
  const n = nativ([programm, ...zuweisungen, '--eingaben-schreiben', '-']);
  if (!abbruch_gleich(fall, w, n) || w.status !== 0) return;
  if (w.text !== n.stdout) return falsch(fall, 'Eingabesatz weicht ab');
  satz_lesen_pruefen(m, programm, w.text, fall);
}

// A set's text read by the module and through --eingaben: the same set
// written again, or the same refusal.
function satz_lesen_pruefen(m, programm, text, fall) {
  const datei = path.join(heim, `satz.${programm}`);
  fs.writeFileSync(datei, text);
  const l = m.eingabenLesen(programm, text);
  const n = nativ([programm, '--eingaben', datei, '--eingaben-schreiben', '-']);
  if (!abbruch_gleich(`${fall} (lesen)`, l, n, `Eingabesatz ${datei}: `) || l.status !== 0) return;
  if (m.eingabenSchreiben(programm, l.zeilen).text !== n.stdout) falsch(`${fall} (lesen)`, 'gelesen weicht ab');
}

function diagramm_pruefen(m, programm, zuweisungen) {
  for (const [b, h] of [[800, 500], [430, 310]]) {
    const fall = `diagramm ${b}x${h} ${programm} ${zuweisungen.join(' ')}`;
    const w = m.diagramm(programm, zuweisungen.join('\n'), b, h);
    const n = schnittstelle_nativ([programm, String(b), String(h)], { input: zuweisungen.join('\n') });
    if (w.status !== n.status || w.meldung !== n.stderr) falsch(fall, `${w.status} ${w.meldung} gegen ${n.status} ${n.stderr}`);
    else if (w.svg !== n.stdout) falsch(fall, 'SVG weicht ab');
    else if (w.status === 0 && !w.svg.startsWith('<?xml')) falsch(fall, 'kein SVG');
  }
}

function rechengang_pruefen(m, programm, zuweisungen) {
  const fall = `rechengang ${programm} ${zuweisungen.join(' ')}`;
  const w = m.rechengang(programm, zuweisungen.join('\n'));
  const n = schnittstelle_nativ([programm, 'rechengang'], { input: zuweisungen.join('\n') });
  if (w.status !== n.status || w.meldung !== n.stderr) falsch(fall, `${w.status} ${w.meldung} gegen ${n.status} ${n.stderr}`);
  else if (w.text !== n.stdout) falsch(fall, 'Rechengang weicht ab');
  else if (w.status === 0 && !w.text.startsWith('Rechengang\n')) falsch(fall, 'kein Rechengang');
}

function suche_pruefen(m, programm, zuweisungen, feld, ziel, bereich) {
  const fall = `suche ${programm} ${zuweisungen.join(' ')} ${feld} ${ziel} ${bereich}`;
  const [ergebnis, wert] = ziel === '' ? ['', ''] : ziel.split('=');
  const w = m.suchen(programm, zuweisungen.join('\n'), feld, ergebnis, wert ?? '', bereich);
  const args = [programm, ...zuweisungen, ...(ziel ? [ziel] : []), ...(feld ? ['--suche', feld] : []),
    ...(bereich ? ['--bereich', bereich] : []), '--format', 'json'];
  const n = nativ(args);
  if (!abbruch_gleich(fall, w, n) || w.status !== 0) return;
  json_gleich(fall, w.json, n.stdout);
}

function kataloge_pruefen(m, programm) {
  const liste = m.kataloge(programm);
  if (liste !== nativ([programm, '--kataloge', '--format', 'json']).stdout) falsch(`kataloge ${programm}`, 'weicht ab');
  const tabellen = JSON.parse(liste).tabellen;
  for (const t of tabellen) {
    for (const e of KURZ ? t.eintraege.slice(0, 1) : t.eintraege)
      katalog_pruefen(m, programm, [], `${t.name}:${e.bezeichnung}`);
    for (const bedingungen of [[], ...(KURZ ? [] : BEDINGUNGEN[programm] || [])])
      auslegung_pruefen(m, programm, [], t.name, bedingungen);
  }
  return tabellen;
}

function katalog_pruefen(m, programm, zuweisungen, wahl) {
  const fall = `katalog ${programm} ${zuweisungen.join(' ')} ${wahl}`;
  const satz = m.eingabenSchreiben(programm, zuweisungen.join('\n'));
  const datei = path.join(heim, `vorher.${programm}`);
  fs.writeFileSync(datei, satz.text);
  const w = m.katalog(programm, zuweisungen.join('\n'), wahl);
  const n = nativ([programm, '--eingaben', datei, ...wahl.split('\n').flatMap((x) => ['--katalog', x]),
    '--eingaben-schreiben', '-']);
  if (!abbruch_gleich(fall, w, n) || w.status !== 0) return;
  if (m.eingabenSchreiben(programm, w.zeilen).text !== n.stdout) falsch(fall, 'Eingaben weichen ab');
}

function auslegung_pruefen(m, programm, zuweisungen, tabelle, bedingungen) {
  const fall = `auslegung ${programm} ${zuweisungen.join(' ')} ${tabelle} ${bedingungen.join(' ')}`;
  const w = m.auslegung(programm, zuweisungen.join('\n'), tabelle, bedingungen.join('\n'));
  const args = [programm, ...zuweisungen, ...bedingungen, '--auslegung', tabelle];
  const text = nativ(args), json = nativ([...args, '--format', 'json']);
  if (!abbruch_gleich(fall, w, text) || !abbruch_gleich(`${fall} json`, w, json)) return;
  if (w.text !== text.stdout) falsch(fall, 'Text weicht ab');
  if ((w.json === '') !== (json.stdout === '')) return falsch(fall, 'JSON fehlt');
  if (w.json !== '') json_gleich(fall, w.json, json.stdout);
}

// Conditions per program, met and not met.
const BEDINGUNGEN = {
  tarvex: [['SF>=1.5'], ['SF<=0.1'], ['SF>=1,5'], ['XY>=1']],
  stalor: [['S>=5']],
  lupran: [['h0<=0.01']],
  wendis: [['F>=100']],
};

// Set texts the reader refuses or reads with its corners.
const SAETZE = [
  '[tarvex]\nd=10\n', '[stalor]\nFormatversion=2\n', '\ufeff[stalor]\nF=1\n', 'F=1\n[stalor]\n',
  '[stalor]\nF\n', '[stalor]\nF = 12  \r\nl1=\\s3\n', '[stalor]\nKnickfall=7\n', '[stalor]\nZ=1\n',
  '[stalor] x\n', '[stalor]\nF=1\nF=2\n[stalor]\nA=3\n', '# nur ein Kommentar\n', '',
  '[stalor]\nF=1\u0000x\n', '[fremd]\nF=1\n',
];

(async () => {
  const m = await maschinenelemente(fs.readFileSync(modulpfad));
  const beschreibungen = m.beschreibungen();
  let anzahl = 0;
  const faelle = [];
  for (const zeile of fs.readFileSync(faellepfad, 'utf8').split('\n')) {
    if (zeile.trim() === '' || zeile.startsWith('#')) continue;
    const [programm, ...zuweisungen] = zeile.split(' ');
    faelle.push([programm, zuweisungen]);
  }
  beschreibungen.forEach((b, i) => {
    for (const z of zufaellige_faelle(b, ZUFAELLIGE, zufall(SAAT + i))) faelle.push([b.programm, z]);
  });
  for (const [programm, zuweisungen] of faelle) {
    eingabesatz_pruefen(m, programm, zuweisungen);
    diagramm_pruefen(m, programm, zuweisungen);
    rechengang_pruefen(m, programm, zuweisungen);
    ++anzahl;
  }
  for (const text of SAETZE) satz_lesen_pruefen(m, 'stalor', text, `satz ${JSON.stringify(text)}`);

  // Searches: the committed ones, then per program seeded ones for a field
  // and a result at a target between the values at half and twice the field.
  for (const zeile of fs.readFileSync(suchpfad, 'utf8').split('\n')) {
    if (zeile.trim() === '' || zeile.startsWith('#')) continue;
    const [programm, feld, ziel, bereich, ...zuweisungen] = zeile.split(' ').map((t) => (t === '-' ? '' : t));
    suche_pruefen(m, programm, zuweisungen, feld, ziel, bereich);
    ++anzahl;
  }
  beschreibungen.forEach((b, i) => {
    const z = zufall(SAAT + 100 + i);
    const felder = b.eingaben.filter((f) => !f.text && !f.auswahl.length && Number(f.vorgabe) > 0);
    for (let k = 0; k < ZUFAELLIGE; ++k) {
      const f = felder[Math.floor(z() * felder.length)];
      const a = b.ergebnisse[Math.floor(z() * b.ergebnisse.length)];
      const r = m.rechnen(b.programm, `${f.name}=${Number(f.vorgabe) * (0.5 + 1.5 * z())}`);
      const wert = r.status === 0 ? JSON.parse(r.json).ergebnisse.find((e) => e.name === a.name) : null;
      const ziel = wert && typeof wert.wert === 'number' ? wert.wert : 1;
      suche_pruefen(m, b.programm, [], f.name, `${a.name}=${ziel}`, z() < 0.5 ? '' : `0.1:${Number(f.vorgabe) * 3}`);
      ++anzahl;
    }
  });

  for (const b of beschreibungen) anzahl += kataloge_pruefen(m, b.programm).length;
  katalog_pruefen(m, 'tarvex', ['d=12'], 'regelgewinde:M99');
  katalog_pruefen(m, 'tarvex', [], 'keine:M10');
  katalog_pruefen(m, 'tarvex', [], 'regelgewinde');
  katalog_pruefen(m, 'kopdra', [], 'x:y');
  auslegung_pruefen(m, 'tarvex', [], 'keine', []);
  auslegung_pruefen(m, 'kopdra', [], 'x', []);
  auslegung_pruefen(m, 'tarvex', ['F=3'], 'regelgewinde', ['SF>=1']);

  const fremd = m.rechnen('tarvexx', '');
  abbruch_gleich('unbekanntes Programm', fremd, nativ(['tarvexx']));
  console.log(`${anzahl} Faelle und Tabellen, ${stand()} falsch`);
  process.exit(stand() ? 1 : 0);
})().catch((x) => { console.log(x.stack); process.exit(1); });
