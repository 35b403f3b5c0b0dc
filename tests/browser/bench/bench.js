'use strict';
// Cart benchmark: plug-in start-up until the product list is drawn, and one
// search keystroke until the list is redrawn, each against a vanilla baseline
// that renders the same product blocks once with one innerHTML assignment.
// Every measurement runs on a freshly loaded page in one browser session and
// ends after the next frame has been rendered. It prints medians and ratios
// and asserts nothing.
const { SiteServer, cartSite } = require('../lib/site');
const { launchBrowser } = require('../lib/browser');

const SIZES = (process.env.BENCH_SIZES || '1000,5000,10000').split(',').map(Number);
const RUNS = Number(process.env.BENCH_RUNS || 5);

const ADJECTIVES = ['Fresh', 'Golden', 'Sweet', 'Spiced', 'Classic', 'Royal', 'Rustic'];
const NOUNS = ['Cake', 'Bread', 'Cookie', 'Muffin', 'Pie', 'Tart', 'Scone', 'Bun', 'Roll', 'Donut', 'Brownie'];
const CATEGORIES = ['Cakes', 'Breads', 'Cookies', 'Pastry', 'Seasonal'];

function products(n) {
  const list = [];
  for (let i = 0; i < n; i++) {
    list.push({
      name: `${ADJECTIVES[i % 7]} ${NOUNS[i % 11]} ${i}`,
      price: ((i % 97) + 0.5).toFixed(2),
      category: CATEGORIES[i % 5],
      productId: 'SKU' + String(i).padStart(6, '0'),
      image: `img/p${i % 20}.svg`,
      description: `Baked daily, batch ${i % 13}.`,
    });
  }
  return list;
}

// Runs in the page: resolves after the frame that follows has been rendered.
const HEAD = `<script>
function nextFrame() { return new Promise(function (r) { requestAnimationFrame(function () { setTimeout(r, 0); }); }); }
function esc(s) { return s.replace(/&/g, '&amp;').replace(/"/g, '&quot;').replace(/</g, '&lt;').replace(/>/g, '&gt;'); }
function attr(el, n) { var v = el.getAttribute(n); return v === null ? '' : v; }
// The baseline: the same product blocks, built from the hidden inputs and
// inserted with a single innerHTML assignment.
function renderBaseline(container, target) {
  var inputs = container.getElementsByTagName('input'), html = '', n = 0, i, el, img;
  for (i = 0; i < inputs.length; i++) {
    el = inputs[i];
    if (el.type !== 'hidden') continue;
    img = attr(el, 'pimage');
    html += '<div class="mvProducts"><div class="mvPDiv1">' +
      (img ? '<img class="mvProductImage" src="' + esc(img) + '" alt="" />' : '') +
      '</div><div class="mvPDiv2"><strong>' + attr(el, 'pname') + '</strong><br />Category: ' +
      attr(el, 'pcategory') + '<br /><small>' + attr(el, 'pdesc') + '</small><br /><strong>Price: ' +
      attr(el, 'pprice') + '</strong></div><div class="mvPDiv3"><label class="mvLabelQuantity">Quantity:</label>' +
      '<input type="text" class="mvTxtQuantity" value="1" /><a href="#" class="mvAddToCart" rel="' + (n++) +
      '" title="Add to Cart">Add to Cart</a></div></div>';
  }
  target.innerHTML = html;
}
</script>
`;
const BASELINE_MARKUP = '<div class="mvMain"><div class="mvTabs"><div class="mvProductList" id="baseline"></div></div></div>\r\n';

async function measureBaseline(page) {
  return page.evaluate(async () => {
    await nextFrame();
    const t0 = performance.now();
    renderBaseline(document.getElementById('cart'), document.getElementById('baseline'));
    await nextFrame();
    return performance.now() - t0;
  });
}

async function measurePlugin(page, key) {
  return page.evaluate(async (key) => {
    await nextFrame();
    let t0 = performance.now();
    $('#cart').mervane();
    await nextFrame();
    const startup = performance.now() - t0;
    const field = document.querySelector('#cart .mvTxtSearch');
    const press = async (value) => {
      await nextFrame();
      t0 = performance.now();
      field.value = value;
      field.dispatchEvent(new KeyboardEvent('keyup', { bubbles: true, key: value.slice(-1) || 'Backspace' }));
      await nextFrame();
      return performance.now() - t0;
    };
    const narrow = await press(key);
    const shown = document.querySelectorAll('#cart .mvProductList .mvProducts').length;
    const widen = await press('');
    return { startup, narrow, widen, shown };
  }, key);
}

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); const m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const fmt = (x, d = 1) => x.toFixed(d).padStart(8);

async function main() {
  const server = await new SiteServer().start();
  const browser = await launchBrowser();
  const key = 'c';
  console.log(`Cart benchmark, ${RUNS} runs per size, keystroke "${key}" into an empty search field, medians in ms`);
  console.log('products | baseline | start-up  ratio | keystroke  ratio (shown) | back to all  ratio');
  try {
    for (const n of SIZES) {
      const url = server.publish(cartSite({ products: products(n), ready: '', head: HEAD }));
      const pageUrl = url + 'index.html';
      const files = server.sites.get(url.split('/').slice(-2)[0]);
      files['index.html'] = files['index.html'].replace('</form>\r\n', '</form>\r\n' + BASELINE_MARKUP);
      const base = [], start = [], narrow = [], widen = [];
      let shown = 0;
      for (let r = 0; r < RUNS; r++) {
        // Alternate the order so that neither side always runs on a warmer browser.
        for (const side of r % 2 ? ['plugin', 'baseline'] : ['baseline', 'plugin']) {
          const page = await browser.newPage();
          await page.goto(pageUrl);
          if (side === 'baseline') {
            base.push(await measureBaseline(page));
          } else {
            const m = await measurePlugin(page, key);
            start.push(m.startup); narrow.push(m.narrow); widen.push(m.widen); shown = m.shown;
            if (r === 0) await checkSameBlocks(page);
          }
          await page.close();
        }
      }
      const b = median(base);
      console.log(`${String(n).padStart(8)} | ${fmt(b)} | ${fmt(median(start))} ${fmt(median(start) / b, 2)} |` +
        ` ${fmt(median(narrow))} ${fmt(median(narrow) / b, 2)} (${shown}) | ${fmt(median(widen))} ${fmt(median(widen) / b, 2)}`);
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

// Makes sure that both sides draw the same blocks, so the ratio compares like
// with like.
async function checkSameBlocks(page) {
  const same = await page.evaluate(() => {
    renderBaseline(document.getElementById('cart'), document.getElementById('baseline'));
    return document.getElementById('baseline').innerHTML === document.querySelector('#cart .mvProductList').innerHTML;
  });
  if (!same) console.log('warning: the plug-in and the baseline drew different product blocks');
}

main().catch((e) => { console.error(e); process.exit(1); });
