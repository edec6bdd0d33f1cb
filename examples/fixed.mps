* A fixed variable
NAME          FIXED
ROWS
 N  COST
 G  C1
COLUMNS
    X         COST               3   C1                 1
    Y         COST               2   C1                 1
RHS
    RHS       C1                 5
BOUNDS
 FX BND       X                  1
ENDATA
