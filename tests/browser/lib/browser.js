'use strict';
// Starts Debian's Chromium through playwright-core (never a downloaded
// browser) and opens pages that record every console error and page error.
const { chromium } = require('playwright-core');

const ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// Playwright gives every launch a fresh temporary profile directory.
function launchBrowser() {
  return chromium.launch({ executablePath: process.env.CHROMIUM_PATH || '/usr/bin/chromium', headless: true, args: ARGS });
}

// Opens `url` in a new browser context (own local storage). With `clock` the
// page's timers run on a fake clock that stands still once the page has
// loaded, so that only page.clock.runFor() moves it.
async function openPage(browser, url, { clock = false } = {}) {
  const context = await browser.newContext();
  if (clock) await context.clock.install({ time: new Date('2024-01-01T00:00:00Z') });
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console error: ' + m.text()); });
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  if (url) await page.goto(url);
  if (clock) await page.clock.pauseAt(new Date('2024-01-02T00:00:00Z'));
  return { page, context, problems };
}

module.exports = { launchBrowser, openPage, ARGS };
