// The test browser: Debian's chromium-headless-shell driven by
// puppeteer-core, with nothing of its own going to the network, a fresh
// profile each time, and the page opened from disk.
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
export const webBuild = resolve(process.env.KELPWORTH_WEB_BUILD ?? join(here, '..', '..', 'build', 'web'));
export const pagePath = join(webBuild, 'kelpworth.html');
export const pageUrl = pathToFileURL(pagePath).href;
const browserPath = '/usr/lib/chromium/chromium-headless-shell';

// Why the browser tests cannot run here, or null when they can.
export function browserMissing() {
  if (!existsSync(pagePath)) return `no page at ${pagePath}: build it with cmake --preset web && cmake --build --preset web`;
  if (!existsSync(browserPath)) return `no ${browserPath}: apt-get install chromium-headless-shell`;
  if (!existsSync(join(here, 'node_modules', 'puppeteer-core'))) return 'no puppeteer-core: npm ci in tests/web';
  return null;
}

export async function launchBrowser() {
  const { default: puppeteer } = await import('puppeteer-core');
  const profile = mkdtempSync(join(tmpdir(), 'kelpworth-browser-'));
  const browser = await puppeteer.launch({
    executablePath: browserPath,
    headless: 'shell',
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-dev-shm-usage'],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}
