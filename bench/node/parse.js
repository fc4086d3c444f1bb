// Times adif-parser-ts on one ADIF file: reading the file and parsing it,
// without node's own start-up. Prints "<milliseconds> <records>".
'use strict';
const fs = require('fs');
const { AdifParser } = require('adif-parser-ts');

const path = process.argv[2];
const start = process.hrtime.bigint();
const text = fs.readFileSync(path, 'latin1');
const parsed = AdifParser.parseAdi(text);
const ms = Number(process.hrtime.bigint() - start) / 1e6;
console.log(`${ms.toFixed(1)} ${parsed.records ? parsed.records.length : 0}`);
