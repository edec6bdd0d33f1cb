// The figures of web/README.md, measured in one run on this machine: the
// module's gzipped sizes, the time from page load to the first report in
// chromium, and the solve time of the capacity models in the page against
// zep's native in-process solve (the benchmarks' "zep" timing).
//   node --no-experimental-fetch web/test/measure.mjs [NATIVE_BUILD_DIR]
import { chromium } from "playwright-core";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { fileURLToPath } from "node:url";
import { serve } from "./serve.mjs";

const web = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const root = path.resolve(web, "..");
const build = path.resolve(root, process.argv[2] || "build/release");
const capacity = ["dense-30x20", "mixed-30x12", "degenerate-30x20", "limit-30x20-le",
                  "limit-30-mixed", "limit-30-degenerate"];
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const load = () => os.loadavg().map((x) => x.toFixed(2)).join(", ");
const loadBefore = load();

const sizes = {};
for (const f of ["zep_web.wasm", "zep_web.js"]) {
  const bytes = fs.readFileSync(path.join(web, f));
  sizes[f] = { raw: bytes.length, gzip: zlib.gzipSync(bytes, { level: 9 }).length };
}

// The models as the benchmarks build them.
const models = fs.mkdtempSync(path.join(os.tmpdir(), "zep-models-"));
spawnSync(path.join(build, "bench/zep_bench_models_write"), [models]);
const texts = Object.fromEntries(capacity.map((m) => [m, fs.readFileSync(path.join(models, m + ".mat"), "utf8")]));

// Native: the benchmarks' in-process solve, the median of its repetitions
// for each model, in wall-clock time as the page's is taken.
const benchOut = path.join(models, "bench.json");
function nativeRound() {
  spawnSync(path.join(build, "bench/zep_bench"), [
    `--benchmark_filter=^zep/(${capacity.join("|")})$`, "--benchmark_repetitions=3",
    "--benchmark_min_time=0.05", `--benchmark_out=${benchOut}`, "--benchmark_out_format=json",
    "--benchmark_report_aggregates_only=true"]);
  const us = {};
  for (const b of JSON.parse(fs.readFileSync(benchOut, "utf8")).benchmarks)
    if (b.aggregate_name === "median")
      us[b.run_name.replace("zep/", "")] = b.real_time * { ns: 1e-3, us: 1, ms: 1e3 }[b.time_unit];
  return us;
}

// The page: the page's own call on each model, the median of 5 batches of
// 50 solves.
function pageRound(page) {
  return page.evaluate((texts) => {
    const us = {};
    for (const [m, text] of Object.entries(texts)) {
      const batches = [];
      for (let b = 0; b < 5; b++) {
        const t0 = performance.now();
        for (let i = 0; i < 50; i++) window.zepPage.run(text, m + ".mat", "", 0);
        batches.push(((performance.now() - t0) * 1000) / 50);
      }
      us[m] = batches.sort((a, b) => a - b)[2];
    }
    return us;
  }, texts);
}

const { server, url } = await serve(web);
const flags = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
               "--disable-background-networking", "--disable-component-update", "--disable-sync"];
const launch = (dir) => chromium.launchPersistentContext(dir, { executablePath: "/usr/bin/chromium", headless: true, args: flags });

// Page load to the first report, each time in a fresh profile.
const loads = [];
for (let run = 0; run < 7; run++) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "zep-chromium-"));
  const context = await launch(dir);
  const page = context.pages()[0] || (await context.newPage());
  await page.goto(url);
  await page.waitForSelector("body[data-ready='1']");
  loads.push(await page.evaluate(() => window.zepTimes.firstReport));
  await context.close();
  fs.rmSync(dir, { recursive: true, force: true });
}

// Solve times side by side: rounds that take the native and then the page
// times of every model, so both meet the same load; each is the median
// over the rounds, and the ratio the median of the rounds' ratios.
const rounds = 7;
const dir = fs.mkdtempSync(path.join(os.tmpdir(), "zep-chromium-"));
const context = await launch(dir);
const page = context.pages()[0] || (await context.newPage());
await page.goto(url);
await page.waitForSelector("body[data-ready='1']");
await pageRound(page); // a round to warm up, not counted
const native = {}, page_us = {}, ratio = {};
for (const m of capacity) [native[m], page_us[m], ratio[m]] = [[], [], []];
for (let r = 0; r < rounds; r++) {
  const n = nativeRound();
  const p = await pageRound(page);
  for (const m of capacity) {
    native[m].push(n[m]);
    page_us[m].push(p[m]);
    ratio[m].push(p[m] / n[m]);
  }
}
await context.close();
fs.rmSync(dir, { recursive: true, force: true });
server.close();
fs.rmSync(models, { recursive: true });

const w = sizes["zep_web.wasm"], j = sizes["zep_web.js"];
console.log(`${os.cpus().length} cores (${os.cpus()[0].model}); load average (1, 5, 15 min) ` +
            `${loadBefore} at the start, ${load()} at the end\n`);
console.log("| file | bytes | gzipped |\n|---|---:|---:|");
console.log(`| zep_web.wasm | ${w.raw} | ${w.gzip} |`);
console.log(`| zep_web.js | ${j.raw} | ${j.gzip} |`);
console.log(`| together | ${w.raw + j.raw} | ${w.gzip + j.gzip} (${((w.gzip + j.gzip) / 1024).toFixed(1)} KiB) |`);
console.log(`\npage load to first report: median ${median(loads).toFixed(0)} ms of ${loads.length} fresh loads ` +
            `(${loads.map((x) => x.toFixed(0)).join(", ")})\n`);
console.log(`solve times: median of ${rounds} rounds, each round the native and then the page\n`);
console.log("| model | page (WebAssembly), us | native in-process, us | page / native |\n|---|---:|---:|---:|");
for (const m of capacity)
  console.log(`| ${m} | ${median(page_us[m]).toFixed(1)} | ${median(native[m]).toFixed(1)} | ${median(ratio[m]).toFixed(2)} |`);
