// The WebAssembly module through its Node API: known stamps, forms and
// refusals; zones with known answers from Node's Intl.
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { webBuild } from './browser.mjs';

const entry = join(webBuild, 'index.mjs');
const missing = existsSync(entry) ? null : `no ${entry}: build it with cmake --preset web && cmake --build --preset web`;
const api = missing ? null : (await import(pathToFileURL(entry).href)).default;

describe('WebModuleVectors', { skip: missing ?? false }, () => {
  test('a moment gives its exact stamp in every form, and the console tool\'s line where it differs', () => {
    const result = api.stampOfMoment('2017-12-25T10:20:30', 'UTC');
    assert.equal(result.stamp, 131586708300000000n);
    assert.deepEqual(result.forms, {
      halves: '0x01D37D69-0xFD626B00',
      hex: '0x01D37D69FD626B00',
      decimal: '131586708300000000',
      bytes: '00 6B 62 FD 69 7D D3 01',
      reg: 'hex(b):00,6b,62,fd,69,7d,d3,01',
      iso: '2017-12-25T10:20:30.0000000Z',
      local: '2017-12-25T10:20:30.0000000+00:00',
    });
    assert.equal(result.consoleStamp, '0x01D37D69-0xFCC9D480');
    assert.match(result.notes[0], /prints 0x01D37D69-0xFCC9D480 .* one second short/);
    assert.equal(result.command, 'LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:30');
  });

  // The expected count from JavaScript's own calendar, in BigInt.
  const countOf = (iso) => {
    const [, whole, fraction = ''] = iso.match(/^(.*?:\d\d)(?:\.(\d+))?Z$/);
    const seconds = BigInt(Date.parse(`${whole}Z`) / 1000) + 11644473600n;
    return seconds * 10000000n + BigInt(fraction.padEnd(7, '0'));
  };
  const moments = [
    // text, iso
    ['1601-01-01', '1601-01-01T00:00:00.0000000Z'],
    ['1601-01-01T00:00:00.0000001', '1601-01-01T00:00:00.0000001Z'],
    ['2017-12-25T10:20:30.1234567', '2017-12-25T10:20:30.1234567Z'],
    ['2017-12-25 10:20:30.5', '2017-12-25T10:20:30.5000000Z'],
    ['2000-02-29T23:59:59.9999999', '2000-02-29T23:59:59.9999999Z'],
    ['1899-12-30T12:00', '1899-12-30T12:00:00.0000000Z'],
    ['9999-12-31T23:59:59', '9999-12-31T23:59:59.0000000Z'],
    ['2017-12-25T10:20:30Z', '2017-12-25T10:20:30.0000000Z'],
  ];
  for (const [text, iso] of moments) {
    test(`moment ${text}`, () => {
      const result = api.stampOfMoment(text, 'UTC');
      assert.equal(result.error, null);
      assert.equal(result.stamp, countOf(iso));
      assert.equal(result.forms.iso, iso);
      // The stamp reads back as the same moment.
      assert.equal(api.readStamp(result.forms.halves, 'UTC').forms.iso, iso);
    });
  }

  test('the last stamp', () => {
    const result = api.stampOfMoment('30828-09-14T02:48:05.4775807', 'UTC');
    assert.equal(result.forms.halves, '0x7FFFFFFF-0xFFFFFFFF');
    assert.equal(result.command, null);  // the console tool reads years up to 9999
  });

  test('a date before 30.12.1899: the console tool counts the time of day backwards', () => {
    const result = api.stampOfMoment('1700-03-04T05:06:07', 'UTC');
    assert.equal(result.forms.iso, '1700-03-04T05:06:07.0000000Z');
    assert.match(result.notes.join(' '), /counts the time of day backwards before 30\.12\.1899/);
    assert.notEqual(result.consoleStamp, null);
  });

  test('fractions of a second: the console tool takes whole seconds', () => {
    const result = api.stampOfMoment('2017-12-25T10:20:31.5', 'UTC');
    assert.match(result.notes.join(' '), /which takes whole seconds/);
    assert.equal(result.command, 'LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:31');
  });

  const readings = [
    // text as pasted, iso, note
    ['0x01D37D69-0xFCC9D480', '2017-12-25T10:20:29.0000000Z', null],
    ['  01d37d69-fcc9d480 ', '2017-12-25T10:20:29.0000000Z', null],
    ['0x1D37D69FCC9D480', '2017-12-25T10:20:29.0000000Z', null],
    ['0x001D37D69FCC9D480', '2017-12-25T10:20:29.0000000Z', null],  // zeros in front count for nothing
    ['131586708290000000', '2017-12-25T10:20:29.0000000Z', null],
    ['80,D4,C9,FC,69,7D,D3,01', '2017-12-25T10:20:29.0000000Z', null],
    ['HEX(B):80,d4,c9,fc,69,7d,d3,01', '2017-12-25T10:20:29.0000000Z', null],
    ['131586708290000001', '2017-12-25T10:20:29.0000001Z', null],
    ['0', '1601-01-01T00:00:00.0000000Z', /not set/],
    ['0x7FFFFFFFFFFFFFFF', '30828-09-14T02:48:05.4775807Z', /never/],
  ];
  for (const [text, iso, note] of readings) {
    test(`stamp "${text}"`, () => {
      const result = api.readStamp(text, 'UTC');
      assert.equal(result.error, null);
      assert.equal(result.forms.iso, iso);
      if (note) assert.match(result.notes.join(' '), note);
      else assert.deepEqual(result.notes, []);
    });
  }

  test('formsOfStamp takes a BigInt and keeps every bit', () => {
    const result = api.formsOfStamp(131586708290000001n, 'UTC');
    assert.equal(result.stamp, 131586708290000001n);
    assert.equal(result.forms.decimal, '131586708290000001');
  });
});

