// Reads an ADIF file byte for byte (one character per byte) with an independent ADIF parser
// and prints what it found as JSON: {"header": {...}, "records": [{...}, ...]}.
'use strict';
const fs = require('fs');
const { AdifParser } = require('adif-parser-ts');

const text = fs.readFileSync(process.argv[2], 'latin1');
const parsed = AdifParser.parseAdi(text);
process.stdout.write(JSON.stringify({ header: parsed.header || {}, records: parsed.records || [] }));
