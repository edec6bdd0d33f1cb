zep-solve examples/profit-crlf.lp
