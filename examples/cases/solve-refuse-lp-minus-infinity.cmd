zep-solve examples/refuse-lp-minus-infinity.lp
