// The owner of the tests' precompiled headers; it compiles nothing of its own.
