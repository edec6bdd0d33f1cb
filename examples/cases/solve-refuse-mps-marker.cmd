zep-solve examples/refuse-mps-marker.mps
