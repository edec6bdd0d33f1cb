* The infeasible model of rep-infeasible.mat, with NEEDX written negated
NAME          NOTE
ROWS
 N  COST
 L  CAP
 L  NEEDX
 G  NEEDY
COLUMNS
    X         COST      1   CAP       1
    X         NEEDX     -1
    Y         COST      1   CAP       1
    Y         NEEDY     1
RHS
    RHS       CAP       2   NEEDX     -5
    RHS       NEEDY     4
ENDATA
