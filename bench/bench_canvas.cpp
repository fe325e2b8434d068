// Benchmarks of this area.
