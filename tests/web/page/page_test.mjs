// The web page in the system's Chromium, driven as a user would: by keys and clicks. What it
// shows, saves and computes is compared with the desktop program's texts (from the sources the
// desktop tests read them from) and with the native engine's results.
//
// Environment: VELMAR_PAGE (the page's index.html), VELMAR_SOURCE (the source tree),
// VELMAR_NATIVE_ENGINE and VELMAR_NATIVE_STUDY (the engine and velmar-study built for this
// machine), VELMAR_EVERY_DIALOG_PAGE (a page showing every dialog in turn), CHROMIUM (the browser).
import { test } from "node:test";
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { chromium } from "playwright-core";

const source = process.env.VELMAR_SOURCE;
const pageUrl = pathToFileURL(process.env.VELMAR_PAGE).href;

// A text constant of the program, as the desktop's tests take it: name = "text" in a header.
function programText(header, name) {
  const code = fs.readFileSync(path.join(source, header), "utf8");
  const found = new RegExp(`\\b${name} = ((?:"(?:[^"\\\\]|\\\\.)*"\\s*)+);`).exec(code);
  assert.ok(found, `${name} in ${header}`);
  return [...found[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((m) => JSON.parse(`"${m[1]}"`)).join("");
}

// The engine built for this machine, run on a project in a folder of its own.
function nativeResults(project) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), "velmar-native-"));
  fs.writeFileSync(path.join(folder, "data.tmp"), project);
  execFileSync(process.env.VELMAR_NATIVE_ENGINE, ["data.tmp"], { cwd: folder });
  return fs.readFileSync(path.join(folder, "Results.txt"), "latin1");
}

async function until(condition, milliseconds = 10000) {
  for (const end = Date.now() + milliseconds; !condition(); await new Promise((r) => setTimeout(r, 20))) {
    assert.ok(Date.now() < end, "the page did not come to it in time");
  }
}

async function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM || "/usr/bin/chromium" });
}

async function openPage(address = pageUrl) {
  const browser = await launch();
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, acceptDownloads: true });
  // The browser's own save dialog cannot be driven: files come as downloads, unless a test
  // puts a save dialog of its own in its place.
  await context.addInitScript(() => { window.showSaveFilePicker = undefined; });
  const page = await context.newPage();
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  await page.goto(address);
  // Nothing may be fetched once the page has loaded: the user's projects stay on their computer.
  const requests = [];
  page.on("request", (r) => { if (!/^(data|blob):/.test(r.url())) requests.push(r.url()); });
  await dialog(page, 200).waitFor();
  await page.keyboard.press("Enter");  // ACCEPT
  await page.locator(".main-window").waitFor();
  return { browser, page, requests, errors };
}

const dialog = (page, number) => page.locator(`.dialog[data-template="${number}"]`);
const control = (page, number, id) => dialog(page, number).locator(`[data-id="${id}"]`);

// A menu's command by its accelerators; a command of the menu bar itself has no item key.
async function menu(page, menuKey, itemKey) {
  await page.keyboard.press(`Alt+${menuKey}`);
  if (itemKey) await page.keyboard.press(itemKey);
}

// The message box on top: its caption and text; answered with the button given.
async function message(page, button = "OK") {
  const box = page.locator(".dialog.message").last();
  await box.waitFor();
  const said = { caption: await box.locator(".caption").textContent(), text: await box.locator(".message-text").textContent() };
  await box.getByRole("button", { name: button }).click();
  return said;
}

// Escape until no dialog is open: a chain of screens closes one at a time.
async function closeAll(page) {
  while (await page.locator(".dialog").count()) {
    await page.keyboard.press("Escape");
    await new Promise((r) => setTimeout(r, 50));
  }
}

async function openExample(page, name) {
  await menu(page, "f", "o");
  const box = page.locator(".dialog", { has: page.locator("select.files") });
  await box.locator("select.files").selectOption({ label: `examples/${name}` });
  await box.getByRole("button", { name: "Open" }).click();
}

// Whole on a 1024×768 page, with nothing of it to be scrolled to.
async function fitsTheWindow(locator) {
  const box = await locator.boundingBox();
  const scrolled = await locator.evaluate((frame) =>
      [...frame.querySelectorAll(".content")].some((c) => c.scrollHeight > c.clientHeight || c.scrollWidth > c.clientWidth));
  const name = await locator.locator(".caption").textContent();
  assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 1024 && box.y + box.height <= 768 && !scrolled,
            `"${name}" (${Math.round(box.width)}×${Math.round(box.height)}) does not fit a 1024×768 page`);
}

