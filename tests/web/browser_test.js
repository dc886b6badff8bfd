// Curvista in headless Chromium, served from 127.0.0.1 as any static server
// would: what the user meets, read from the page's pixels and compared with
// what the Linux program shows (linux_reference.py).
// Usage: node browser_test.js SITE REFERENCE OUT
//   CURVISTA_CHROMIUM  the browser (default /usr/bin/chromium)
//   CURVISTA_WEB_PORT  the port to serve on (default: any free one)
'use strict';
const assert = require('assert');
const fs = require('fs');
const http = require('http');
const path = require('path');
const { launchFresh } = require('./chromium');

const [site, reference, out] = process.argv.slice(2).map((p) => path.resolve(p));
const places = JSON.parse(fs.readFileSync(path.join(reference, 'places.json'), 'utf8'));
const TIMEOUT = 60000;

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

// A static server, sending the precompressed copy where the browser takes it.
function serve() {
  const server = http.createServer((request, response) => {
    let name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    if (name.endsWith('/'))
      name += 'index.html';
    const file = path.join(site, path.normalize(name));
    if (!file.startsWith(site + path.sep) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    const headers = { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Vary': 'Accept-Encoding' };
    let body = file;
    if (/\bbr\b/.test(request.headers['accept-encoding'] || '') && fs.existsSync(file + '.br')) {
      body = file + '.br';
      headers['Content-Encoding'] = 'br';
    }
    response.writeHead(200, headers);
    fs.createReadStream(body).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(Number(process.env.CURVISTA_WEB_PORT || 0), '127.0.0.1', () => resolve(server));
  });
}

async function poll(condition, what, timeout = TIMEOUT) {
  const deadline = Date.now() + timeout;
  let last;
  while (Date.now() < deadline) {
    last = await condition();
    if (last)
      return last;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`timed out waiting for ${what}`);
}

// Installed in every page: decodes a PNG given in base64 to its pixels as
// stored, with no colour management and no gamma.
function installPngDecoder() {
  window.decodePng = async (data) => {
    const image = await createImageBitmap(await (await fetch('data:image/png;base64,' + data)).blob(),
                                          { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    const canvas = new OffscreenCanvas(image.width, image.height);
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return context.getImageData(0, 0, image.width, image.height);
  };
}

// Pixels are compared inside the page: it decodes PNG itself.
async function differingPixels(page, actual, expected) {
  return page.evaluate(async ([a, b]) => {
    const [x, y] = [await window.decodePng(a), await window.decodePng(b)];
    if (x.width !== y.width || x.height !== y.height)
      return x.width * x.height + y.width * y.height;
    let count = 0;
    for (let i = 0; i < x.data.length; i += 4) {
      if (x.data[i] !== y.data[i] || x.data[i + 1] !== y.data[i + 1] || x.data[i + 2] !== y.data[i + 2])
        ++count;
    }
    return count;
  }, [actual.toString('base64'), expected.toString('base64')]);
}

// Where on the screen the picture shows, exactly, or null: for windows the
// window system places (the page puts a frame around them, bare X none).
async function find(page, expected) {
  const screen = await page.screenshot({ animations: 'disabled' });
  return page.evaluate(async ([a, b]) => {
    const [x, y] = [await window.decodePng(a), await window.decodePng(b)];
    const at = (image, px, py) => (py * image.width + px) * 4;
    for (let top = 0; top + y.height <= x.height; ++top) {
      for (let left = 0; left + y.width <= x.width; ++left) {
        let same = true;
        for (let row = 0; row < y.height && same; ++row) {
          for (let column = 0; column < y.width && same; ++column) {
            const i = at(x, left + column, top + row);
            const j = at(y, column, row);
            same = x.data[i] === y.data[j] && x.data[i + 1] === y.data[j + 1] && x.data[i + 2] === y.data[j + 2];
          }
        }
        if (same)
          return [left, top, y.width, y.height];
      }
    }
    return null;
  }, [screen.toString('base64'), fs.readFileSync(path.join(reference, expected)).toString('base64')]);
}

function clip([x, y, width, height]) {
  return { x, y, width, height };
}

async function shot(page, rect) {
  return page.screenshot({ clip: clip(rect), animations: 'disabled' });
}

async function sameAs(page, rect, referenceFile) {
  const expected = fs.readFileSync(path.join(reference, referenceFile));
  return (await differingPixels(page, await shot(page, rect), expected)) === 0;
}

async function click(page, [x, y, width, height], options = {}) {
  await page.mouse.click(x + Math.floor(width / 2), y + Math.floor(height / 2), options);
}

// The page started, its grid shown, and the linear dialog opened from the panel.
async function openTheLinearDialog(page, url) {
  await page.goto(url);
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  const before = await shot(page, places.linear);
  await click(page, places.linearButton);
  await poll(() => changed(page, places.linear, before), 'the linear dialog');
}

async function changed(page, rect, before) {
  return (await differingPixels(page, await shot(page, rect), before)) > 0;
}

const tests = [];
function test(name, body) {
  tests.push({ name, body });
}

test('the panel and the graph at their places, the grid as on Linux', async ({ page, url }) => {
  const started = Date.now();
  await page.goto(url);
  await page.waitForSelector('#qtcanvas', { state: 'visible', timeout: TIMEOUT });
  // The panel is shot cheaply as the program starts and compared only now and
  // then: comparing takes the page's own time, which the start would pay.
  const panelShots = [];
  await poll(async () => {
    panelShots.push({ at: Date.now(), png: await shot(page, places.panel) });
    return panelShots.length % 10 === 0 && await sameAs(page, places.graph, 'grid.png');
  }, 'the grid, as the Linux program draws it');
  // The panel active, its first button focused, as on Linux.
  await poll(() => sameAs(page, places.panel, 'panel.png'), 'the panel, as the Linux program shows it');
  // For the start-up budget's note, not a test: both include the splash.
  const shown = await shot(page, places.panel);
  const first = panelShots.find(({ png }) => png.equals(shown));
  const seconds = ((first ? first.at : Date.now()) - started) / 1000;
  process.stdout.write(`start to grid: page ${seconds.toFixed(2)} s, Linux ${places.startSeconds} s, ` +
                       `ratio ${(seconds / places.startSeconds).toFixed(2)}\n`);
  fs.writeFileSync(path.join(out, 'started.png'), await page.screenshot());
});

test('a line drawn with Enter in the linear dialog, as on Linux', async ({ page, url }) => {
  await openTheLinearDialog(page, url);
  await page.keyboard.press('Enter');
  const drawn = await shot(page, places.linear);
  await poll(() => changed(page, places.linear, drawn), 'the line');
  fs.writeFileSync(path.join(out, 'line-dialog.png'), await page.screenshot());
  await click(page, places.close);
  await poll(() => sameAs(page, places.graph, 'line.png'), 'the line, as the Linux program draws it');
});

test('a parabola drawn from the parabola dialog, as on Linux', async ({ page, url }) => {
  await page.goto(url);
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  const before = await shot(page, places.parabola);
  await click(page, places.parabolaButton);
  await poll(() => changed(page, places.parabola, before), 'the parabola dialog');
  // a, b and c in the boxes' tab order, as the Linux program was given them.
  for (const [index, value] of places.parabolaValues.entries()) {
    await page.keyboard.press('Control+a');
    await page.keyboard.type(value);
    await page.keyboard.press(index + 1 < places.parabolaValues.length ? 'Tab' : 'Enter');
  }
  await poll(async () => !(await sameAs(page, places.graph, 'grid.png')), 'the parabola');
  await click(page, places.parabolaClose);
  await poll(() => sameAs(page, places.graph, 'parabola.png'), 'the parabola, as the Linux program draws it');
});

test('the colour dialog is modal and its Cancel closes it', async ({ page, url }) => {
  await page.goto(url);
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  const linear = await shot(page, places.linear);
  await click(page, places.option);
  const colours = await poll(() => find(page, 'colours.png'), 'the colour dialog, as the Linux program shows it');
  // While it is open the panel takes no clicks: had this one opened the linear
  // dialog, it would show once the colour dialog has gone, as events come in order.
  await click(page, places.linearButton);
  const [x, y] = [colours[0] - places.colours[0], colours[1] - places.colours[1]];
  await click(page, [places.cancel[0] + x, places.cancel[1] + y, places.cancel[2], places.cancel[3]]);
  await poll(async () => !(await sameAs(page, colours, 'colours.png')), 'the colour dialog to close');
  assert(!(await changed(page, places.linear, linear)), 'the panel took a click while the colour dialog was open');
  // Closed, it blocks nothing: the panel opens the linear dialog again.
  await click(page, places.linearButton);
  await poll(() => changed(page, places.linear, linear), 'the linear dialog after the colour dialog');
});

test('a colour box opens the colour chooser inside the modal colour dialog', async ({ page, url }) => {
  await page.goto(url);
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  const linear = await shot(page, places.linear);
  await click(page, places.option);
  const colours = await poll(() => find(page, 'colours.png'), 'the colour dialog');
  // The background's box, the last in the frame.
  const [x, y] = [colours[0] - places.colours[0], colours[1] - places.colours[1]];
  const box = places.colourBoxes[places.colourBoxes.length - 1];
  await click(page, [box[0] + x, box[1] + y, box[2], box[3]]);
  await poll(async () => !(await sameAs(page, colours, 'colours.png')), 'the colour chooser');
  await page.keyboard.press('Escape');
  await poll(() => sameAs(page, colours, 'colours.png'), 'the colour dialog again, the chooser gone');
  await click(page, [places.cancel[0] + x, places.cancel[1] + y, places.cancel[2], places.cancel[3]]);
  await poll(async () => !(await sameAs(page, colours, 'colours.png')), 'the colour dialog to close');
  await click(page, places.linearButton);
  await poll(() => changed(page, places.linear, linear), 'the linear dialog, the program going on');
});

test('a runtime error shows its message and the program goes on', async ({ page, url }) => {
  await openTheLinearDialog(page, url);
  // A slope too large: leaving the box reports it.
  // The message box is the platform's own, lettered in its own font: where
  // the Linux program shows its icon, only the message can change the screen.
  await page.keyboard.press('Control+a');
  await page.keyboard.type(places.overflow);
  const typed = await shot(page, places.message);
  await page.keyboard.press('Tab');
  await poll(() => changed(page, places.message, typed), 'the message');
  fs.writeFileSync(path.join(out, 'error.png'), await page.screenshot());
  await page.keyboard.press('Enter');
  await poll(async () => !(await changed(page, places.message, typed)), 'the message to close');
  // The program goes on: the dialog still draws.
  await click(page, places.linear);
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Control+a');
  await page.keyboard.type('1');
  await page.keyboard.press('Enter');
  await poll(async () => !(await sameAs(page, places.graph, 'grid.png')), 'a line after the error');
});

test('a saved SVG arrives as a download', async ({ page, url }) => {
  await page.goto(url);
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  await click(page, places.graph);
  const downloaded = page.waitForEvent('download', { timeout: TIMEOUT });
  const screen = [0, 0, 1024, 768];
  const before = await shot(page, screen);
  await page.keyboard.press('Control+s');
  await poll(() => changed(page, screen, before), 'the save dialog');
  await page.keyboard.press('Control+a');
  await page.keyboard.type('graph.svg');
  await page.keyboard.press('Enter');
  const download = await downloaded;
  assert.strictEqual(download.suggestedFilename(), 'graph.svg');
  const file = path.join(out, 'graph.svg');
  await download.saveAs(file);
  const svg = fs.readFileSync(file, 'utf8');
  assert(svg.includes('<svg'), 'the download is no SVG');
});

// The graph's menu, opened with the right button, with its entry that many
// places up from the bottom chosen: from none, the menu wraps to its last.
async function chooseFromTheGraphsMenu(page, upFromTheBottom) {
  const screen = [0, 0, 1024, 768];
  const before = await shot(page, screen);
  await click(page, places.graph, { button: 'right' });
  await poll(() => changed(page, screen, before), 'the graph\'s menu');
  for (let step = 0; step <= upFromTheBottom; ++step)
    await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
}

test('a lesson saves as a download and opens again from the visitor\'s files', async ({ page, url }) => {
  await openTheLinearDialog(page, url);
  await page.keyboard.press('Enter');
  await click(page, places.close);
  await poll(() => sameAs(page, places.graph, 'line.png'), 'the line');

  // The save dialog proposes the lesson's name: Enter takes it, once the
  // dialog has come.
  let download = null;
  page.waitForEvent('download', { timeout: TIMEOUT }).then((arrived) => { download = arrived; }, () => {});
  await chooseFromTheGraphsMenu(page, 1);
  await poll(async () => {
    if (!download)
      await page.keyboard.press('Enter');
    return download;
  }, 'the lesson as a download');
  assert(download.suggestedFilename().endsWith('.curvista'), `the download is ${download.suggestedFilename()}`);
  const file = path.join(out, 'lesson.curvista');
  await download.saveAs(file);

  // Nothing is kept between visits: the lesson comes back from the file.
  await page.reload();
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid, on the next visit');
  const chooser = page.waitForEvent('filechooser', { timeout: TIMEOUT });
  await chooseFromTheGraphsMenu(page, 0);
  await (await chooser).setFiles(file);
  await poll(() => sameAs(page, places.graph, 'line.png'), 'the line, from the lesson');
});

test('Exit ends the program with a page that starts it again', async ({ page, url }) => {
  await page.goto(url);
  await poll(() => sameAs(page, places.panel, 'panel.png'), 'the panel, active');
  await page.keyboard.press('Alt+x');
  await page.waitForSelector('#again', { state: 'visible', timeout: TIMEOUT });
  assert(await page.isHidden('#qtcanvas'), 'the program\'s windows stay after Exit');
  await page.click('#again');
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid, started again');
});

test('the page works offline after the first visit', async ({ page, url }) => {
  await page.goto(url);
  // While the program starts, the worker would compete with it in storing
  // the site: it comes once the panel and graph are up.
  await page.waitForSelector('#qtcanvas', { state: 'visible', timeout: TIMEOUT });
  assert(await page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found === undefined)),
         'the service worker came while the program was starting');
  await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid');
  await poll(() => page.evaluate(() => navigator.serviceWorker.getRegistration().then((found) => found !== undefined)),
             'the service worker');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await poll(() => page.evaluate(() => caches.keys().then(async (names) => {
    for (const name of names) {
      if ((await (await caches.open(name)).keys()).length >= 9)
        return true;
    }
    return false;
  })), 'the site stored');
  await page.context().setOffline(true);
  try {
    await page.reload();
    await poll(() => sameAs(page, places.graph, 'grid.png'), 'the grid, offline');
  } finally {
    await page.context().setOffline(false);
  }
});

async function main() {
  fs.mkdirSync(out, { recursive: true });
  const server = await serve();
  const url = `http://127.0.0.1:${server.address().port}/`;
  let failures = 0;
  const only = process.env.CURVISTA_WEB_TEST;
  for (const { name, body } of tests) {
    if (only && !name.includes(only))
      continue;
    // Each test starts afresh, as a first visit.
    const { context, close } = await launchFresh({ viewport: { width: 1024, height: 768 }, acceptDownloads: true });
    const page = context.pages()[0] || await context.newPage();
    await page.addInitScript(installPngDecoder);
    const console = [];
    page.on('console', (message) => console.push(message.text()));
    page.on('pageerror', (error) => console.push(String(error)));
    const started = Date.now();
    try {
      await body({ page, url });
      process.stdout.write(`PASS  ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)\n`);
    } catch (error) {
      ++failures;
      process.stdout.write(`FAIL  ${name}: ${error.message}\n`);
      process.stdout.write(console.map((line) => `  console: ${line}\n`).join(''));
      await page.screenshot({ path: path.join(out, `failed-${tests.findIndex((t) => t.name === name)}.png`) })
        .catch(() => {});
    } finally {
      await close();
    }
  }
  server.close();
  process.exitCode = failures ? 1 : 0;
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
