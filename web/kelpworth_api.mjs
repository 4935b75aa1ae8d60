// The stamp library's conversions over its WebAssembly module, for the page
// and for Node. The arithmetic, the forms, the reading of stamps and the
// decision on a repeated or missing local time are the module's; this file
// passes texts in and out and answers one question for it: the UTC offset
// of a zone at a UTC second, from the host's Intl.

// Seconds from 1601-01-01 to 1970-01-01, where JavaScript counts from.
const UnixEpochFrom1601 = 11644473600;
// Offsets remembered per zone before the memory starts over.
const OffsetMemoryLimit = 200000;

// The host's own zone, as Intl names it.
export function hostZone() {
  return new Intl.DateTimeFormat().resolvedOptions().timeZone || 'UTC';
}

// The IANA name as Intl spells it, or null when Intl knows no such zone.
export function knownZone(name) {
  try {
    return new Intl.DateTimeFormat('en-US', { timeZone: name }).resolvedOptions().timeZone;
  } catch {
    return null;
  }
}

// offsetAt(seconds from 1601, UTC) -> the zone's offset east of UTC in
// seconds then, NaN when Intl has no answer. The local time Intl shows for
// that second, less the second itself.
function intlOffsets(timeZone) {
  const format = new Intl.DateTimeFormat('en-US', {
    timeZone, hourCycle: 'h23', era: 'short', year: 'numeric', month: 'numeric',
    day: 'numeric', hour: 'numeric', minute: 'numeric', second: 'numeric',
  });
  const memory = new Map();
  return (utcSeconds) => {
    const known = memory.get(utcSeconds);
    if (known !== undefined) return known;
    const unixSeconds = utcSeconds - UnixEpochFrom1601;
    // "12/25/2017 AD, 10:20:30": its six numbers, month first. format() is
    // four times as fast as formatToParts(), which is kept for any other
    // shape of the text.
    const text = format.format(unixSeconds * 1000);
    let numbers = text.match(/\d+/g)?.map(Number) ?? [];
    let beforeChrist = text.includes('BC');
    if (numbers.length !== 6) {
      const fields = {};
      for (const piece of format.formatToParts(unixSeconds * 1000)) fields[piece.type] = piece.value;
      numbers = ['month', 'day', 'year', 'hour', 'minute', 'second'].map((type) => Number(fields[type]));
      beforeChrist = fields.era === 'BC' || fields.era === 'B';
    }
    const [month, day, yearOfEra, hour, minute, second] = numbers;
    const year = beforeChrist ? 1 - yearOfEra : yearOfEra;
    const local = new Date(0);
    local.setUTCFullYear(year, month - 1, day);
    local.setUTCHours(hour, minute, second);
    const offset = local.getTime() / 1000 - unixSeconds;
    const answer = Number.isFinite(offset) && Math.abs(offset) < 86400 ? offset : NaN;
    if (memory.size >= OffsetMemoryLimit) memory.clear();
    memory.set(utcSeconds, answer);
    return answer;
  };
}

// What one conversion gives: { stamp (BigInt or null), forms: { halves,
// hex, decimal, bytes, reg, iso, local }, notes: [...], command,
// consoleStamp, error, errorField } -- error and errorField null when read.
function resultOf(record) {
  const result = {
    stamp: null, forms: {}, notes: [], command: null, consoleStamp: null,
    error: null, errorField: null,
  };
  for (const line of record.split('\n')) {
    if (line === '') continue;
    const tab = line.indexOf('\t');
    const name = line.slice(0, tab);
    const text = line.slice(tab + 1);
    if (name === 'note') result.notes.push(text);
    else if (name === 'command') result.command = text;
    else if (name === 'console') result.consoleStamp = text;
    else if (name === 'error') result.error = text;
    else if (name === 'error-field') result.errorField = text;
    else result.forms[name] = text;
  }
  if (result.forms.decimal !== undefined) result.stamp = BigInt(result.forms.decimal);
  return result;
}

function refusal(errorField, error) {
  return resultOf(`error-field\t${errorField}\nerror\t${error}\n`);
}

// The API over a loaded module (the default export of kelpworth_module.mjs,
// awaited). A zone is 'UTC', an IANA name Intl knows, undefined for the
// host's zone, or { name, offsetAt(utcSecondsFrom1601) } with rules of
// one's own.
export function kelpworthApi(module) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const zones = new Map();
  let zoneInModule = null;

  const put = (text) => {
    const bytes = encoder.encode(text);
    const at = module._KelpworthInput(bytes.length);
    module.HEAPU8.set(bytes, at);  // after the call: the memory may have grown
  };
  const take = () => {
    const at = module._KelpworthOutput();
    return decoder.decode(module.HEAPU8.subarray(at, at + module._KelpworthOutputSize()));
  };

  // Sets the module's zone; the name, or null when the zone is unknown.
  const useZone = (zone) => {
    let name;
    let offsetAt;
    if (zone !== null && typeof zone === 'object') {
      ({ name, offsetAt } = zone);
    } else {
      name = zone === undefined || zone === '' ? hostZone() : knownZone(zone);
      if (name === null) return null;
      if (name === 'Etc/UTC' || name === 'Etc/GMT' || name === 'GMT') name = 'UTC';
      if (name !== 'UTC') {
        if (!zones.has(name)) zones.set(name, intlOffsets(name));
        offsetAt = zones.get(name);
      }
    }
    module.offsetAt = offsetAt;
    if (zoneInModule !== zone || typeof zone === 'object') {
      put(name);
      module._KelpworthSetZone();
      zoneInModule = zone;
    }
    return name;
  };
  const unknownZone = (zone) => refusal('zone',
    `unknown time zone "${zone}": give UTC or a name such as Europe/Berlin`);

  const run = (entry, text, zone) => {
    if (useZone(zone) === null) return unknownZone(zone);
    put(text);
    entry();
    return resultOf(take());
  };

  return {
    // A moment as "2017-12-25T10:20:30.1234567" (time optional, "Z" for
    // UTC) in the zone: its exact stamp and every form.
    stampOfMoment: (text, zone) => run(module._KelpworthMoment, String(text), zone),
    // A stamp in any form the console tool's /r reads.
    readStamp: (text, zone) => run(module._KelpworthReading, String(text), zone),
    // Every form of a stamp given as a BigInt (or a number below 2^53).
    formsOfStamp: (stamp, zone) => run(module._KelpworthReading, BigInt(stamp).toString(), zone),
    // One tab-separated result line per line of the text (see README).
    convertLines: (text, zone) => {
      if (useZone(zone) === null) throw new RangeError(unknownZone(zone).error);
      put(text);
      module._KelpworthLines();
      return take();
    },
    hostZone,
    knownZone,
  };
}
