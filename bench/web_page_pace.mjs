// The web page's pace in headless Chromium: loading from disk to the disclaimer, opening a
// screen, Run Model on the typical example, a 100-point sweep in the Sweep window and a
// 100,000-sample study in the Uncertainty window, with the longest wait between two moves of
// its progress bar. Each is timed from the user's key to what the page shows; the fastest of
// ROUNDS counts. A screen and Run Model are timed inside the page from the last key.
// Usage: node bench/web_page_pace.mjs PAGE_INDEX_HTML [ROUNDS]
// (playwright-core from tests/web/page: npm ci --prefix tests/web/page)
import { createRequire } from "node:module";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
const require = createRequire(path.join(here, "..", "tests", "web", "page", "package.json"));
const { chromium } = require("playwright-core");
const page_url = pathToFileURL(path.resolve(process.argv[2])).href;
const rounds = Number(process.argv[3] || 3);

async function timed(action) {
  const start = performance.now();
  await action();
  return performance.now() - start;
}

// Milliseconds in the page from the key that gives a command to the dialog it opens being shown,
// leaving out the time the driver takes to send keys and to notice.
async function fromKeyToDialog(page, keys, template) {
  await page.evaluate((number) => {
    window.shownAfter = new Promise((resolve) => {
      let start = 0;
      document.addEventListener("keydown", () => { start = performance.now(); }, { capture: true });
      new MutationObserver((changes, observer) => {
        if (!document.querySelector(`.dialog[data-template="${number}"]`)) return;
        observer.disconnect();
        resolve(performance.now() - start);
      }).observe(document.body, { childList: true, subtree: true });
    });
  }, template);
  for (const key of keys) await page.keyboard.press(key);
  return page.evaluate(() => window.shownAfter);
}

async function round(browser) {
  const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
  const figures = {};
  figures["load to disclaimer"] = await timed(async () => {
    await page.goto(page_url);
    await page.locator('.dialog[data-template="200"]').waitFor();
  });
  await page.keyboard.press("Enter");
  await page.locator(".main-window").waitFor();
  figures["open System Data"] = await fromKeyToDialog(page, ["Alt+i", "y"], 138);
  await page.keyboard.press("Escape");
  await page.locator(".dialog").waitFor({ state: "detached" });
  await page.keyboard.press("Alt+f");
  await page.keyboard.press("o");
  await page.locator("select.files").selectOption({ label: "examples/typical.inp" });
  await page.getByRole("button", { name: "Open" }).click();
  figures["Run Model"] = await fromKeyToDialog(page, ["Alt+m", "r"], 208);
  await page.keyboard.press("Escape");
  await page.locator(".dialog").waitFor({ state: "detached" });
  await page.keyboard.press("Alt+a");
  await page.keyboard.press("s");
  const sweep = page.locator(".dialog", { has: page.locator(".caption", { hasText: /^Sweep$/ }) });
  await sweep.waitFor();
  for (const key of ["Tab", "ArrowDown", "Tab"]) await page.keyboard.press(key);
  await page.keyboard.type("5");
  await page.keyboard.press("Tab");
  await page.keyboard.type("25");
  await page.keyboard.press("Tab");
  await page.keyboard.press("Control+a");
  await page.keyboard.type("100");
  figures["100-point sweep"] = await timed(async () => {
    await page.keyboard.press("Enter");
    await page.waitForFunction(() => !document.querySelector('.dialog button[data-text="Export &CSV..."]').disabled);
  });
  await page.keyboard.press("Escape");
  await sweep.waitFor({ state: "detached" });
  await page.keyboard.press("Alt+a");
  await page.keyboard.press("u");
  const uncertainty = page.locator(".dialog", { has: page.locator(".caption", { hasText: /^Uncertainty$/ }) });
  await uncertainty.waitFor();
  const at = (id) => uncertainty.locator(`[data-id="${id}"]`);
  await at(4202).fill("Annual Area");  // the input, its triangular distribution, Add
  await at(4203).focus();
  await page.keyboard.press("ArrowDown");
  await at(4205).click();
  await at(4217).click();
  await at(4232).fill("100000");
  await page.evaluate(() => {
    window.moves = [];
    const bar = document.querySelector('.dialog [data-id="4252"]');
    new MutationObserver(() => window.moves.push(performance.now())).observe(bar, { attributes: true });
  });
  figures["100,000-sample uncertainty"] = await timed(async () => {
    await uncertainty.getByRole("button", { name: "Run", exact: true }).click();
    await page.waitForFunction(() => !document.querySelector('.dialog [data-id="4264"]').disabled, null,
                               { timeout: 120000 });
  });
  figures["longest between moves of its bar"] = await page.evaluate(
      () => Math.max(...window.moves.slice(1).map((t, i) => t - window.moves[i])));
  await page.close();
  return figures;
}

const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium" });
const best = {};
for (let r = 0; r < rounds; r++) {
  for (const [name, ms] of Object.entries(await round(browser))) best[name] = Math.min(best[name] ?? Infinity, ms);
}
await browser.close();
for (const [name, ms] of Object.entries(best)) console.log(`${name}: ${ms.toFixed(0)} ms`);
