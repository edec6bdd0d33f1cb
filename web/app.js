// The page: the editor, the options, one zep-solve run per solve in the
// WebAssembly module, the report as it prints it, the trace's tableaux one
// at a time, the picture of a two-variable model and the error's line
// marked in the editor.
import createZep from "./zep_web.js";
import { examples } from "./examples.js";
import { readTableaux, pivotBetween } from "./trace.js";

const $ = (id) => document.getElementById(id);
const formNames = ["algebraic form", "matrix form", "CPLEX LP format", "MPS"];
const options = [
  ["opt-r", "r"],
  ["opt-t", "t"],
  ["opt-f", "f"],
  ["opt-x", "x"],
  ["opt-e", "e"],
];

const zep = await createZep();
const solveCall = zep.cwrap("zep_web_solve", "number", ["number", "number", "string", "string", "number"]);
const reportSize = zep.cwrap("zep_web_report_size", "number", []);
const formCall = zep.cwrap("zep_web_form", "number", ["number", "number"]);
const encoder = new TextEncoder();
const decoder = new TextDecoder("utf-8", { ignoreBOM: true });

// Text goes into the module and the report comes out by size, as bytes: a
// NUL is a byte of the model like any other, and the echo prints it back.
function withBytes(text, use) {
  const bytes = encoder.encode(text);
  const at = zep._malloc(bytes.length + 1);
  zep.HEAPU8.set(bytes, at);
  try {
    return use(at, bytes.length);
  } finally {
    zep._free(at);
  }
}

const call = {
  solve: (text, file, letters, fractions) =>
    withBytes(text, (at, size) => {
      const report = solveCall(at, size, file, letters, fractions);
      return decoder.decode(zep.HEAPU8.subarray(report, report + reportSize()));
    }),
  form: (text) => withBytes(text, formCall),
  status: zep.cwrap("zep_web_status", "number", []),
  diagnostics: zep.cwrap("zep_web_diagnostics", "string", []),
  errorLine: zep.cwrap("zep_web_error_line", "number", []),
  picture: zep.cwrap("zep_web_picture", "string", []),
  pictureNote: zep.cwrap("zep_web_picture_note", "string", []),
};

const state = { tableaux: [], at: 0 };

function optionLetters() {
  return options.filter(([id]) => $(id).checked).map(([, letter]) => letter).join("");
}

function escapeHtml(text) {
  return text.replace(/[&<>]/g, (c) => ({ "&": "&amp;", "<": "&lt;", ">": "&gt;" })[c]);
}

// The backdrop behind the editor repeats its text, with the line in error
// marked.
function markLine(line) {
  const lines = $("text").value.split("\n");
  $("backdrop").innerHTML = lines
    .map((l, i) => (i + 1 === line ? `<mark>${escapeHtml(l) || " "}</mark>` : escapeHtml(l)))
    .join("\n") + "\n";
  $("backdrop").dataset.line = line || "";
  syncScroll();
}

function syncScroll() {
  $("backdrop").scrollTop = $("text").scrollTop;
  $("backdrop").scrollLeft = $("text").scrollLeft;
}

function showForm() {
  $("form").textContent = "read as the " + formNames[call.form($("text").value)];
}

// The line of an input error: the algebraic reader's own, or the one the
// LP and MPS readers name in their message.
function errorPlace(report) {
  const line = call.errorLine();
  if (line > 0) return line;
  const named = /input error, line (\d+):/.exec(report);
  return named ? +named[1] : 0;
}

function errorMessage(report) {
  const lines = report.trimEnd().split("\n");
  const numbered = lines.find((l) => l.startsWith("Input Error"));
  return numbered || lines[lines.length - 1];
}

