// Merged into files_test.cpp (storage_tests); this file is no longer built.
