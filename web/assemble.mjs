// Builds the page in one file and the npm package beside it:
//   node assemble.mjs <web sources> <kelpworth_module.mjs> <output folder> <version>
// The page's one script is the module (its export dropped), the API (its
// exports dropped) and page.js; the Content-Security-Policy allows exactly
// that script and the style by their hashes, and WebAssembly.
import { createHash } from 'node:crypto';
import { copyFileSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [sources, moduleFile, output, version] = process.argv.slice(2);
const read = (name) => readFileSync(join(sources, name), 'utf8');

function replaceOnce(text, pattern, replacement, what) {
  if (!pattern.test(text)) throw new Error(`assemble: ${what} not found`);
  return text.replace(pattern, replacement);
}

const module = replaceOnce(readFileSync(moduleFile, 'utf8'),
  /^export default createKelpworthModule;\s*$/m, '', 'the module\'s export');
const api = replaceOnce(read('kelpworth_api.mjs'), /^export (function|const) /gm, '$1 ', 'the API\'s exports');
const script = `${module}\n${api}\n${read('page.js')}`;
const style = read('page.css');
if (/<\/(script|style)/i.test(script + style)) throw new Error('assemble: a closing tag inside the script or style');

const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const policy = [
  "default-src 'none'",
  `script-src ${hash(script)} 'wasm-unsafe-eval'`,
  `style-src ${hash(style)}`,
  "base-uri 'none'",
  "form-action 'none'",
].join('; ');

// A function as replacement: the texts hold "$" signs of their own.
const page = read('page.html')
  .replace('@CSP@', () => policy)
  .replace('@STYLE@', () => style)
  .replace('@SCRIPT@', () => script);
writeFileSync(join(output, 'kelpworth.html'), page);

for (const name of ['kelpworth_api.mjs', 'index.mjs', 'README.md']) {
  copyFileSync(join(sources, name), join(output, name));
}
copyFileSync(moduleFile, join(output, 'kelpworth_module.mjs'));
copyFileSync(join(sources, '..', 'LICENSE'), join(output, 'LICENSE'));
writeFileSync(join(output, 'package.json'), read('package.json').replace('@VERSION@', version));
