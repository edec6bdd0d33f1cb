NAME          T
ROWS
 N  COST
 G  C1
COLUMNS
    MARKER                 'MARKER'                 'INTORG'
    X         COST      1   C1        1
    MARKER                 'MARKER'                 'INTEND'
ENDATA
