// Debian's Chromium, headless, in a profile of its own: every launch is a
// first visit. CURVISTA_CHROMIUM names the browser (default /usr/bin/chromium).
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');

// The browser's context with the options given over the common ones, and a
// close that also removes the profile.
async function launchFresh(options) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'curvista-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CURVISTA_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    locale: 'th-TH',
    deviceScaleFactor: 1,
    ...options,
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

module.exports = { launchFresh };
