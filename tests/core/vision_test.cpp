// Merged into wcag_test.cpp; this file is no longer built.
