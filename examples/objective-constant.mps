* An objective constant (minus the RHS entry on the objective row), and a
* row whose right-hand side turns negative once X is put at its lower bound
NAME          T
ROWS
 N  COST
 G  C1
COLUMNS
    X         COST      1   C1        1
    Y         COST      1   C1        -1
RHS
    RHS       COST      -10 C1        1
BOUNDS
 LO BND       X         3
ENDATA
