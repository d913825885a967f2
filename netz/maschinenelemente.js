// The engine's WebAssembly module with JavaScript texts, for the browser and
// for node alike.  The module asks the host for six functions of WASI; it
// reads no environment, opens no file and writes nothing, so they are
// answered here in a few lines rather than by a WASI runtime.
'use strict';

async function maschinenelemente(bytes) {
  let speicher = null;
  const ansicht = () => new DataView(speicher.buffer);
  const wasi = {
    environ_sizes_get(anzahl, groesse) {
      ansicht().setUint32(anzahl, 0, true);
      ansicht().setUint32(groesse, 0, true);
      return 0;
    },
    environ_get() { return 0; },
    // Output is never written; a write still counts as done.
    fd_write(fd, iovs, n, geschrieben) {
      let summe = 0;
      for (let i = 0; i < n; ++i) summe += ansicht().getUint32(iovs + 8 * i + 4, true);
      ansicht().setUint32(geschrieben, summe, true);
      return 0;
    },
    fd_seek() { return 70; }, // ESPIPE: no file to seek in
    fd_close() { return 0; },
    proc_exit(status) { throw new Error('Das Modul hat sich beendet: ' + status); },
  };
  const { instance } = await WebAssembly.instantiate(bytes, { wasi_snapshot_preview1: wasi });
  const e = instance.exports;
  speicher = e.memory;
  e._initialize();

  const kodierer = new TextEncoder(), dekodierer = new TextDecoder();
  const lesen = (zeiger) => {
    const bytes = new Uint8Array(speicher.buffer, zeiger);
    return dekodierer.decode(bytes.subarray(0, bytes.indexOf(0)));
  };

  // A function of the module called with texts (copied in, freed after)
  // and numbers.
  const aufrufen = (name, texte, zahlen = []) => {
    const zeiger = texte.map((t) => {
      const b = kodierer.encode(String(t));
      const p = e.speicher(b.length + 1);
      const ziel = new Uint8Array(speicher.buffer, p, b.length + 1);
      ziel.set(b);
      ziel[b.length] = 0;
      return p;
    });
    try { return e[name](...zeiger, ...zahlen); } finally { zeiger.forEach((p) => e.freigeben(p)); }
  };

  return {
    // The languages the module speaks, "de" first (where it has no
    // catalogue compiled in, German alone).
    sprachen: () => (e.sprachen ? JSON.parse(lesen(e.sprachen())) : ['de']),
    // Every text given after this in language code; false (and German) for
    // one it does not have.
    spracheSetzen: (code) => (e.sprache ? aufrufen('sprache', [code]) === 1 : code === 'de'),
    // A German text of the catalogues in the language set.
    text: (deutsch) => (e.uebersetzen ? lesen(aufrufen('uebersetzen', [deutsch])) : deutsch),
    // Every calculator's description, parsed.
    beschreibungen: () => JSON.parse(lesen(e.beschreibungen())),
    // One computation from NAME=WERT lines: the command line's status, its
    // JSON and report, or the message of a refusal; and what the window
    // shows: its dialogs' texts, the field that is no number and where.
    rechnen(programm, zeilen) {
      const status = aufrufen('rechnen', [programm, zeilen]);
      return {
        status, json: lesen(e.json()), bericht: lesen(e.bericht()), meldung: lesen(e.meldung()),
        fenster: JSON.parse(lesen(e.fenster())), feld: lesen(e.feld()), stelle: e.stelle(),
      };
    },
    // The working of that computation as the calculation record prints it, as text.
    rechengang(programm, zeilen) {
      const status = aufrufen('rechengang', [programm, zeilen]);
      return { status, text: lesen(e.text()), meldung: lesen(e.meldung()) };
    },
    // The windows' messages no computation gives.
    texte: () => JSON.parse(lesen(e.texte())),
    // An input set's text as NAME=WERT lines of every field and option.
    eingabenLesen(programm, text) {
      const status = aufrufen('eingaben_lesen', [programm, text], [kodierer.encode(text).length]);
      return { status, zeilen: lesen(e.zeilen()), meldung: lesen(e.meldung()) };
    },
    // The input set of NAME=WERT lines, as the command line and the windows write it.
    eingabenSchreiben(programm, zeilen) {
      const status = aufrufen('eingaben_schreiben', [programm, zeilen]);
      return { status, text: lesen(e.text()), meldung: lesen(e.meldung()) };
    },
    // The computation's diagram as SVG, breite x hoehe pixels.
    diagramm(programm, zeilen, breite, hoehe) {
      const status = aufrufen('diagramm', [programm, zeilen], [breite | 0, hoehe | 0]);
      return { status, svg: lesen(e.svg()), meldung: lesen(e.meldung()) };
    },
    // The search for field feld that brings result ergebnis to ziel, in
    // bereich "VON:BIS" ("" around the field's value): the command line's
    // JSON (and the report of the inputs found, as bericht); where the
    // window's dialog would not search or finds nothing, its text in fenster.
    suchen(programm, zeilen, feld, ergebnis, ziel, bereich = '') {
      const status = aufrufen('suchen', [programm, zeilen, feld, ergebnis, ziel, bereich]);
      return {
        status, json: lesen(e.json()), bericht: lesen(e.bericht()), meldung: lesen(e.meldung()),
        fenster: JSON.parse(lesen(e.fenster())),
      };
    },
    // The built-in catalogue tables as the command line's JSON text ("" for an unknown program).
    kataloge: (programm) => lesen(aufrufen('kataloge', [programm])),
    // The NAME=WERT lines after applying "TABELLE:EINTRAG" (several: one a line).
    katalog(programm, zeilen, wahl) {
      const status = aufrufen('katalog', [programm, zeilen, wahl]);
      return { status, zeilen: lesen(e.zeilen()), meldung: lesen(e.meldung()) };
    },
    // Design to a standard size from table tabelle with conditions
    // ERGEBNIS>=WERT / ERGEBNIS<=WERT (one a line): the report text and the JSON.
    auslegung(programm, zeilen, tabelle, bedingungen = '') {
      const status = aufrufen('auslegung', [programm, zeilen, tabelle, bedingungen]);
      return { status, text: lesen(e.text()), json: lesen(e.json()), meldung: lesen(e.meldung()) };
    },
  };
}

if (typeof module !== 'undefined') module.exports = maschinenelemente;
