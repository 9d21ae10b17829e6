// Holds the compiled string tables as resources.
