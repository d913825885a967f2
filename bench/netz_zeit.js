// Computations per second in the WebAssembly module under node, as
// bench/netz_zeit.cpp makes them natively.  node netz_zeit.js MODUL GLUE
'use strict';
const fs = require('node:fs');
const [modul, glue] = process.argv.slice(2);
require(glue)(fs.readFileSync(modul)).then((m) => {
  for (const programm of ['stalor', 'tarvex', 'lupran', 'kopdra', 'wendis']) {
    const beginn = process.hrtime.bigint();
    let n = 0;
    while (process.hrtime.bigint() - beginn < 2000000000n)
      for (let k = 0; k < 100; ++k, ++n)
        if (m.rechnen(programm, '').status !== 0) throw new Error(programm);
    console.log(`${programm} ${Math.round(n / (Number(process.hrtime.bigint() - beginn) / 1e9))}`);
  }
});
