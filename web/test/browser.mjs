// The page in a real browser: Debian's chromium, headless, driven by
// playwright-core (which downloads nothing). Each example is solved with
// each option set and the page's report compared byte for byte, with its
// exit status, against the native zep-solve on the same text under the same
// file name, and each picture against the SVG file that zep-solve --svg
// writes. Then, offline, every golden case of zep-solve that the page can
// express is run through the page against its expected report and status,
// and a text with a NUL byte against zep-solve; a trace is stepped through
// forward and back; an input error marks its line; screenshots of the page
// and of two pictures go to web/screenshots/.
//   node --no-experimental-fetch web/test/browser.mjs [NATIVE_BIN_DIR]
import { chromium } from "playwright-core";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { fileURLToPath } from "node:url";
import { serve } from "./serve.mjs";
import { comparePageWithGoldens } from "./golden-page.mjs";

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const root = path.resolve(web, "..");
const nativeBin = path.resolve(root, process.argv[2] || "build/release");
const shots = path.join(web, "screenshots");
// Option letters; F stands for --fractions.
const optionSets = ["", "r", "t", "f", "x", "rtfx", "F", "tF", "rtfxF"];

let failures = 0;
function check(ok, what) {
  if (!ok) {
    failures++;
    console.log(`FAIL ${what}`);
  }
  return ok;
}

// zep-solve on text saved under name in a fresh folder, run from there,
// with the picture it writes.
function nativeSolve(text, name, set) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "zep-web-"));
  fs.writeFileSync(path.join(dir, name), text);
  const letters = set.replace("F", "");
  const args = [...(letters ? [`-${letters}`] : []), ...(set.includes("F") ? ["--fractions"] : []),
                "--svg=picture.svg", name];
  const run = spawnSync(path.join(nativeBin, "zep-solve"), args, { cwd: dir });
  const svgFile = path.join(dir, "picture.svg");
  const picture = fs.existsSync(svgFile) ? fs.readFileSync(svgFile, "latin1") : "";
  fs.rmSync(dir, { recursive: true });
  return { report: run.stdout.toString("latin1"), err: run.stderr.toString("latin1"), status: run.status, picture };
}

async function setOptions(page, set) {
  for (const [id, key] of [["r", "r"], ["t", "t"], ["f", "f"], ["x", "x"], ["fractions", "F"]]) {
    const box = page.locator(`#opt-${id}`);
    if ((await box.isChecked()) !== set.includes(key)) await box.click();
  }
}

async function solveOnPage(page, set) {
  await setOptions(page, set);
  await page.click("#solve");
  return page.evaluate(() => ({
    report: document.getElementById("report").textContent,
    status: +document.getElementById("report").dataset.status,
    err: document.getElementById("diagnostics").textContent,
    picture: window.zepPage.picture(),
    pictureNote: document.getElementById("picture-note").textContent,
    shown: document.getElementById("picture-svg").querySelector("svg") !== null,
  }));
}

// The module's size against its goal: at most 200 KB gzipped, the .wasm
// and the .js together.
const gzipped = ["zep_web.wasm", "zep_web.js"]
  .map((f) => zlib.gzipSync(fs.readFileSync(path.join(web, f)), { level: 9 }).length)
  .reduce((a, b) => a + b);
console.log(`zep_web.wasm and zep_web.js gzipped: ${gzipped} bytes (goal: at most 200000)`);
check(gzipped <= 200000, `the module is ${gzipped} bytes gzipped, over the goal of 200000`);

