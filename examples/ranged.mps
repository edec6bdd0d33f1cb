* A ranged row: 2 <= C1 <= 6
NAME          T
ROWS
 N  COST
 G  C1
COLUMNS
    X         COST      1   C1        1
    Y         COST      1   C1        1
RHS
    RHS       C1        2
RANGES
    RNG       C1        4
ENDATA
