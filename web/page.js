// The page: its controls, the state in the URL fragment, the lines. Every
// conversion is the module's (kelpworth_api.mjs); this file only shows it.
// createKelpworthModule and kelpworthApi come before it in the same script.

const api = kelpworthApi(await createKelpworthModule());

const Forms = ['halves', 'hex', 'decimal', 'bytes', 'reg', 'iso', 'local'];
const LinesPerStep = 5000;
const StepMilliseconds = 100;  // a batch's steps before the page answers again
const ShownResultLines = 20000;  // more go to copy and download only
const FallbackCopyLimit = 1 << 20;  // characters copied through a selection

const byId = (id) => document.getElementById(id);
const formElement = (form) => document.querySelector(`[data-form="${form}"]`);
const fields = { date: byId('date'), time: byId('time'), stamp: byId('stamp'), zone: byId('zone') };
const errorElement = formElement('error');
const noteElement = formElement('note');

// The select's value: '' for the browser's own zone, else a name.
function fillZones() {
  const own = new Option(`This browser's zone (${api.hostZone()})`, '');
  fields.zone.add(own);
  fields.zone.add(new Option('UTC', 'UTC'));
  const names = typeof Intl.supportedValuesOf === 'function' ? Intl.supportedValuesOf('timeZone') : [];
  for (const name of names) if (name !== 'UTC') fields.zone.add(new Option(name, name));
}

function selectZone(name) {
  if (![...fields.zone.options].some((option) => option.value === name)) {
    fields.zone.add(new Option(name, name));
  }
  fields.zone.value = name;
}

// The zone the results are in: the selected one, or the one a link named.
let zoneProblem = null;

function zoneOfPage() {
  return fields.zone.value === '' ? undefined : fields.zone.value;
}

function clearResult() {
  for (const form of Forms) formElement(form).textContent = '';
  noteElement.textContent = '';
  byId('command').textContent = '';
}

// An error goes beside its field; nothing of an earlier result stays.
function showError(field, message) {
  clearResult();
  for (const input of Object.values(fields)) input.removeAttribute('aria-invalid');
  errorElement.textContent = message;
  if (message === '') {
    errorElement.removeAttribute('data-field');
    return;
  }
  const input = fields[field] ?? fields.date;
  input.setAttribute('aria-invalid', 'true');
  input.setAttribute('aria-describedby', 'error');
  input.closest('.field, section').after(errorElement);
  errorElement.dataset.field = field;
}

function showResult(result, what) {
  if (result.error !== null) {
    showError(result.errorField, `${labelOf(result.errorField)}: ${result.error}`);
    return;
  }
  showError('', '');
  for (const form of Forms) formElement(form).textContent = result.forms[form] ?? '';
  noteElement.textContent = result.notes.join('\n');
  byId('command').textContent = result.command ?? '(no command: the console tool reads years up to 9999)';
  byId('result-of').textContent = what;
}

function labelOf(field) {
  return { date: 'Date', time: 'Time', stamp: 'Stamp', zone: 'Time zone' }[field] ?? 'Input';
}

// Which input the result is of: the one edited last, or the link's.
let mode = 't';

function zoneName() {
  return zoneOfPage() ?? `${api.hostZone()}, this browser's zone`;
}

function convert() {
  byId('local-label').textContent = `Local time in ${zoneName()}`;
  if (zoneProblem !== null) {
    showError('zone', zoneProblem);
    return;
  }
  if (mode === 't') {
    if (fields.date.value.trim() === '') {
      showError('', '');
      byId('result-of').textContent = 'Give a date and time or a stamp.';
      return;
    }
    const time = fields.time.value.trim();
    const moment = fields.date.value.trim() + (time === '' ? '' : `T${time}`);
    showResult(api.stampOfMoment(moment, zoneOfPage()), `The stamp of ${moment} in ${zoneName()}:`);
  } else {
    if (fields.stamp.value.trim() === '') {
      showError('', '');
      byId('result-of').textContent = 'Give a date and time or a stamp.';
      return;
    }
    showResult(api.readStamp(fields.stamp.value, zoneOfPage()), `The moment of the stamp ${fields.stamp.value.trim()}:`);
  }
}

// The fragment: t=2017-12-25T10:20:30.1234567 or r=<stamp>, then z=<zone>.
function fragmentText(value) {
  return encodeURIComponent(value).replace(/%3A/gi, ':').replace(/%2F/gi, '/').replace(/%2C/gi, ',');
}

function saveState() {
  const parts = [];
  if (mode === 't') {
    const time = fields.time.value.trim();
    const moment = fields.date.value.trim() + (time === '' ? '' : `T${time}`);
    if (moment !== '') parts.push(`t=${fragmentText(moment)}`);
  } else if (fields.stamp.value.trim() !== '') {
    parts.push(`r=${fragmentText(fields.stamp.value.trim())}`);
  }
  if (zoneOfPage() !== undefined) parts.push(`z=${fragmentText(zoneOfPage())}`);
  const hash = parts.length === 0 ? '' : `#${parts.join('&')}`;
  if (hash !== location.hash) history.replaceState(null, '', hash === '' ? location.pathname + location.search : hash);
}

