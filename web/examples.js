// The page's example models, each under the file name its report shows.
export const examples = [
  {
    name: "profit.lp",
    title: "Profit (optimal)",
    text: "MAX PROFIT) 2X + 3Y\nC1) X + Y <= 4\nC2) X + 3Y <= 6\n",
  },
  {
    name: "diet.lp",
    title: "Diet (two phases)",
    text: "MIN COST) +3X +2Y\nC1) +1X +1Y >= 4\nC2) +1X -1Y = 1\nC3) +0X +1Y <= 5\n",
  },
  {
    name: "contradiction.lp",
    title: "Infeasible",
    text: "MAX P) +1X +1Y\nC1) +1X +1Y <= 3\nC2) +1X +1Y >= 5\n",
  },
  {
    name: "unbounded.lp",
    title: "Unbounded",
    text: "MAX GAIN) +1X +1Y\nC1) +1X -1Y <= 1\nC2) -1X +1Y <= 3\n",
  },
  {
    name: "degenerate.lp",
    title: "Degenerate",
    text: "MIN COST) +1X +2Y\nR1) +1X +1Y >= 2\nR2) +1X -1Y <= 2\n",
  },
  {
    name: "production.mat",
    title: "Production (matrix form)",
    text: "MAX 3 3\nA B C\nPROFIT 5 4 3\nLABOR 2 3 1 <= 5\nMATERIAL 4 1 2 <= 11\nMINA 1 0 0 >= 1\n",
  },
  {
    name: "profit-cplex.lp",
    title: "Profit (CPLEX LP format)",
    text: "\\ The profit model in the CPLEX LP format\nMaximize\n profit: 2 x + 3 y\nSubject To\n c1: x + y <= 4\n c2: x + 3 y <= 6\nEnd\n",
  },
  {
    name: "missing-label.lp",
    title: "Input error",
    text: "MAX PROFIT) 2X + 3Y\nC1) X + Y <= 4\nC2) X + 3Y <= 6 Y\n",
  },
];
