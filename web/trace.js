// The tableaux of a trace, read back from the report text, and the pivot
// that leads from each to the next: the row whose basic column changes
// leaves, and the column that becomes basic there enters.

const rowLine = /^\s*(\d+)\s+(\d+)\s(.*)$/;

// Each tableau: its column names, cost and status lines, its rows (row
// number, basic column, entries as printed) and the lines printed after it
// up to the next one (the progress line, phase headings).
export function readTableaux(report) {
  const lines = report.split("\n");
  const tableaux = [];
  for (let i = 0; i < lines.length; i++) {
    if (!/^\s+Name\s/.test(lines[i])) continue;
    const t = {
      names: lines[i].trim().split(/\s+/).slice(1),
      cost: lines[i + 1].trim().split(/\s+/).slice(1),
      rows: [],
      after: [],
    };
    let k = i + 1;
    while (k < lines.length && !/^Row Bas/.test(lines[k])) k++;
    for (k += 2; k < lines.length; k++) {
      const m = rowLine.exec(lines[k]);
      if (!m) break;
      t.rows.push({ row: +m[1], basis: +m[2], entries: m[3].trim().split(/\s+/) });
    }
    for (; k < lines.length && !/^\s+Name\s/.test(lines[k]); k++) {
      if (/^Solution |^\s+\*\*\*/.test(lines[k])) break;
      if (lines[k].trim() !== "") t.after.push(lines[k].trim());
    }
    tableaux.push(t);
    i = k - 1;
  }
  return tableaux;
}

// The pivot from tableau a to tableau b: { row, column } or null where the
// basis is the same (a tableau printed again, the last one).
export function pivotBetween(a, b) {
  if (!b || a.rows.length !== b.rows.length) return null;
  for (let r = 0; r < a.rows.length; r++) {
    const before = a.rows[r], after = b.rows[r];
    if (before.row > 0 && before.basis !== 0 && before.basis !== after.basis)
      return { row: before.row, column: after.basis };
  }
  return null;
}
