// Replaced by the logger implementation.
