zep examples/crlf-line-ends.lp