describe('WebModuleRefusals', { skip: missing ?? false }, () => {
  const refused = [
    // kind, text, field, what the message says
    ['moment', '2017-02-31', 'date', /February 2017 has 28 days/],
    ['moment', '2017-13-01', 'date', /month 13/],
    ['moment', '1600-12-31T23:59', 'date', /before the first stamp/],
    ['moment', '30828-09-14T02:48:05.4775808', 'date', /after the last stamp/],
    ['moment', '25.12.2017', 'date', /year-month-day/],
    ['moment', '2017-12-25T24:00', 'time', /hour is 00 to 23/],
    ['moment', '2017-12-25T10:61', 'time', /minute is 00 to 59/],
    ['moment', '2017-12-25T10:20:30.12345678', 'time', /more than 7 decimal places/],
    ['moment', '2017-12-25T10:20:30 pm', 'time', /more than a time of day/],
    ['stamp', '0x11D37D69FCC9D4800', 'stamp', /more than 64 bits/],
    ['stamp', '0x01D37D69FCC9D48G', 'stamp', /no stamp: give/],
    ['stamp', '80,d4,c9,fc,69,7d,d3,01,00', 'stamp', /more than 64 bits/],
    ['stamp', '0x8000000000000000', 'stamp', /top bit is set/],
    ['stamp', '18446744073709551616', 'stamp', /more than 64 bits/],
    ['stamp', '', 'stamp', /no stamp/],
  ];
  for (const [kind, text, field, message] of refused) {
    test(`${kind} "${text}" is refused at the ${field}`, () => {
      const result = kind === 'moment' ? api.stampOfMoment(text, 'UTC') : api.readStamp(text, 'UTC');
      assert.equal(result.errorField, field);
      assert.match(result.error, message);
      assert.equal(result.stamp, null);
      assert.deepEqual(result.forms, {});
    });
  }

  test('an unknown zone is refused, and convertLines throws for it', () => {
    const result = api.stampOfMoment('2017-12-25', 'Mars/Olympus');
    assert.equal(result.errorField, 'zone');
    assert.throws(() => api.convertLines('2017-12-25', 'Mars/Olympus'), RangeError);
  });
});

