* The profit model with long names, in free MPS
NAME          long_names
OBJSENSE
    MAX
ROWS
 N  total_profit_of_the_plan
 L  hours_in_the_workshop
 L  hours_in_the_paint_shop
COLUMNS
    chairs_of_oak_wood  total_profit_of_the_plan  2  hours_in_the_workshop  1
    chairs_of_oak_wood  hours_in_the_paint_shop  1
    chairs_of_oak_veneer  total_profit_of_the_plan  3  hours_in_the_workshop  1
    chairs_of_oak_veneer  hours_in_the_paint_shop  3
RHS
    RHS  hours_in_the_workshop  4  hours_in_the_paint_shop  6
ENDATA
