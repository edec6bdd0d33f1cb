#!/bin/bash
# Fuzzes the four model readers (algebraic, matrix, LP format, MPS) and
# zep-solve's whole path for about a minute each; any crash, sanitizer
# report or slow input fails the step.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash fuzz/run.sh 60
