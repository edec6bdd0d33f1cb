zep-solve examples/refuse-mps-minus-infinity.mps
