// Computations and searches per second in the WebAssembly module under
// node, as bench/netz_zeit.cpp makes them natively.  node netz_zeit.js MODUL GLUE
'use strict';
const fs = require('node:fs');
const [modul, glue] = process.argv.slice(2);

function messen(name, f) {
  const beginn = process.hrtime.bigint();
  let n = 0;
  while (process.hrtime.bigint() - beginn < 2000000000n)
    for (let k = 0; k < 10; ++k, ++n)
      if (f().status !== 0) throw new Error(name);
  console.log(`${name} ${Math.round(n / (Number(process.hrtime.bigint() - beginn) / 1e9))}`);
}

require(glue)(fs.readFileSync(modul)).then((m) => {
  for (const programm of ['stalor', 'tarvex', 'lupran', 'kopdra', 'wendis'])
    messen(programm, () => m.rechnen(programm, ''));
  for (const [programm, zeilen, feld, ergebnis, ziel, bereich] of [
    ['stalor', '', 'l1', 'F_max_zul', '2000', ''], ['tarvex', '', 'FAo', 'Siga', '50', ''],
    ['lupran', '', 'b', 'h0', '0.012', ''], ['kopdra', '', 'TK', 'tb', '0.5', ''],
    ['wendis', 't=2.5', 's', 'F', '1500', '0:1']])
    messen(`suche-${programm}`, () => m.suchen(programm, zeilen, feld, ergebnis, ziel, bereich));
});
