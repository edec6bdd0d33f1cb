"""The one exception zep raises."""


class Error(Exception):
    """A model zep cannot read or hold, or a failure of the engine.

    message says what is wrong, as the zep programs' locating line on
    standard error says it; status is the exit status they end with (255
    for an input error, 2 for a model over the capacities). kind names the
    error's kind ("input", "matrix_input", "lp_input", "mps_input", "model",
    "capacity", "engine", "file", "command_line"), and line and column its
    place in the text given to read_model (0 where none is known).
    """

    def __init__(self, message, status, kind=None, line=0, column=0):
        super().__init__(message, status, kind, line, column)
        self.message = message
        self.status = status
        self.kind = kind
        self.line = line
        self.column = column

    def __str__(self):
        return self.message