describe('WebModuleZones', { skip: missing ?? false }, () => {
  const zones = [
    // moment, zone, iso (UTC), local, note
    ['2024-03-31T02:30', 'Europe/Berlin', '2024-03-31T01:30:00.0000000Z', '2024-03-31T03:30:00.0000000+02:00', /does not occur .*UTC\+02:00/],
    ['2024-10-27T02:30', 'Europe/Berlin', '2024-10-27T00:30:00.0000000Z', '2024-10-27T02:30:00.0000000+02:00', /occurs twice .*first occurrence/],
    ['2024-07-01T12:00', 'Europe/Berlin', '2024-07-01T10:00:00.0000000Z', '2024-07-01T12:00:00.0000000+02:00', null],
    ['2024-11-03T01:30', 'America/New_York', '2024-11-03T05:30:00.0000000Z', '2024-11-03T01:30:00.0000000-04:00', /occurs twice/],
    ['2024-04-07T01:45', 'Australia/Lord_Howe', '2024-04-06T14:45:00.0000000Z', '2024-04-07T01:45:00.0000000+11:00', /occurs twice .*UTC\+10:30/],
    ['2024-10-06T02:15', 'Australia/Lord_Howe', '2024-10-05T15:45:00.0000000Z', '2024-10-06T02:45:00.0000000+11:00', /does not occur/],
    ['1890-06-01T12:00', 'Europe/Berlin', '1890-06-01T11:06:32.0000000Z', '1890-06-01T12:00:00.0000000+00:53:28', null],
  ];
  for (const [moment, zone, iso, local, note] of zones) {
    test(`${moment} in ${zone}`, () => {
      const result = api.stampOfMoment(moment, zone);
      assert.equal(result.error, null);
      assert.equal(result.forms.iso, iso);
      assert.equal(result.forms.local, local);
      const zoneNotes = result.notes.filter((text) => !text.startsWith('The console tool'));
      if (note) assert.match(zoneNotes.join(' '), note);
      else assert.deepEqual(zoneNotes, []);
      assert.match(result.command, new RegExp(`^TZ=${zone} LANG=de_DE.UTF-8 kelpworth .* /u$`));
      // Read back, the stamp is the same moment in the zone.
      assert.equal(api.readStamp(result.forms.halves, zone).forms.local, local);
    });
  }
});

describe('WebModuleLines', { skip: missing ?? false }, () => {
  test('one result line per input line, the columns of a moment and of a stamp', () => {
    const out = api.convertLines('2017-12-25T10:20:30\r\n\n80,d4,c9,fc,69,7d,d3,01\nnonsense\n2017-12-25T10:20:31', 'UTC');
    const lines = out.split('\n');
    assert.equal(lines.length, 6);
    assert.equal(lines[5], '');
    assert.deepEqual(lines[0].split('\t'), ['0x01D37D69-0xFD626B00', '131586708300000000', '0x01D37D69FD626B00',
      '00 6B 62 FD 69 7D D3 01', 'hex(b):00,6b,62,fd,69,7d,d3,01', '2017-12-25T10:20:30.0000000Z', '0x01D37D69-0xFCC9D480']);
    assert.equal(lines[1], '');
    assert.deepEqual(lines[2].split('\t'), ['2017-12-25T10:20:29.0000000Z', '2017-12-25T10:20:29.0000000+00:00',
      '0x01D37D69-0xFCC9D480', '131586708290000000', '0x01D37D69FCC9D480', '80 D4 C9 FC 69 7D D3 01',
      'hex(b):80,d4,c9,fc,69,7d,d3,01']);
    assert.match(lines[3], /^error: no stamp/);
    assert.equal(lines[4].split('\t').length, 6);
  });
});
