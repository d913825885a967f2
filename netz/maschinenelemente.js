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
  const mitText = (text, f) => {
    const b = kodierer.encode(text);
    const p = e.speicher(b.length + 1);
    const ziel = new Uint8Array(speicher.buffer, p, b.length + 1);
    ziel.set(b);
    ziel[b.length] = 0;
    try { return f(p); } finally { e.freigeben(p); }
  };

  return {
    // Every calculator's description, parsed.
    beschreibungen: () => JSON.parse(lesen(e.beschreibungen())),
    // One computation from NAME=WERT lines: the command line's status, its
    // JSON and report, or the message of a refusal; and what the window
    // shows: its dialogs' texts, the field that is no number and where.
    rechnen(programm, zeilen) {
      const status = mitText(programm, (p) => mitText(zeilen, (z) => e.rechnen(p, z)));
      return {
        status, json: lesen(e.json()), bericht: lesen(e.bericht()), meldung: lesen(e.meldung()),
        fenster: JSON.parse(lesen(e.fenster())), feld: lesen(e.feld()), stelle: e.stelle(),
      };
    },
    // The windows' messages no computation gives.
    texte: () => JSON.parse(lesen(e.texte())),
  };
}

if (typeof module !== 'undefined') module.exports = maschinenelemente;