const userDataDir = fs.mkdtempSync(path.join(os.tmpdir(), "zep-chromium-"));
const { server, url } = await serve(web);
const context = await chromium.launchPersistentContext(userDataDir, {
  executablePath: "/usr/bin/chromium",
  headless: true,
  args: ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  viewport: { width: 1280, height: 900 },
});
try {
  const page = context.pages()[0] || (await context.newPage());
  page.on("pageerror", (e) => check(false, `page error: ${e.message}`));
  await page.goto(url);
  await page.waitForSelector("body[data-ready='1']");
  const firstReport = await page.evaluate(() => window.zepTimes.firstReport);
  console.log(`page load to first report: ${firstReport.toFixed(1)} ms`);

  // Every example, every option set, against the native program.
  const examples = await page.evaluate(() => window.zepPage.examples);
  let compared = 0;
  for (const [i, example] of examples.entries()) {
    await page.selectOption("#example", String(i));
    const form = await page.textContent("#form");
    const text = await page.inputValue("#text");
    for (const set of optionSets) {
      const got = await solveOnPage(page, set);
      const want = nativeSolve(text, example.name, set);
      check(got.report === want.report && got.status === want.status,
            `${example.name} -${set}: page differs from zep-solve (status ${got.status} vs ${want.status})`);
      // The note that --svg wrote no picture is the page's picture note.
      const noPicture = "zep-solve: note: no picture written to picture.svg: ";
      const wantErr = want.err.split("\n").filter((l) => !l.startsWith(noPicture)).join("\n");
      const wantNote = want.err.split("\n").find((l) => l.startsWith(noPicture));
      check(got.err === wantErr, `${example.name} -${set}: the page's standard error differs from zep-solve's:\n` +
            `${got.err}--- zep-solve:\n${wantErr}`);
      check(got.pictureNote === (wantNote ? `No picture: ${wantNote.slice(noPicture.length)}.` : ""),
            `${example.name} -${set}: the page's picture note "${got.pictureNote}", zep-solve's "${wantNote}"`);
      check(got.picture === want.picture && got.shown === (want.picture !== ""),
            `${example.name} -${set}: the page's picture differs from zep-solve --svg's file`);
      compared++;
    }
    console.log(`${example.name} (${form}): ${optionSets.length} option sets compared`);
  }
  console.log(`${compared} reports compared with zep-solve`);

  // Every golden case of zep-solve that the page can express, on this page,
  // offline: once loaded, the page needs no network.
  await context.setOffline(true);
  const goldenStart = performance.now();
  const goldens = await comparePageWithGoldens(page, root, check);
  console.log(`golden cases of zep-solve on the page, offline: ${goldens.compared} of ${goldens.total} ` +
              `compared in ${((performance.now() - goldenStart) / 1000).toFixed(1)} s; ` +
              `${goldens.left.length} left out, the page cannot express them:`);
  for (const line of goldens.left) console.log(`  ${line}`);
  console.log(`standard error compared too where the case gives it: ${goldens.withErr} cases; ` +
              `the error's line marked in the editor: ${goldens.marked} cases`);

  // A NUL byte is part of the text: the page reads on past it as zep-solve
  // does, and the report, whose echo prints it back, arrives whole.
  const withNul = fs.readFileSync(path.join(root, "examples/profit.lp"), "utf8").replace("C2)", "\0 C2)");
  await page.fill("#text", withNul);
  await page.fill("#file", "nul.lp");
  const nul = await solveOnPage(page, "");
  const nulNative = nativeSolve(withNul, "nul.lp", "");
  check(nul.report === nulNative.report && nul.report.includes("\0") && nul.status === nulNative.status,
        "a text with a NUL byte: the page differs from zep-solve");

  // A file name of 99 characters is taken, one of 100 refused, as the
  // command line does, rather than cut.
  const profit = fs.readFileSync(path.join(root, "examples/profit.lp"), "utf8");
  for (const name of ["n".repeat(96) + ".lp", "n".repeat(97) + ".lp"]) {
    await page.fill("#text", profit);
    await page.fill("#file", name);
    const got = await solveOnPage(page, "");
    const want = nativeSolve(profit, name, "");
    check(got.report === want.report && got.status === want.status && got.err === want.err,
          `a file name of ${name.length} characters: the page differs from zep-solve ` +
          `(status ${got.status} vs ${want.status}):\n${got.report}${got.err}--- zep-solve:\n${want.report}${want.err}`);
  }

  // An input error: the message and the marked line.
  const errorIndex = examples.findIndex((e) => e.title === "Input error");
  await page.selectOption("#example", String(errorIndex));
  await setOptions(page, "");
  await page.click("#solve");
  const message = await page.textContent("#message");
  const marked = await page.textContent("#backdrop mark");
  check(/^line 3: Input Error 15>> Constraint label missing$/.test(message), `error message: ${message}`);
  check(marked === "C2) X + 3Y <= 6 Y", `marked line: ${marked}`);
  await page.screenshot({ path: path.join(shots, "error.png") });

  // The diet model's trace, one tableau at a time.
  await page.selectOption("#example", String(examples.findIndex((e) => e.name === "diet.lp")));
  await setOptions(page, "t");
  await page.click("#solve");
  const stepText = () => page.textContent("#step");
  check((await stepText()) === "tableau 1 of 5", `first step: ${await stepText()}`);
  check((await page.locator("#tableau .pivot").count()) === 0, "no pivot on the starting tableau");
  await page.click("#forward");
  check((await stepText()) === "tableau 2 of 5", `second step: ${await stepText()}`);
  check((await page.textContent("#pivot")).startsWith("X enters, row 2 leaves"), "the first pivot");
  check((await page.textContent("#tableau .pivot")) === "1.000", "the pivot element");
  check((await page.locator("#tableau tr.leaving").count()) === 1, "one leaving row");
  await page.click("#forward");
  check((await page.textContent("#pivot")).startsWith("Y enters, row 1 leaves"), "the second pivot");
  check((await page.textContent("#tableau .pivot")) === "2.000", "the second pivot element");
  await page.screenshot({ path: path.join(shots, "page.png"), fullPage: true });
  await page.click("#back");
  check((await stepText()) === "tableau 2 of 5", "back one step");
  await page.click("#forward");
  await page.click("#forward");
  await page.click("#forward");
  check((await stepText()) === "tableau 5 of 5", "the last tableau");
  check(await page.locator("#forward").isDisabled(), "no step past the last");

  // The same trace in fractions: the pivots are the same steps.
  await setOptions(page, "tF");
  await page.click("#solve");
  check((await stepText()) === "tableau 1 of 5", `fractions, first step: ${await stepText()}`);
  await page.click("#forward");
  await page.click("#forward");
  check((await page.textContent("#pivot")).startsWith("Y enters, row 1 leaves"), "fractions, the second pivot");
  check((await page.textContent("#tableau .pivot")) === "2", "fractions, the second pivot element");

  // The pictures: an optimal and an unbounded model, and the note for a
  // model of three variables.
  const pictureOf = async (name, file) => {
    await page.selectOption("#example", String(examples.findIndex((e) => e.name === name)));
    await setOptions(page, "");
    await page.click("#solve");
    const svg = page.locator("#picture-svg svg");
    check(await svg.isVisible(), `${name}: the picture is shown`);
    await svg.screenshot({ path: path.join(shots, file) });
    return page.evaluate(() => window.zepPage.picture());
  };
  check((await pictureOf("profit.lp", "picture-optimal.png")).includes(">(3, 1)<"), "the optimum's coordinates");
  check((await pictureOf("unbounded.lp", "picture-unbounded.png")).includes("head-ray"), "the unbounded ray");
  await page.selectOption("#example", String(examples.findIndex((e) => e.name === "production.mat")));
  check((await page.textContent("#picture-note")) ===
        "No picture: the model has 3 variables; a picture is drawn for two.",
        `three variables: ${await page.textContent("#picture-note")}`);
} finally {
  await context.close();
  server.close();
  fs.rmSync(userDataDir, { recursive: true, force: true });
}
console.log(failures ? `${failures} failures` : "browser test: all passed");
process.exit(failures ? 1 : 0);
