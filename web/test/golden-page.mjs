// The golden cases of zep-solve through the page: each case's model file
// typed into the editor under the case's file name, the checkboxes set as
// its options say, solved, and the page's report and exit status compared
// with the case's expected bytes and status. A case that the page cannot
// express (an option without a checkbox, no model file) is listed with the
// reason.
import fs from "node:fs";
import path from "node:path";

// Option letters with a checkbox on the page, and the long options.
const letterBoxes = { r: "opt-r", t: "opt-t", f: "opt-f", x: "opt-x", e: "opt-e" };
const longBoxes = { "--fractions": "opt-fractions" };

// The case's boxes and model file, or why the page cannot run it.
export function pageRun(args, root) {
  const boxes = new Set();
  const files = [];
  for (const arg of args) {
    if (arg.startsWith("--")) {
      if (!longBoxes[arg]) return { reason: `option ${arg} has no checkbox` };
      boxes.add(longBoxes[arg]);
    } else if (arg.startsWith("-") && arg.length > 1) {
      for (const letter of arg.slice(1).toLowerCase()) {
        const box = letterBoxes[letter];
        if (!box) return { reason: `option -${letter} has no checkbox` };
        // e toggles the echo; the others set what they name.
        if (letter === "e" && boxes.has(box)) boxes.delete(box);
        else boxes.add(box);
      }
    } else {
      files.push(arg);
    }
  }
  if (files.length !== 1) return { reason: files.length ? "several files" : "no model file" };
  if (!fs.existsSync(path.join(root, files[0]))) return { reason: "no such file: the page always holds a text" };
  return { boxes, file: files[0] };
}

export function zepSolveCases(root) {
  const dir = path.join(root, "examples/cases");
  return fs.readdirSync(dir)
    .filter((f) => f.endsWith(".cmd"))
    .sort()
    .map((f) => {
      const [prog, ...args] = fs.readFileSync(path.join(dir, f), "utf8").trim().split(/\s+/);
      const name = f.slice(0, -".cmd".length);
      const read = (ext) => fs.readFileSync(path.join(dir, name + ext));
      const err = fs.existsSync(path.join(dir, name + ".err")) ? () => read(".err") : null;
      return { name, prog, args, err, out: () => read(".out"), status: () => +read(".status").toString().trim() };
    })
    .filter((c) => c.prog === "zep-solve");
}

// The page as a person uses it: the text into the editor, the file name,
// the boxes, Solve.
async function solveCase(page, text, file, boxes) {
  await page.fill("#text", text);
  await page.fill("#file", file);
  for (const id of [...Object.values(letterBoxes), ...Object.values(longBoxes)]) {
    const box = page.locator(`#${id}`);
    if ((await box.isChecked()) !== boxes.has(id)) await box.click();
  }
  await page.click("#solve");
  return page.evaluate(() => ({
    report: document.getElementById("report").textContent,
    status: +document.getElementById("report").dataset.status,
    message: document.getElementById("message").textContent,
    diagnostics: document.getElementById("diagnostics").textContent,
    marked: document.getElementById("backdrop").dataset.line,
  }));
}

// Runs every case on the page; check(ok, what) records a failure. Returns
// the counts (of all, of those whose standard error the case gives, of the
// errors whose line is marked) and the cases left out with their reasons.
export async function comparePageWithGoldens(page, root, check) {
  const cases = zepSolveCases(root);
  const left = [];
  let withErr = 0;
  let marked = 0;
  let compared = 0;
  for (const c of cases) {
    const run = pageRun(c.args, root);
    if (run.reason) {
      left.push(`${c.name}: ${run.reason}`);
      continue;
    }
    const text = fs.readFileSync(path.join(root, run.file), "utf8");
    const got = await solveCase(page, text, run.file, run.boxes);
    const want = c.out();
    const report = Buffer.from(got.report, "utf8");
    if (!check(report.equals(want), `golden ${c.name}: the page's report differs from ${c.name}.out`)) {
      console.log(`--- expected\n${want.toString("utf8")}--- page\n${got.report}---`);
    }
    const status = c.status();
    check(got.status === status, `golden ${c.name}: the page's status ${got.status}, expected ${status}`);
    // An error's message on the page is the report's own line, and the line
    // marked in the editor is the one that its place on standard error names.
    if (status !== 0) {
      const message = got.message.replace(/^line \d+: /, "");
      check(message !== "" && want.toString("utf8").split("\n").includes(message),
            `golden ${c.name}: the page's message "${got.message}" is not a line of the report`);
      const place = got.diagnostics.startsWith(`${run.file}:`) &&
                    /^:(\d+):/.exec(got.diagnostics.slice(run.file.length));
      check(got.marked === (place ? place[1] : ""),
            `golden ${c.name}: line ${got.marked || "none"} marked, the error is at ${place ? place[1] : "no line"}`);
      if (place) marked++;
    }
    if (c.err) {
      check(Buffer.from(got.diagnostics, "utf8").equals(c.err()),
            `golden ${c.name}: the page's standard error differs from ${c.name}.err:\n${got.diagnostics}`);
      withErr++;
    }
    compared++;
  }
  return { total: cases.length, compared, withErr, marked, left };
}
