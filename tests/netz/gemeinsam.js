// What the node tests of the WebAssembly module share: running the native
// programs, comparing JSON, seeded random inputs.
'use strict';
const { spawnSync } = require('node:child_process');

// What a test counts and how it runs a native program: falsch(fall, was)
// notes a difference, nativ(args, optionen) runs the program (bounded in
// time, failing with what it ran), stand() is the number of differences.
function pruefung(programm) {
  let fehler = 0;
  return {
    falsch: (fall, was) => { ++fehler; console.log(`FALSCH ${fall}: ${was}`); },
    nativ(args, optionen = {}) {
      const r = spawnSync(programm, args, { encoding: 'utf8', timeout: 20000, ...optionen });
      if (r.error) throw new Error(`${programm} ${args.join(' ')}: ${r.error.message}`);
      return r;
    },
    stand: () => fehler,
  };
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

module.exports = { pruefung, vergleichen, zufall, feldtext, zufaellige_faelle };
