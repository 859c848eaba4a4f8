// Merged into color_test.cpp; this file is no longer built.
