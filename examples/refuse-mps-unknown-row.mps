NAME          T
ROWS
 N  COST
 G  C1
COLUMNS
    X         COST      1   C2        1
ENDATA
