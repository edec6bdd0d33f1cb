// The page in a real browser: Debian's chromium, headless, driven by
// playwright-core (which downloads nothing). Each example is solved with
// each option set and the page's report compared byte for byte, with its
// exit status, against the native zep-solve on the same text under the same
// file name; a trace is stepped through forward and back; an input error
// marks its line; screenshots go to web/screenshots/.
//   node --no-experimental-fetch web/test/browser.mjs [NATIVE_BIN_DIR]
import { chromium } from "playwright-core";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { serve } from "./serve.mjs";

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const root = path.resolve(web, "..");
const nativeBin = path.resolve(root, process.argv[2] || "build/release");
const shots = path.join(web, "screenshots");
const optionSets = ["", "r", "t", "f", "x", "rtfx"];

let failures = 0;
function check(ok, what) {
  if (!ok) {
    failures++;
    console.log(`FAIL ${what}`);
  }
  return ok;
}

// zep-solve on text saved under name in a fresh folder, run from there.
function nativeSolve(text, name, letters) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "zep-web-"));
  fs.writeFileSync(path.join(dir, name), text);
  const args = letters ? [`-${letters}`, name] : [name];
  const run = spawnSync(path.join(nativeBin, "zep-solve"), args, { cwd: dir });
  fs.rmSync(dir, { recursive: true });
  return { report: run.stdout.toString("latin1"), status: run.status };
}

async function setOptions(page, letters) {
  for (const letter of "rtfx") {
    const box = page.locator(`#opt-${letter}`);
    if ((await box.isChecked()) !== letters.includes(letter)) await box.click();
  }
}

async function solveOnPage(page, letters) {
  await setOptions(page, letters);
  await page.click("#solve");
  return page.evaluate(() => ({
    report: document.getElementById("report").textContent,
    status: +document.getElementById("report").dataset.status,
  }));
}

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
    for (const letters of optionSets) {
      const got = await solveOnPage(page, letters);
      const want = nativeSolve(text, example.name, letters);
      check(got.report === want.report && got.status === want.status,
            `${example.name} -${letters}: page differs from zep-solve (status ${got.status} vs ${want.status})`);
      compared++;
    }
    console.log(`${example.name} (${form}): ${optionSets.length} option sets compared`);
  }
  console.log(`${compared} reports compared with zep-solve`);

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
} finally {
  await context.close();
  server.close();
  fs.rmSync(userDataDir, { recursive: true, force: true });
}
console.log(failures ? `${failures} failures` : "browser test: all passed");
process.exit(failures ? 1 : 0);
