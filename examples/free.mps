* A free variable
NAME          FREE
ROWS
 N  COST
 G  C1
 L  C2
COLUMNS
    X         COST               1   C1                 1
    X         C2                 1
    Y         COST               2   C1                 1
    Y         C2                -1
RHS
    RHS       C1                 2   C2                 1
BOUNDS
 FR BND       X
ENDATA
