// A fixture of the layers check: a file on no floor.