function loadState() {
  const state = new Map();
  for (const pair of location.hash.replace(/^#/, '').split('&')) {
    const equals = pair.indexOf('=');
    if (equals < 0) continue;
    let value = pair.slice(equals + 1);
    try {
      value = decodeURIComponent(value.replace(/\+/g, ' '));
    } catch {
      // Kept as it came: the field's message says what is wrong with it.
    }
    state.set(pair.slice(0, equals), value);
  }
  zoneProblem = null;
  const zone = state.get('z');
  if (zone === undefined || zone === '') {
    fields.zone.value = '';
  } else if (zone.toUpperCase() === 'UTC') {
    fields.zone.value = 'UTC';
  } else if (api.knownZone(zone) !== null) {
    selectZone(api.knownZone(zone));
  } else {
    fields.zone.value = '';
    zoneProblem = `unknown time zone "${zone}" in the link: give z=UTC or a name such as z=Europe/Berlin`;
  }
  if (state.has('r')) {
    mode = 'r';
    fields.stamp.value = state.get('r');
  } else if (state.has('t')) {
    mode = 't';
    const moment = state.get('t');
    const t = moment.search(/[Tt ]/);
    fields.date.value = t < 0 ? moment : moment.slice(0, t);
    fields.time.value = t < 0 ? '' : moment.slice(t + 1);
  }
  convert();
}

function onEdit(newMode) {
  return () => {
    if (newMode !== null) mode = newMode;
    zoneProblem = null;
    convert();
    saveState();
  };
}

// Copying: the clipboard where the browser allows it, else the selection.
function copyText(text, what) {
  const done = () => { byId('copy-status').textContent = `Copied: ${what}.`; };
  const fallback = () => {
    // A selection of megabytes takes the browser seconds: download instead.
    if (text.length > FallbackCopyLimit) {
      byId('copy-status').textContent = 'The browser does not allow copying this much here: download the results.';
      return;
    }
    const area = document.createElement('textarea');
    area.value = text;
    document.body.append(area);
    area.select();
    const copied = document.execCommand('copy');
    area.remove();
    if (copied) done();
    else byId('copy-status').textContent = 'The browser does not allow copying here: select the text and copy it.';
  };
  if (navigator.clipboard === undefined) {
    fallback();
    return;
  }
  navigator.clipboard.writeText(text).then(done, fallback);
}

// Lines: converted a step at a time, the page answering in between.
let linesRun = 0;
let linesResult = '';

async function convertLines() {
  const run = ++linesRun;
  const text = byId('lines').value;
  const progress = byId('lines-progress');
  const status = byId('lines-status');
  const started = performance.now();
  const parts = [];
  let converting = 0;  // of the time, in the module
  let yielding = 0;
  let lineCount = 0;
  const total = text === '' ? 0 : text.split('\n').length - (text.endsWith('\n') ? 1 : 0);
  let start = 0;
  let lastAnswer = started;
  while (start < text.length) {
    let end = start;
    for (let count = 0; count < LinesPerStep && end < text.length; ++count) {
      const next = text.indexOf('\n', end);
      end = next < 0 ? text.length : next + 1;
    }
    const stepStarted = performance.now();
    parts.push(api.convertLines(text.slice(start, end), zoneOfPage()));
    converting += performance.now() - stepStarted;
    lineCount += Math.min(LinesPerStep, total - lineCount);
    start = end;
    if (performance.now() - lastAnswer >= StepMilliseconds && start < text.length) {
      progress.value = lineCount / total;
      status.textContent = `${lineCount.toLocaleString('en')} of ${total.toLocaleString('en')} lines`;
      const yieldStarted = performance.now();
      await new Promise((resolve) => { setTimeout(resolve, 0); });
      yielding += performance.now() - yieldStarted;
      if (run !== linesRun) return;
      lastAnswer = performance.now();
    }
  }
  const showStarted = performance.now();
  linesResult = parts.join('');
  const shown = byId('lines-result');
  if (total > ShownResultLines) {
    let cut = 0;
    for (let count = 0; count < ShownResultLines; ++count) cut = linesResult.indexOf('\n', cut) + 1;
    shown.value = `${linesResult.slice(0, cut)}(the first ${ShownResultLines.toLocaleString('en')} lines; copy or download for all)`;
  } else {
    shown.value = linesResult;
  }
  progress.value = 1;
  document.body.dataset.linesShowMs = String(Math.round(performance.now() - showStarted));
  document.body.dataset.linesYieldMs = String(Math.round(yielding));
  const milliseconds = Math.round(performance.now() - started);
  status.textContent = `${total.toLocaleString('en')} lines converted in ${milliseconds} ms`;
  document.body.dataset.linesMs = String(milliseconds);
  document.body.dataset.linesModuleMs = String(Math.round(converting));
}

function downloadLines() {
  const url = URL.createObjectURL(new Blob([linesResult], { type: 'text/tab-separated-values' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = 'kelpworth.tsv';
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

fillZones();
fields.date.addEventListener('input', onEdit('t'));
fields.time.addEventListener('input', onEdit('t'));
fields.stamp.addEventListener('input', onEdit('r'));
fields.zone.addEventListener('change', onEdit(null));
window.addEventListener('hashchange', loadState);
for (const button of document.querySelectorAll('[data-copy]')) {
  button.setAttribute('aria-label', `Copy ${button.closest('dd').previousElementSibling.textContent}`);
  button.addEventListener('click', () => {
    const text = formElement(button.dataset.copy).textContent;
    if (text !== '') copyText(text, button.closest('dd').previousElementSibling.textContent);
  });
}
byId('convert-lines').addEventListener('click', convertLines);
byId('copy-lines').addEventListener('click', () => copyText(linesResult, 'the results of the lines'));
byId('download-lines').addEventListener('click', downloadLines);
loadState();
// Milliseconds from the start of navigation to the first result shown.
document.body.dataset.firstResultMs = String(performance.now());
document.body.dataset.ready = 'true';
