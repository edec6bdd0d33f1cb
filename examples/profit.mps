* The profit model of the README in fixed MPS
NAME          PROFIT
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
ENDATA
