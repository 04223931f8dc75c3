// Loaded by shared_library_test: one exported value and one exported function
// (MinGW exports every symbol of a library that marks none).
extern "C" {
int SampleValue = 42;
int SampleTwice(int value) { return 2 * value; }
}
