* The profit model with an upper bound on X
NAME          BOUNDED
OBJSENSE
    MAX
ROWS
 N  PROFIT
 L  C1
 L  C2
COLUMNS
    X         PROFIT             2   C1                 1
    X         C2                 1
    Y         PROFIT             3   C1                 1
    Y         C2                 3
RHS
    RHS       C1                 4   C2                 6
BOUNDS
 UP BND       X                  2
ENDATA
