// Merged into save_dialogs_test.cpp; this file is no longer built.
