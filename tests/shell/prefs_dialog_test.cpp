// The preferences dialog tests live in window_modes_test.cpp.
