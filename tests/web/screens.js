// The site as three screens show it, for the README: the designs' own
// 1024 × 768 (docs/web.png), a 1366 × 768 Chromebook and a 360 × 740 phone
// (into OUT). Serve the site first, then:
//   NODE_PATH=build/wasm/tests/web/node_modules node tests/web/screens.js URL OUT
'use strict';
const fs = require('fs');
const path = require('path');
const { launchFresh } = require('./chromium');

const [url, out] = process.argv.slice(2);
const screens = [
  { name: 'desktop', viewport: { width: 1024, height: 768 }, isMobile: false },
  { name: 'chromebook', viewport: { width: 1366, height: 768 - 110 }, isMobile: false }, // less the browser's bars
  { name: 'phone', viewport: { width: 360, height: 740 - 130 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
];

(async () => {
  fs.mkdirSync(out, { recursive: true });
  for (const screen of screens) {
    const { context, close } = await launchFresh(screen);
    const page = context.pages()[0] || await context.newPage();
    await page.goto(url);
    await page.waitForSelector('#qtcanvas', { state: 'visible', timeout: 60000 });
    await page.waitForTimeout(4000); // the splash has gone
    const scale = await page.evaluate(() => window.visualViewport.scale);
    const size = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight]);
    process.stdout.write(`${screen.name}: viewport ${screen.viewport.width}x${screen.viewport.height}, ` +
                         `page ${size[0]}x${size[1]}, scale ${scale}\n`);
    await page.screenshot({ path: path.join(out, `${screen.name}.png`) });
    await close();
  }
})().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
