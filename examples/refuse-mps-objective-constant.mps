NAME          T
ROWS
 N  COST
 G  C1
COLUMNS
    X         COST      1   C1        1
    Y         COST      1   C1        1
RHS
    RHS       COST      -10
    RHS       C1        2
