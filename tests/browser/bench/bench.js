'use strict';
// Cart benchmark in Chromium: plug-in start-up until the first screenful of
// the product list is drawn and until every block is built, one search
// keystroke, and clearing the search back to every product, each against a
// baseline in the same page: the same product blocks, plain, rendered once
// with one innerHTML assignment. Which side runs first alternates from run to
// run, the plug-in first in the first; the side that ran first is removed
// before the other starts. Every step ends after the next frame has been rendered. Then
// a phone's start-up (see benchPhone). Prints medians and ratios of one run;
// asserts nothing.
const fs = require('fs');
const { SiteServer, cartSite, launchBrowser } = require('../lib/site');

const SIZES = (process.env.BENCH_SIZES || '1000,5000,10000').split(',').filter(Boolean).map(Number);
const RUNS = Number(process.env.BENCH_RUNS || 5);
const KEY = 'c';
const NOUNS = ['Cake', 'Bread', 'Cookie', 'Muffin', 'Pie', 'Tart', 'Scone', 'Bun', 'Roll', 'Donut', 'Brownie'];

const products = (n) => Array.from({ length: n }, (_, i) => ({
  name: `${['Fresh', 'Golden', 'Sweet', 'Spiced', 'Classic', 'Royal', 'Rustic'][i % 7]} ${NOUNS[i % 11]} ${i}`,
  price: ((i % 97) + 0.5).toFixed(2), category: ['Cakes', 'Breads', 'Cookies', 'Pastry', 'Seasonal'][i % 5],
  productId: 'SKU' + i, image: `img/p${i % 20}.svg`, description: `Baked daily, batch ${i % 13}.`,
}));

// Runs in the page. The baseline draws the blocks that the plug-in drew in
// the first run (its inline style aside). The longest task is kept for the
// phone.
const HEAD = `<script>
var longest = 0;
new PerformanceObserver(function (list) { list.getEntries().forEach(function (e) { longest = Math.max(longest, e.duration); }); })
  .observe({ type: 'longtask', buffered: true });
function nextFrame() { return new Promise(function (r) { requestAnimationFrame(function () { setTimeout(r, 0); }); }); }
function timed(step) { return nextFrame().then(function () { var t0 = performance.now(); step(); return nextFrame().then(function () { return performance.now() - t0; }); }); }
async function bench(key, html, pluginFirst) {
  var target = document.getElementById('baseline'), r = {};
  var field = function () { return document.querySelector('#cart .mvTxtSearch'); };
  var press = function (value) { return timed(function () { field().value = value; $(field()).trigger('keyup'); }); };
  var plugin = async function () {
    var t0 = performance.now(), count = $('#cart input[type=hidden]').length;
    r.startup = await timed(function () { $('#cart').mervane(); });
    while ($('#cart .mvProducts').length < count) await new Promise(function (done) { setTimeout(done, 0); });
    await nextFrame();
    r.all = performance.now() - t0;
    html = html || $('#cart .mvProductList').html().replace(/ style="[^"]*"/g, '');
    r.narrow = await press(key);
    r.shown = $('#cart .mvProducts:visible').length;
    r.widen = await press('');
  };
  var baseline = async function () { r.baseline = await timed(function () { target.innerHTML = html; }); };
  if (pluginFirst) { await plugin(); $('#cart').parent().remove(); await baseline(); }
  else { await baseline(); $(target).closest('.mvMain').remove(); await plugin(); }
  r.html = html;
  return r;
}
</script>
`;
const BASELINE = '<div class="mvMain"><div class="mvTabs"><div class="mvProductList" id="baseline"></div></div></div>\r\n';

const median = (xs) => { const s = [...xs].sort((a, b) => a - b), m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const cell = (x, d = 1) => x.toFixed(d).padStart(8);

async function benchSize(server, browser, n) {
  const site = cartSite({ cart: { products: products(n) }, ready: '', head: HEAD });
  site['index.html'] = site['index.html'].replace('</form>\r\n', '</form>\r\n' + BASELINE);
  const url = server.publish(site);
  const runs = [];
  for (let r = 0; r < RUNS; r++) {
    const page = await browser.newPage();
    await page.goto(url);
    runs.push(await page.evaluate(([key, html, first]) => bench(key, html, first), [KEY, runs.length ? runs[0].html : '', r % 2 === 0]));
    await page.close();
  }
  const med = (k) => median(runs.map((m) => m[k]));
  const b = med('baseline');
  console.log(`${String(n).padStart(8)} | ${cell(b)} | ${cell(med('startup'))} ${cell(med('startup') / b, 2)} |` +
    ` ${cell(med('all'))} ${cell(med('all') / b, 2)} |` +
    ` ${cell(med('narrow'))} ${cell(med('narrow') / b, 2)} (${runs[0].shown}) | ${cell(med('widen'))} ${cell(med('widen') / b, 2)}`);
}

// A phone: a 390 x 844 screen, the processor four times slower; the demo's
// 12 products and 1,000. From navigation (and from the document being ready,
// when the page starts the cart) until the first screenful is drawn, and the
// longest task until every product block is built. With
// BENCH_OLD_SCRIPT=FILE (a published cart script) that plug-in runs too, the
// two in turn.
async function benchPhone(server, browser) {
  const scripts = { now: undefined };
  if (process.env.BENCH_OLD_SCRIPT) scripts.old = fs.readFileSync(process.env.BENCH_OLD_SCRIPT);
  for (const n of [12, 1000]) {
    const ready = `$("#cart").mervane(); nextFrame().then(function () { var t = performance.now(); (function built() {
      if ($("#cart .mvProducts").length < ${n}) return setTimeout(built, 20);
      var ready = performance.getEntriesByType("navigation")[0].domContentLoadedEventStart;
      setTimeout(function () { window.phone = [t, t - ready, longest]; }, 500); })(); });`;
    const runs = Object.fromEntries(Object.entries(scripts).map(([name, script]) => {
      const site = cartSite({ cart: { products: products(n) }, head: HEAD, ready });
      if (script) site[Object.keys(site).find((f) => f.endsWith('.js'))] = script;
      return [name, { url: server.publish(site), found: [] }];
    }));
    for (let r = 0; r < RUNS; r++) {
      for (const run of Object.values(runs)) {
        const page = await browser.newPage({ viewport: { width: 390, height: 844 } });
        await (await page.context().newCDPSession(page)).send('Emulation.setCPUThrottlingRate', { rate: 4 });
        await page.goto(run.url);
        run.found.push(await (await page.waitForFunction(() => window.phone, null, { timeout: 60000 })).jsonValue());
        await page.close();
      }
    }
    for (const [name, run] of Object.entries(runs)) {
      const med = (i) => cell(median(run.found.map((m) => m[i])), 0);
      console.log(`phone, ${n} products, ${name}: first screenful drawn ${med(0)} (${med(1)} after the document was ready),` +
        ` longest task ${med(2)}`);
    }
  }
}

async function main() {
  const server = await new SiteServer().start();
  const browser = await launchBrowser();
  console.log(`Cart benchmark, ${RUNS} runs per size, keystroke "${KEY}" into an empty search field, medians in ms`);
  console.log('products | baseline | first screenful  ratio | every block  ratio | keystroke  ratio (shown) | back to all  ratio');
  try {
    for (const n of SIZES) await benchSize(server, browser, n);
    await benchPhone(server, browser);
  } finally {
    await browser.close();
    await server.close();
  }
}

main().catch((e) => { console.error(e); process.exit(1); });