test("every dialog of the program is built in the page as its template declares it", async () => {
  const browser = await launch();
  try {
    const page = await browser.newPage({ viewport: { width: 1024, height: 768 } });
    const described = [];
    let allShown = false;
    page.on("console", (m) => {
      const text = m.text();
      if (text.startsWith("dialog ")) described.push(JSON.parse(text.slice("dialog ".length)));
      if (text === "every dialog shown") allShown = true;
    });
    await page.goto(pathToFileURL(process.env.VELMAR_EVERY_DIALOG_PAGE).href);
    let checked = 0;
    while (true) {
      await until(() => allShown || described.length > checked);
      if (checked === described.length) break;
      const t = described[checked];
      const shown = page.locator(`.dialog[data-template="${t.number}"]`);
      await shown.waitFor();
      const where = `dialog ${t.number}`;
      assert.equal(await shown.locator(".caption").textContent(), t.caption, where);
      const built = await shown.evaluate((frame) => [...frame.querySelectorAll("[data-id]")].map((e) => ({
        id: Number(e.dataset.id), hidden: e.hidden, disabled: e.classList.contains("disabled"),
        isDefault: e.classList.contains("default") })));
      assert.deepEqual(built.map((c) => c.id), t.order, `${where}: the controls in the keyboard's order`);
      for (const c of t.controls) {
        const b = built.find((x) => x.id === c.id);
        assert.deepEqual([b.hidden, b.disabled, b.isDefault], [c.hidden, c.disabled, c.kind === "default"], `${where}/${c.id}`);
      }
      await fitsTheWindow(shown);
      const closing = await shown.elementHandle();  // the next may have the same number
      await page.keyboard.press("Escape");
      await page.waitForFunction((e) => !e.isConnected, closing);
      checked++;
    }
    assert.ok(allShown && checked > 60, `${checked} dialogs checked`);
  } finally {
    await browser.close();
  }
});

