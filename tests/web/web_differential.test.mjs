// The WebAssembly build against the native build of the same conversions
// (build/dev: kelpworth_web_vectors), byte for byte: over 200,000 random
// moments and stamps in every form, every second of one day (where the
// console tool's kept arithmetic comes out a second short), in UTC and in a
// zone of test rules that changes its offset every week.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { existsSync } from 'node:fs';
import { join } from 'node:path';
import { describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { webBuild } from './browser.mjs';

const native = process.env.KELPWORTH_WEB_VECTORS ?? join(webBuild, '..', 'dev', 'web', 'kelpworth_web_vectors');
const entry = join(webBuild, 'index.mjs');
const missing = !existsSync(entry) ? `no ${entry}: cmake --build --preset web`
  : !existsSync(native) ? `no ${native}: cmake --build --preset dev --target kelpworth_web_vectors` : null;
const api = missing ? null : (await import(pathToFileURL(entry).href)).default;

// The native program's "weekly" zone: +01:00 in even weeks from 1601, +02:00 in odd ones.
const weekly = {
  name: 'weekly',
  offsetAt: (seconds) => (Math.floor(seconds / 604800) % 2 === 0 ? 3600 : 7200),
};

// A small seeded generator (mulberry32): the same inputs on every run.
function generator(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6D2B79F5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const below = (n) => Math.floor(next() * n);
  return { next, below, pick: (list) => list[below(list.length)] };
}

const pad = (value, width) => String(value).padStart(width, '0');

function randomMoment(random) {
  const year = random.pick([
    () => 1601 + random.below(300), () => 1899 + random.below(3), () => 1900 + random.below(200),
    () => 1601 + random.below(28400), () => random.pick([1600, 1601, 9999, 10000, 30827, 30828, 30829]),
  ])();
  const month = random.below(10) === 0 ? random.below(14) : 1 + random.below(12);
  const day = random.below(10) === 0 ? random.below(33) : 1 + random.below(28);
  const hour = random.below(20) === 0 ? 24 : random.below(24);
  const minute = random.below(50) === 0 ? 60 + random.below(40) : random.below(60);
  const second = random.below(50) === 0 ? 60 : random.below(60);
  const decimals = random.below(9);
  const fraction = decimals === 0 ? '' : `.${pad(random.below(10 ** Math.min(decimals, 9)), decimals)}`;
  const time = random.pick([
    () => '', () => `T${pad(hour, 2)}:${pad(minute, 2)}`, () => `T${pad(hour, 2)}:${pad(minute, 2)}:${pad(second, 2)}`,
    () => `T${pad(hour, 2)}:${pad(minute, 2)}:${pad(second, 2)}${fraction}`,
    () => ` ${pad(hour, 2)}:${pad(minute, 2)}:${pad(second, 2)}${fraction}Z`,
  ])();
  return `${pad(year, 4)}-${pad(month, 2)}-${pad(day, 2)}${time}`;
}

function randomStamp(random) {
  const high = BigInt(random.pick([0, 1, 0x01D37D69, 0x7FFFFFFF, 0x80000000, random.below(2 ** 32), random.below(2 ** 31)]));
  const stamp = (high << 32n) | BigInt(random.below(2 ** 32));
  const hex = stamp.toString(16);
  const upper = (text) => (random.below(2) === 0 ? text.toUpperCase() : text);
  const bytes = () => Array.from({ length: 8 }, (_, i) => pad(((stamp >> BigInt(8 * i)) & 0xFFn).toString(16), 2));
  const text = random.pick([
    () => `0x${pad((stamp >> 32n).toString(16), 8)}-0x${pad((stamp & 0xFFFFFFFFn).toString(16), 8)}`,
    () => `${(stamp >> 32n).toString(16)}-${(stamp & 0xFFFFFFFFn).toString(16)}`,
    () => `0x${hex}`, () => `0x${pad(hex, 17)}`, () => `0x1${pad(hex, 16)}`, () => stamp.toString(),
    () => bytes().join(','), () => `hex(b):${bytes().join(',')}`, () => `${bytes().join(',')},00`,
    () => `0x${hex}g`, () => '',
  ])();
  return `${random.below(8) === 0 ? ' ' : ''}${upper(text)}${random.below(8) === 0 ? '\t' : ''}`;
}

function nativeRun(mode, zoneName, text) {
  const run = spawnSync(native, [mode], { input: `${zoneName}\n${text}`, maxBuffer: 1 << 30, encoding: 'utf8' });
  assert.equal(run.status, 0, run.stderr);
  return run.stdout;
}

// The first differing line, so that a failure shows one case and not megabytes.
function assertSameLines(actual, expected, inputs) {
  if (actual === expected) return;
  const a = actual.split('\n');
  const e = expected.split('\n');
  const at = a.findIndex((line, index) => line !== e[index]);
  assert.fail(`line ${at + 1} "${inputs[at]}": WebAssembly "${a[at]}", native "${e[at]}"`);
}

describe('WebDifferential', { skip: missing ?? false }, () => {
  const random = generator(20171225);
  const inputs = [];
  for (let count = 0; count < 200000; ++count) inputs.push(count % 2 === 0 ? randomMoment(random) : randomStamp(random));
  for (let second = 0; second < 86400; ++second) {
    inputs.push(`2017-12-25T${pad(Math.floor(second / 3600), 2)}:${pad(Math.floor(second / 60) % 60, 2)}:${pad(second % 60, 2)}`);
  }
  const text = inputs.join('\n');

  for (const [zoneName, zone] of [['UTC', 'UTC'], ['weekly', weekly]]) {
    test(`${inputs.length} lines in ${zoneName}: the same result lines`, () => {
      const wasm = api.convertLines(text, zone);
      assertSameLines(wasm, nativeRun('lines', zoneName, text), inputs);
      const lines = wasm.split('\n');
      // The inputs reach every kind of answer.
      assert.ok(lines.filter((line) => line.startsWith('error:')).length > 10000);
      assert.ok(lines.filter((line) => line.split('\t').length === 7 && line.startsWith('0x')).length > 10000,
        'many moments where the console tool prints another stamp line');
    });
  }

  test('single conversions: the same records, notes and command lines included', () => {
    const sample = inputs.filter((_, index) => index % 20 === 0);
    for (const [zoneName, zone] of [['UTC', 'UTC'], ['weekly', weekly]]) {
      const moments = sample.filter((_, index) => index % 2 === 0);
      const stamps = sample.filter((_, index) => index % 2 === 1);
      const record = (result) => [
        ...Object.entries(result.forms).map(([form, value]) => `${form}\t${value}\n`),
        ...result.notes.map((note) => `note\t${note}\n`),
        result.command === null ? '' : `command\t${result.command}\n`,
        result.consoleStamp === null ? '' : `console\t${result.consoleStamp}\n`,
        result.errorField === null ? '' : `error-field\t${result.errorField}\n`,
        result.error === null ? '' : `error\t${result.error}\n`,
      ].join('');
      const wasmMoments = moments.map((text) => `${record(api.stampOfMoment(text, zone))}\n`).join('');
      assertSameLines(wasmMoments, nativeRun('moment', zoneName, moments.join('\n')), moments);
      const wasmStamps = stamps.map((text) => `${record(api.readStamp(text, zone))}\n`).join('');
      assertSameLines(wasmStamps, nativeRun('stamp', zoneName, stamps.join('\n')), stamps);
    }
  });
});
