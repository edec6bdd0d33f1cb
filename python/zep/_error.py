"""The one exception zep raises."""


class Error(Exception):
    """A model zep cannot read or hold, or a failure of the engine.

    message is what the zep programs print for it, status the exit status
    they end with (255 for an input error, 2 for a model over the
    capacities). kind names the error's kind, and line and column its place
    in the model text (0 where none is known), where the library gives them.
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