test("an example opens, runs and saves as on the desktop, and nothing is fetched", async () => {
  const { browser, page, requests, errors } = await openPage();
  try {
    for (const name of ["typical.inp", "organics_metals.inp"]) {
      await openExample(page, name);
      await menu(page, "m", "r");
      const results = dialog(page, 208);
      await results.waitFor();
      await fitsTheWindow(results);
      const shown = await page.evaluate(() => FS.readFile("/velmar/Results.txt", { encoding: "binary" }));
      const project = fs.readFileSync(path.join(source, "examples", name));
      assert.equal(Buffer.from(shown, "binary").toString("latin1"), nativeResults(project), name);
      // The report saved as a PDF, which the page writes itself.
      await results.getByRole("button", { name: "Save" }).click();
      await page.locator(".dialog select").last().selectOption({ index: 1 });
      const pdfDownload = page.waitForEvent("download");
      await page.keyboard.press("Enter");
      const pdf = await (await pdfDownload).path();
      assert.match(execFileSync("pdftotext", [pdf, "-"]).toString(), /Velmar Model Results/);
      await page.keyboard.press("Escape");
      await results.waitFor({ state: "detached" });

      // Save As hands the file over as a download, byte for byte what the program wrote.
      await menu(page, "f", "a");
      const name2 = "copy-" + name;
      await page.locator(".dialog input.field").fill(name2);
      const download = page.waitForEvent("download");
      await page.keyboard.press("Enter");
      const saved = await download;
      assert.equal(saved.suggestedFilename(), name2);
      const bytes = fs.readFileSync(await saved.path());
      const written = await page.evaluate((p) => Array.from(FS.readFile(p)), "/files/" + name2);
      assert.deepEqual([...bytes], written);
    }
    assert.deepEqual(requests, []);
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
});

// As the desktop's keyboard test: area, depth and length known; 20 °C, 400 m long, 40 000 m²,
// 0.5 m deep, 0.1 m³/s, fully mixed; then the contaminants' counts.
test("where the browser has a save dialog, Save As and then Save write to the file chosen there, and closing asks only before an edit is lost", async () => {
  const { browser, page } = await openPage();
  try {
    await openExample(page, "typical.inp");
    // A save dialog that chooses a name and keeps what is written to its file.
    await page.evaluate(() => {
      window.written = [];
      window.showSaveFilePicker = async (options) => ({
        name: "chosen-" + options.suggestedName,
        createWritable: async () => {
          const parts = [];
          return { write: async (bytes) => parts.push(...bytes), close: async () => window.written.push(parts) };
        },
      });
    });
    await menu(page, "f", "a");
    await page.waitForFunction(() => window.written.length === 1);
    await menu(page, "i", "y");  // an edit: 21 degrees
    await dialog(page, 138).waitFor();
    await page.keyboard.press("Enter");
    await dialog(page, 139).waitFor();
    await page.keyboard.type("21");
    await page.keyboard.press("Enter");
    await closeAll(page);
    // The browser asks before an edit is lost, and not once it is saved.
    const asked = [];
    page.on("dialog", (box) => {
      asked.push(box.type());
      box.dismiss();
    });
    await page.close({ runBeforeUnload: true });
    await until(() => asked.length === 1);
    assert.deepEqual(asked, ["beforeunload"]);
    await menu(page, "f", "s");
    await page.waitForFunction(() => window.written.length === 2);
    const [first, second] = await page.evaluate(() => window.written.map((w) => String.fromCharCode(...w)));
    assert.equal(first, fs.readFileSync(path.join(source, "examples", "typical.inp"), "latin1"));
    assert.notEqual(second, first);
    assert.equal(second, await page.evaluate(() => String.fromCharCode(...FS.readFile("/files/chosen-typical.inp"))));
    await page.close({ runBeforeUnload: true });
    await until(() => page.isClosed());
    assert.deepEqual(asked, ["beforeunload"]);
  } finally {
    await browser.close();
  }
});

test("the page served by a plain static web server runs as from disk", async () => {
  const folder = path.dirname(process.env.VELMAR_PAGE);
  const types = { ".html": "text/html", ".css": "text/css", ".js": "text/javascript" };
  const server = http.createServer((request, response) => {
    const file = path.join(folder, path.normalize(decodeURIComponent(new URL(request.url, "http://x").pathname)));
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
    fs.createReadStream(file).pipe(response);
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const { browser, page, errors } = await openPage(`http://127.0.0.1:${server.address().port}/index.html`);
  try {
    await openExample(page, "typical.inp");
    await menu(page, "m", "r");
    await dialog(page, 208).waitFor();
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});

test("the keyboard alone enters system data and a contaminant screen, and bad input gets the desktop's message", async () => {
  const { browser, page } = await openPage();
  const keys = async (...pressed) => { for (const key of pressed) await page.keyboard.press(key); };
  try {
    await menu(page, "i", "y");
    const geometry = dialog(page, 138);
    await geometry.waitFor();
    // Space ticks the current item, Tab moves to the next list.
    await keys("ArrowDown", "Space", "ArrowDown", "Space", "Tab", "Space", "Enter");
    const properties = dialog(page, 139);
    await properties.waitFor();
    for (const value of ["20", "400", "40000", "0.5"]) {
      await page.keyboard.type(value);
      await keys("Tab");
    }
    await page.keyboard.type("0.1");
    await keys("Enter");
    await dialog(page, 140).waitFor();
    await keys("Tab", "Tab", "ArrowRight", "Enter");  // fully mixed
    await dialog(page, 140).waitFor({ state: "detached" });

    await menu(page, "i", "y");
    await geometry.waitFor();
    await keys("Enter");
    await properties.waitFor();
    const shown = await properties.evaluate((d) =>
        Object.fromEntries([...d.querySelectorAll("input.field")].map((e) => [e.getAttribute("aria-label"), e.value])));
    assert.deepEqual(shown, { "Avg. Annual Temp (Deg. C)": "20", "Avg. Annual Width (m)": "100", "Avg. Length (m)": "400",
                              "Avg. Annual Volume (m^3)": "20000", "Avg. Annual Area (m^2)": "40000",
                              "Avg. Annual Depth (m)": "0.5", "Avg. Annual Flow (cms)": "0.1" });
    await closeAll(page);

    // Contaminants too; the TSS data taken as they stand; then two organic chemicals and one
    // heavy metal with their overall half-lives, which are left for later.
    await menu(page, "i", "s");
    await keys("End", "Space", "Enter");
    await menu(page, "i", "a");
    const selection = dialog(page, 144);
    await selection.waitFor();
    await keys("Enter");  // TSS Data
    for (const screen of [145, 146, 147]) {
      await dialog(page, screen).waitFor();
      await keys("Enter");
    }
    await selection.locator('button[data-text="TSS Data"]:focus').waitFor();
    await keys("Tab", "Enter");  // Contaminant Data
    const contaminants = dialog(page, 165);
    await contaminants.waitFor();
    await keys("ArrowUp", "ArrowUp", "Tab", "ArrowUp", "Tab", "Space", "Enter");
    await dialog(page, 166).waitFor();
    await keys("Escape");
    await dialog(page, 166).waitFor({ state: "detached" });
    const counts = () => contaminants.evaluate((d) => [...d.querySelectorAll("input.field")].map((e) => e.value));
    assert.deepEqual(await counts(), ["2", "1"]);
    await keys("Escape");
    await contaminants.waitFor({ state: "detached" });
    await keys("Enter");  // Contaminant Data again, where the focus went back to
    await contaminants.waitFor();
    assert.deepEqual(await counts(), ["2", "1"]);
    await closeAll(page);

    await menu(page, "i", "y");
    await geometry.waitFor();
    await keys("Enter");
    await properties.waitFor();
    await page.keyboard.type("abc");
    await keys("Tab");
    assert.deepEqual(await message(page), { caption: programText("interface/resources/screen_strings.h", "kInvalidInputCaption"),
                                            text: programText("interface/resources/screen_strings.h", "kInvalidInput") });
    assert.equal(await properties.locator("input.field:focus").count(), 1);
  } finally {
    await browser.close();
  }
});

test("the documents open at their chapters of the manual, and the options outlive a reload", async () => {
  const { browser, page } = await openPage();
  try {
    if (fs.existsSync(path.join(path.dirname(process.env.VELMAR_PAGE), "manual"))) {
      for (const [key, chapter] of [["w", "velmar-model-overview-and-technical-basis"], ["g", "velmar-general-instructions"]]) {
        const opened = page.waitForEvent("popup");
        await menu(page, "h", key);
        const document = await opened;
        await document.waitForLoadState();
        assert.ok(document.url().endsWith(`manual/index.html#${chapter}`), document.url());
        assert.equal(await document.locator(`[id="${chapter}"]`).count(), 1);
        await document.close();
      }
    }
    const chooseLastOption = async (choose) => {
      await menu(page, "o", "");
      const options = dialog(page, 198);
      await options.waitFor();
      const last = options.locator("input[type=radio]").last();
      if (choose) await last.check();
      const checked = await last.isChecked();
      await page.keyboard.press(choose ? "Enter" : "Escape");
      await options.waitFor({ state: "detached" });
      return checked;
    };
    assert.equal(await chooseLastOption(true), true);
    await page.reload();
    await dialog(page, 200).waitFor();
    await page.keyboard.press("Enter");
    await page.locator(".main-window").waitFor();
    assert.equal(await chooseLastOption(false), true);
  } finally {
    await browser.close();
  }
});

test("a long study in the page moves its bar and stops on Cancel", async () => {
  const { browser, page } = await openPage();
  try {
    await openExample(page, "typical.inp");
    await menu(page, "a", "u");
    const at = (id) => dialog(page, 402).locator(`[data-id="${id}"]`);
    await at(4202).fill("Annual Area");
    await at(4203).focus();
    await page.keyboard.press("ArrowDown");
    await at(4217).click();  // Add
    await at(4232).fill("1000000");
    await at(4261).click();  // Run
    await page.waitForFunction(() => {  // part way
      const bar = document.querySelector('.dialog [data-id="4252"]');
      return bar.value > 0 && bar.value < 100;
    });
    await at(4262).click();  // Cancel Run
    await page.waitForFunction(() => !document.querySelector('.dialog [data-id="4261"]').disabled);
    assert.equal(await at(4252).evaluate((bar) => bar.value), 0);
    assert.equal(await at(4264).isDisabled(), true);  // nothing to export
  } finally {
    await browser.close();
  }
});

// Each analysis window, worked in the page as the desktop tests work it: its Export CSV must be
// what velmar-study writes for the command Copy Command gives, run on the same files.
const studies = [
  { menu: "s", caption: "Sweep", project: "typical.inp", export: 4044, saveChart: 4043,
    steps: [["type", 4002, "Annual Temp"], ["choose", 4003], ["type", 4004, "5"], ["type", 4005, "25"]] },
  { menu: "u", caption: "Uncertainty", project: "typical.inp", export: 4264,
    steps: [["type", 4202, "Annual Area"], ["choose", 4203], ["click", 4205], ["click", 4217], ["type", 4232, "2000"]] },
  { menu: "z", caption: "Size", project: "typical.inp", export: 4144,
    steps: [["choose", 4102], ["type", 4103, "80"], ["type", 4112, "Annual Area"], ["choose", 4113]] },
  { menu: "c", caption: "Compare with P-k-C*", project: "conventional.inp", export: 4344,
    steps: [["mnemonic", "t", "2e5"], ["click", 4313]] },  // Alt+T: over the "To:" shown
  // Its export asks for the per-step file, then for the summary, which is declined here.
  { menu: "t", caption: "Time Series", project: "typical.inp", export: 4444, declineSecond: true,
    steps: [["file", 4404, "examples/series/record.csv"]] },
  // A fit stops once the sum of squares falls by less than 1e-10 of itself, which leaves its
  // estimates settled only to about the square root of that: a last bit can move them so far.
  { menu: "a", caption: "Calibrate", project: "conventional.inp", export: 4564, relative: 1e-5,
    steps: [["file", 4504, "examples/calibration/observed.csv"], ["type", 4523, "bod_decay_rate20"], ["choose", 4524],
            ["click", 4529], ["type", 4523, "theta_bod"], ["choose", 4524], ["click", 4529]] },
];

// The words of a copied command, as a shell splits them.
const words = (command) => [...command.matchAll(/'([^']*)'|(\S+)/g)].map((m) => m[1] ?? m[2]);

test("each analysis window runs in the page and exports what velmar-study writes", async () => {
  const { browser, page, errors } = await openPage();
  try {
    await page.evaluate(() => {
      navigator.clipboard.writeText = async (text) => { window.copied = text; };
    });
    for (const study of studies) {
      await openExample(page, study.project);
      await menu(page, "a", study.menu);
      const window = page.locator(".dialog", { has: page.locator(".caption", { hasText: new RegExp(`^${study.caption.replace(/[*]/g, "\\*")}$`) }) });
      await window.waitFor();
      const at = (id) => window.locator(`[data-id="${id}"]`);
      for (const [action, id, value] of study.steps) {
        if (action === "type") {
          await at(id).fill(value);
        } else if (action === "mnemonic") {  // a label's accelerator, then typing
          await page.keyboard.press(`Alt+${id}`);
          await page.keyboard.type(value);
          assert.equal(await page.evaluate(() => document.activeElement.value), value, "typed over what was shown");
        } else if (action === "choose") {  // the list's first item, by the keyboard
          await at(id).focus();
          await page.keyboard.press("ArrowDown");
        } else if (action === "click") {
          await at(id).click();
        } else if (action === "file") {
          await at(id).click();
          const chooser = page.waitForEvent("filechooser");
          await page.getByRole("button", { name: "Browse this computer..." }).click();
          await (await chooser).setFiles(path.join(source, value));
        }
      }
      await window.getByRole("button", { name: "Run", exact: true }).click();
      await page.waitForFunction((id) => !document.querySelector(`.dialog [data-id="${id}"]`).disabled, study.export);
      await at(study.export).click();
      const download = page.waitForEvent("download");
      await page.keyboard.press("Enter");
      const exported = await (await download).path();
      if (study.declineSecond) await page.keyboard.press("Escape");
      if (study.saveChart) {
        // The chart as a picture of each type the save box offers.
        for (const [type, start] of [[0, "\x89PNG"], [1, "<svg"]]) {
          await at(study.saveChart).click();
          await page.locator(".dialog select").last().selectOption({ index: type });
          const picture = page.waitForEvent("download");
          await page.keyboard.press("Enter");
          const bytes = fs.readFileSync(await (await picture).path(), "latin1");
          assert.ok(bytes.startsWith(start), `${study.caption}: the chart saved as ${start}`);
        }
      }
      await window.getByRole("button", { name: "Copy Command" }).click();
      const [program, name, ...rest] = words(await page.evaluate(() => window.copied));
      assert.equal(program, "velmar-study", study.caption);
      // The files the command names are the page's own: the same bytes, on this computer.
      const folder = fs.mkdtempSync(path.join(os.tmpdir(), "velmar-page-study-"));
      const local = [];
      for (const word of rest) {
        if (!word.startsWith("/files/")) {
          local.push(word);
          continue;
        }
        const copy = path.join(folder, path.basename(word));
        fs.writeFileSync(copy, Buffer.from(await page.evaluate((p) => Array.from(FS.readFile(p)), word)));
        local.push(copy);
      }
      const expected = path.join(folder, "expected.csv");
      fs.writeFileSync(expected, execFileSync(process.env.VELMAR_NATIVE_STUDY, [name, ...local]));
      // The page's exp and pow may round a last bit otherwise than the desktop's C library.
      try {
        execFileSync("python3", [path.join(source, "tests", "web", "same_numbers.py"), exported, expected,
                                 String(study.relative ?? 1e-13)]);
      } catch (e) {
        assert.fail(`${study.caption}: ${e.stdout}${e.stderr}`);
      }
      await page.keyboard.press("Escape");
      await window.waitFor({ state: "detached" });
    }
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
  }
});