export function solve() {
  const letters = optionLetters();
  const fractions = $("opt-fractions").checked;
  const file = $("file").value.trim() || "model.lp";
  const t0 = performance.now();
  const report = call.solve($("text").value, file, letters, fractions ? 1 : 0);
  const ms = performance.now() - t0;
  const status = call.status();
  $("report").textContent = report;
  $("report").dataset.status = status;
  const diagnostics = call.diagnostics();
  $("diagnostics").textContent = diagnostics;
  $("diagnostics").hidden = !diagnostics;
  $("command").textContent = `zep-solve ${letters ? "-" + letters + " " : ""}` +
    `${fractions ? "--fractions " : ""}${file}` + (status ? `   (exit status ${status})` : "");
  $("timing").textContent = `solved in ${ms.toFixed(2)} ms`;
  const line = status === 255 ? errorPlace(report) : 0;
  markLine(line);
  const message = $("message");
  message.className = status ? "error" : "";
  message.textContent = status ? (line ? `line ${line}: ` : "") + errorMessage(report) : "";
  showSteps(letters.includes("t") ? readTableaux(report) : []);
  showPicture(call.picture(), call.pictureNote());
  if (!window.zepTimes.firstReport) window.zepTimes.firstReport = performance.now();
  window.zepTimes.lastSolve = ms;
  return report;
}

// The SVG comes from zep, which escapes every name it writes into it.
function showPicture(svg, note) {
  $("picture").hidden = !svg && !note;
  $("picture-svg").innerHTML = svg;
  $("picture-note").textContent = svg || !note ? "" : `No picture: ${note}.`;
}

function showSteps(tableaux) {
  state.tableaux = tableaux;
  state.at = 0;
  $("steps").hidden = tableaux.length === 0;
  if (tableaux.length) showStep();
}

function showStep() {
  const { tableaux, at } = state;
  const t = tableaux[at];
  const pivot = pivotBetween(t, tableaux[at + 1]);
  $("step").textContent = `tableau ${at + 1} of ${tableaux.length}`;
  $("back").disabled = at === 0;
  $("forward").disabled = at === tableaux.length - 1;
  const name = (j) => (j === 0 ? "RHS" : t.names[j - 1]);
  $("pivot").textContent = pivot
    ? `${name(pivot.column)} enters, row ${pivot.row} leaves` +
      (t.after.length ? ` \u2014 ${t.after.join(" ")}` : "")
    : t.after.join(" ");
  const head = ["Row", "Bas", ...t.cost.map((_, j) => name(j))];
  let html = "<table><tr>" + head.map((h) => `<th>${escapeHtml(h)}</th>`).join("") + "</tr>";
  for (const r of t.rows) {
    const leaving = pivot && r.row === pivot.row;
    html += `<tr${leaving ? ' class="leaving"' : ""}><th>${r.row}</th><th>${r.basis}</th>`;
    r.entries.forEach((v, j) => {
      const entering = pivot && j === pivot.column;
      const cls = entering && leaving ? "pivot" : entering ? "entering" : "";
      html += `<td${cls ? ` class="${cls}"` : ""}>${escapeHtml(v)}</td>`;
    });
    html += "</tr>";
  }
  $("tableau").innerHTML = html + "</table>";
  $("tableau").dataset.step = at;
}

function step(by) {
  const to = state.at + by;
  if (to < 0 || to >= state.tableaux.length) return;
  state.at = to;
  showStep();
}

function loadExample(i) {
  const e = examples[i];
  $("text").value = e.text;
  $("file").value = e.name;
  showForm();
  solve();
}

window.zepTimes = window.zepTimes || {};
for (const [i, e] of examples.entries()) $("example").add(new Option(e.title, i));
$("example").addEventListener("change", (ev) => loadExample(+ev.target.value));
$("solve").addEventListener("click", solve);
$("back").addEventListener("click", () => step(-1));
$("forward").addEventListener("click", () => step(1));
for (const [id] of options) $(id).addEventListener("change", solve);
$("opt-fractions").addEventListener("change", solve);
$("text").addEventListener("input", () => {
  showForm();
  markLine(0);
});
$("text").addEventListener("scroll", syncScroll);
$("text").addEventListener("keydown", (ev) => {
  if (ev.key === "Enter" && (ev.ctrlKey || ev.metaKey)) solve();
});
document.addEventListener("keydown", (ev) => {
  if (ev.target === $("text")) return;
  if (ev.key === "ArrowLeft") step(-1);
  if (ev.key === "ArrowRight") step(1);
});
window.zepPage = { solve, examples, loadExample, step, run: call.solve, picture: call.picture };
loadExample(0);
document.body.dataset.ready = "1";
