// The ReadMe viewer tests live in help_test.cpp.
