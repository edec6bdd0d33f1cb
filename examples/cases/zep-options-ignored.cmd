zep -RFTXq examples/profit.mat -I
